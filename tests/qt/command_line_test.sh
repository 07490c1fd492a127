#!/usr/bin/env bash
# The built program asked from a shell with no display: --version and --help answer without one,
# and the window, with nowhere to open, says so in one line and exits with status 1 instead of
# Qt's abort and core dump. Usage: command_line_test.sh PROGRAM VERSION
set -u
program=$1 version=${2//./\\.}
ulimit -c 0  # should Qt abort after all, no core file is left behind

# arguments|what "status|stdout|stderr" must match whole, as one extended regular expression
cases=(
  "--version|0\|Orunika $version\|"
  "a-file --help|0\|Orunika is a calculator.*--version, which prints its version\.\|"
  "a-file|1\|\|orunika: there is no display to open the window on \([^[:cntrl:]]+\)"
)
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for case in "${cases[@]}"; do
  # shellcheck disable=SC2086  # the arguments are words
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        "$program" ${case%%|*} 2>"$errors")
  seen="$?|$out|$(cat "$errors")"
  printf '%s' "$seen" | grep -Ezxq -- "${case#*|}" ||
    { echo "FAIL: orunika ${case%%|*}: $seen" >&2; exit 1; }
done
echo "command_line: ${#cases[@]} cases as expected"
