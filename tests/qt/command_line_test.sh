#!/usr/bin/env bash
# The built program asked from a shell with no display: --version and --help answer without one,
# and the window, with nowhere to open, says so in one line and exits with status 1 instead of
# Qt's abort and core dump. Usage: command_line_test.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
ulimit -c 0  # should Qt abort after all, no core file is left behind

no_window='^orunika: there is no display to open the window on \(.+\)$'
# status | what stdout must match | what the one line of stderr must match (empty: no stderr)
#        | environment on top of a shell with no display | arguments
cases=(
  "0|^Orunika ${version//./\\.}\$|||--version"
  "0|^Orunika ${version//./\\.}\$|||a-file --version"
  "0|^Orunika is a calculator.* --version, which prints its version\.$|||--help"
  "1|^$|$no_window||"
  "1|^$|$no_window||a-file"
  "1|^$|$no_window|DISPLAY=:32123|"
  "1|^$|$no_window|QT_QPA_PLATFORM=xcb|"
  "1|^$|$no_window|WAYLAND_DISPLAY=/nonexistent/wayland-0|"
  "1|^$|$no_window|XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=/nonexistent|"
)

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
failures=0
for case in "${cases[@]}"; do
  IFS='|' read -r status stdout stderr environment arguments <<<"$case"
  # shellcheck disable=SC2086  # the environment and the arguments are words
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
            -u XDG_SESSION_TYPE $environment "$program" $arguments 2>"$errors")
  seen=$?
  err=$(cat "$errors")
  lines=$(printf '%s' "$err" | grep -c '')
  flat=$(printf '%s' "$out" | tr '\n' ' ' | sed 's/ $//')
  if [ "$seen" != "$status" ] || ! grep -Eq -- "$stdout" <<<"$flat" ||
     { [ -z "$stderr" ] && [ -n "$err" ]; } ||
     { [ -n "$stderr" ] && { [ "$lines" != 1 ] || ! grep -Eq -- "$stderr" <<<"$err"; }; }; then
    echo "FAIL: $environment orunika $arguments: status $seen, stdout '$out', stderr '$err'" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "command_line: ${#cases[@]} cases as expected"
