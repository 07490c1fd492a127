#!/usr/bin/env bash
# The built program as a shell starts it. With no display, --version and --help answer, and the
# window says in one line that it has nowhere to open, with status 1 instead of Qt's abort and core
# dump. On an X server of its own, its window shows under the title and the class the desktop
# knows it by, also when started through a link of another name, as packaging systems make one.
# Usage: program_test.sh PROGRAM VERSION
set -u
program=$1 version=${2//./\\.}
ulimit -c 0  # should Qt abort after all, no core file is left behind

# arguments|what "status|stdout|stderr" must match whole, as one extended regular expression
cases=(
  "--version|0\|Orunika $version\|"
  "a-file --help|0\|Orunika is a calculator.*--version, which prints its version\.\|"
  "a-file|1\|\|orunika: there is no display to open the window on \([^[:cntrl:]]+\)"
)
errors=$(mktemp) links=$(mktemp -d)
trap 'rm -rf "$errors" "$links"' EXIT
for case in "${cases[@]}"; do
  # shellcheck disable=SC2086  # the arguments are words
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        "$program" ${case%%|*} 2>"$errors")
  seen="$?|$out|$(cat "$errors")"
  printf '%s' "$seen" | grep -Ezxq -- "${case#*|}" ||
    { echo "FAIL: orunika ${case%%|*}: $seen" >&2; exit 1; }
done

ln -s "$program" "$links/calculator"
# shellcheck disable=SC2016  # the inner shell expands these, on the X server
xvfb-run -a env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb bash -c '"$0" & program=$!
  timeout 120 xdotool search --sync --all --onlyvisible --name --class "^Orunika$"
  found=$?; kill $program; exit $found' "$links/calculator" ||
  { echo "FAIL: no window titled and classed Orunika on X" >&2; exit 1; }
echo "program: ${#cases[@]} command lines, and the window on X, as expected"
