#!/usr/bin/env bash
# Reads the compiled Windows resource back as text, as Explorer would read the program file, and
# checks the icon and every version field against the values the record has always had.
# Usage: resource_test.sh WINDRES RES_FILE
set -euo pipefail
windres=$1 res=$2

text=$("$windres" --input-format=res --output-format=rc -i "$res")
failures=0
expect() {
  if ! grep -qxF -- "$1" <<<"$text"; then
    echo "FAIL: no line '$1' in $res" >&2
    failures=$((failures + 1))
  fi
}

expect ' FILEVERSION 3, 0, 0, 1'
expect ' PRODUCTVERSION 3, 0, 0, 1'
expect ' FILEOS 0x4'
expect ' FILETYPE 0x1'
expect 'LANGUAGE 17, 1'
expect '    BLOCK "041104B0"'
expect '      VALUE "FileVersion", "3.00.0001"'
expect '      VALUE "ProductVersion", "3.00.0001"'
expect '      VALUE "ProductName", "Orunika Version3.0.0"'
expect '      VALUE "FileDescription", "Orunika"'
expect '      VALUE "OriginalFilename", "orunika.exe"'
expect '      VALUE "InternalName", "orunika"'
expect '    VALUE "Translation", 0x411, 1200'
# Icon group 1 holding the window's 16 and 32 pixel globes (sizes in octal).
expect '1 14 /* RT_GROUP_ICON */ MOVEABLE DISCARDABLE'
grep -qF '"\020\020\000\000", 1, 32,' <<<"$text" || { echo "FAIL: no 16x16 icon" >&2; failures=$((failures + 1)); }
grep -qF '"\040\040\000\000", 1, 32,' <<<"$text" || { echo "FAIL: no 32x32 icon" >&2; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then
  grep -v '^  0x' <<<"$text" >&2
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "windows resource: all fields as expected"
