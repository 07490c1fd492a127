#!/usr/bin/env bash
# The built program as a shell starts it. --version and --help answer without a display. Where Qt
# finds no display to open the window on, however it looks for one, the program says so in one
# line, with status 1 instead of Qt's abort and core dump. On an X server of its own, its window
# shows under the title and the class the desktop knows it by, also when started through a link of
# another name, as packaging systems make one.
# Usage: program_test.sh PROGRAM VERSION
set -u
program=$1 version=${2//./\\.}
ulimit -c 0  # should Qt abort after all, no core file is left behind
work=$(mktemp -d)
trap 'kill "$compositor" 2>/dev/null; rm -rf "$work"' EXIT
# A Wayland session's socket, taking connections, with no Wayland plugin in Qt to use it.
python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(); time.sleep(600)' \
  "$work/wayland-0" & compositor=$!
until [ -S "$work/wayland-0" ]; do sleep 0.1; done

# The one line, with what Qt said: its platform layer's messages, or else its own last word.
nowhere() { printf '1\\|\\|orunika: there is no display to open the window on \\(%s[^[:cntrl:]]*\\)' "$1"; }
# seconds|environment|arguments|what "status|stdout|stderr" must match whole, as an extended regex;
# a window that opens stays open until the seconds are up, and every other start ends long before.
# Once it shows, what Qt held back comes out (the plugin loaded), and then what Qt says later.
plugin='Could not find the Qt platform plugin' wayland="XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-0"
cases=(
  "60||--version|0\|Orunika $version\|"
  "60||a-file --help|0\|Orunika is a calculator.*--version, which prints its version\.\|"
  "60||a-file|$(nowhere 'could not connect to display')"                     # no DISPLAY
  "60|DISPLAY=:32123||$(nowhere 'could not connect to display :32123')"      # nothing there
  "60|QT_QPA_PLATFORM=xbc||$(nowhere "$plugin \"xbc\"")"                       # a misspelt platform
  "60|$wayland||$(nowhere "$plugin \"wayland\"")"                               # without its plugin
  "60|QT_QPA_PLATFORM=linuxfb:fb=/nonexistent||$(nowhere 'Cannot create window: no screens')"
  "2|QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=qt.qpa.*=true||124\|\|.*plugin \"offscreen\".*no mouse.*"
)
for case in "${cases[@]}"; do
  IFS="|" read -r seconds environment arguments _ <<<"$case"
  # shellcheck disable=SC2086  # the environment and the arguments are words
  out=$(timeout "$seconds" env -i PATH="$PATH" $environment "$program" $arguments 2>"$work/errors")
  seen="$?|$out|$(cat "$work/errors")"
  printf '%s' "$seen" | grep -Ezxq -- "${case#*|*|*|}" ||
    { echo "FAIL: $environment orunika $arguments: $seen" >&2; exit 1; }
done

ln -s "$program" "$work/calculator"
# shellcheck disable=SC2016  # the inner shell expands these, on the X server
xvfb-run -a env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb bash -c '"$0" 2>/dev/null & program=$!
  timeout 120 xdotool search --sync --all --onlyvisible --name --class "^Orunika$" >/dev/null
  found=$?; kill $program; exit $found' "$work/calculator" ||
  { echo "FAIL: no window titled and classed Orunika on X" >&2; exit 1; }
echo "program: ${#cases[@]} starts, and the window on X, as expected"
