#!/usr/bin/env bash
# Checks the Debian package that tools/release made with lintian, then installs it as a user would,
# opens the installed program on a virtual X server and removes the package again: the build tree
# can hide a file the package forgot. Usage: deb_install_test.sh DIST_DIR VERSION. Exits 77
# (skipped) with no package made, and after lintian where it must not touch the system.
set -euo pipefail
dist=$1 version=$2
deb=$dist/orunika_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "SKIP: no $deb: tools/release makes it" >&2; exit 77; }
lintian --fail-on error,warning "$deb"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package with apt-get needs root" >&2
  exit 77
fi
# Other build folders may run this test at the same time, and there is one system to install the
# package into: they take turns, until CTest's own timeout.
exec 9>/tmp/orunika-deb-install.lock
flock 9
if [ "$(dpkg-query -W -f='${db:Status-Status}' orunika 2>/dev/null)" = installed ]; then
  echo "SKIP: orunika is installed already and this test would remove it" >&2
  exit 77
fi

apt=(env DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=120)
trap '"${apt[@]}" remove orunika >/dev/null 2>&1 || true' EXIT

"${apt[@]}" install "$deb" >/dev/null

dpkg-query -W -f='${Depends}\n' orunika | grep -E 'fonts-ipafont-gothic' | grep -E 'libqt6widgets6'
test -x /usr/bin/orunika
test -f /usr/share/applications/orunika.desktop
test -f /usr/share/metainfo/org.orunika.Orunika.metainfo.xml
for size in 16 32; do
  test "$(identify -format '%wx%h' /usr/share/icons/hicolor/${size}x$size/apps/orunika.png)" = "${size}x$size"
done

# shellcheck disable=SC2016  # the inner shell expands these, on the virtual display
xvfb-run -a bash -c '
  /usr/bin/orunika & program=$!
  timeout 120 xdotool search --sync --onlyvisible --name "^Orunika$" || { kill $program; exit 1; }
  kill $program; wait $program || true'

"${apt[@]}" remove orunika >/dev/null
test ! -e /usr/bin/orunika
echo "deb_install: $deb installed, opened and removed"
