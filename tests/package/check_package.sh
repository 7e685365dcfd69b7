#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a folder of its own, validates its desktop files, starts
# the unpacked program through its bin/kx link from another folder and sees it read its guidance
# picture; runs lintian on the package when lintian is there.
set -euo pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work/root"
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >/dev/null
package=$(ls "$work"/kx_*.deb)
dpkg-deb -x "$package" "$work/root"
[ "$(readlink "$work/root/usr/bin/kx")" = ../libexec/kx/kx ] || { echo "usr/bin/kx is no link to the program"; exit 1; }
desktop-file-validate "$work/root/usr/share/applications/net.kxcalc.kx.desktop"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/net.kxcalc.kx.metainfo.xml"
(cd / && QT_QPA_PLATFORM=offscreen strace -f -e trace=openat -o "$work/trace" timeout 3 "$work/root/usr/bin/kx") || true
grep -q "\"$work/root/usr/libexec/kx/boxALT.jpg\", O_RDONLY[^)]*) = [0-9]" "$work/trace" ||
    { echo "the unpacked program did not read its guidance picture"; exit 1; }
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$package"
else
    echo "lintian is not installed: the package is not checked by it"
fi
echo "$(basename "$package"): unpacked, started through its link, shows its guidance picture"
