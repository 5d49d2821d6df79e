# Sourced by the scripts that measure CPU time. cpu_ticks PID... prints the
# user and system time the processes have used so far, summed, in clock
# ticks (getconf CLK_TCK a second); a process that has gone counts 0.
# A subshell, so that its loop leaves the caller's variables alone.
cpu_ticks() (
  # The name in parentheses may hold blanks: count the fields after it.
  for pid in "$@"; do
    [ -n "$pid" ] && sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null
  done | awk '{ sum += $12 + $13 } END { print sum + 0 }'
)
