#!/bin/sh
# The set-up's registry helpers: a retried step runs again and then gives up,
# and a failure is named by its suite and cause, from apt's own words.
set -eu
. "$(dirname "$0")/../../scripts/retry.sh"
retry_pause=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A mirror in mid-sync, as mmdebstrap reported it.
cat >"$work/midsync.log" <<'LOG'
Get:1 http://deb.debian.org/debian bookworm InRelease [151 kB]
Ign:4 http://deb.debian.org/debian-security bookworm-security/main i386 Packages
Err:4 http://deb.debian.org/debian-security bookworm-security/main i386 Packages
  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]
  Hashes of expected file:
E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size
E: mmdebstrap failed to run
LOG
[ "$(broken_suites "$work/midsync.log")" = bookworm-security ] || fail "broken suites: $(broken_suites "$work/midsync.log")"
expected="http://deb.debian.org/debian-security bookworm-security/main i386 Packages: File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]"
[ "$(failure_cause "$work/midsync.log")" = "$expected" ] || fail "cause: $(failure_cause "$work/midsync.log")"

# Without a failed download the first error names the cause; without any,
# the last line does.
printf 'Reading package lists...\nE: Unable to locate package winee\nE: second\n' >"$work/missing.log"
[ "$(failure_cause "$work/missing.log")" = "Unable to locate package winee" ] || fail "first error"
[ -z "$(broken_suites "$work/missing.log")" ] || fail "no suite is broken"
printf 'one\nconnection refused\n' >"$work/plain.log"
[ "$(failure_cause "$work/plain.log")" = "connection refused" ] || fail "last line"

# Three attempts, then the failure; a step that succeeds on its second try passes.
retry "$work/out.log" sh -c "echo x >>'$work/count'; exit 1" 2>/dev/null && fail "a failing step passed"
[ "$(wc -l <"$work/count")" -eq 3 ] || fail "attempts: $(wc -l <"$work/count")"
rm "$work/count"
retry "$work/out.log" sh -c "echo x >>'$work/count'; [ \$(wc -l <'$work/count') -ge 2 ]" 2>/dev/null || fail "a second try's success"
[ "$(wc -l <"$work/count")" -eq 2 ] || fail "attempts after a success: $(wc -l <"$work/count")"
echo "retry: all cases pass"
