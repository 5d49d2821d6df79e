# Sourced by the set-up's steps that reach a package registry, so that a
# short outage or a mirror in mid-sync does not end the set-up.
#   retry LOG COMMAND...   runs COMMAND up to three times, 10 s apart, its
#                          output in LOG; fails with the last attempt
#   failure_cause LOG      one line: what apt or mmdebstrap said went wrong
#   broken_suites LOG      the suites whose index files failed to download

retry_attempts=${SOLQUERA_RETRY_ATTEMPTS:-3}
retry_pause=${SOLQUERA_RETRY_PAUSE:-10}

retry() {
  log=$1
  shift
  attempt=1
  while ! "$@" >"$log" 2>&1; do
    [ "$attempt" -lt "$retry_attempts" ] || return 1
    echo "$1 failed ($(failure_cause "$log")); trying again in ${retry_pause} s" >&2
    sleep "$retry_pause"
    attempt=$((attempt + 1))
  done
}

# apt names a failed download on an "Err:" line with the cause indented on the
# next; other failures end in "E:" lines.
failure_cause() {
  awk '
    /^Err:/ { sub(/^Err:[0-9]* /, ""); item = $0; next }
    item != "" { sub(/^ +/, ""); causes = causes sep item ": " $0; sep = "; "; item = ""; next }
    /^E: / && first == "" { first = substr($0, 4) }
    { last = $0 }
    END { print (causes != "" ? causes : first != "" ? first : last) }
  ' "$1"
}

broken_suites() {
  sed -n 's|^Err:.* \([a-z][a-z-]*\)/[a-z-]* .*|\1|p' "$1" | sort -u
}
