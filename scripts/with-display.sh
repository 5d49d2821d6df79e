# Sourced by the scripts that need an X display: where there is none, starts
# a private Xvfb for the rest of the script (xvfb_pid), of the screen
# SOLQUERA_SCREEN (1024 x 768, 24 bits) at the first free display number from
# SOLQUERA_FIRST_DISPLAY (99) on.
if [ -z "${DISPLAY:-}" ]; then
  display=${SOLQUERA_FIRST_DISPLAY:-99}
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "${SOLQUERA_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  unset XAUTHORITY
  i=0
  until xdpyinfo >/dev/null 2>&1 || [ $i -ge 50 ]; do sleep 0.1; i=$((i + 1)); done
  stop_display() { kill "$xvfb_pid" 2>/dev/null || true; }
else
  stop_display() { :; }
fi
