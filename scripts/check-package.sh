#!/usr/bin/env bash
# Builds Kx's Debian packages the way Debian does, from a copy of this tree and its upstream tarball,
# and checks them as a reviewer would: a second build, elsewhere, otherwise set up and from the tree
# alone, gives the same bytes; lintian, every tag on, on the source and the binaries; the desktop
# file and metainfo; the program's hardening and its lack of a search path; the unpacked program,
# started as kx from another folder, reading its pictures; and the package's autopkgtest, run on the
# unpacked program.
# Run by test.sh after the suite; the work goes to build/package unless another folder is given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${1:-$root/build/package}"
rm -rf "$work" && mkdir -p "$work/root"

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# copy_tree <folder> [touch option]: the tree as it stands, committed or not, less what git ignores,
# so that no build folder goes in and the package's build leaves nothing behind in the tree.
copy_tree() {
    mkdir -p "$1"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard --deduplicate) |
        while IFS= read -r -d '' file; do
            if [ -e "$root/$file" ]; then printf '%s\0' "$file"; fi
        done |
        tar -C "$root" --null --files-from=- -cf - | tar -C "$1" -xf -
    if [ $# -gt 1 ]; then
        find "$1" -exec touch --no-dereference "$2" {} +
    fi
}

# build_packages <folder> [option]: builds the packages of the copy in <folder>/kx into <folder>,
# with dpkg-buildpackage's option, such as -b.
build_packages() {
    if ! (cd "$1/kx" && dpkg-buildpackage -us -uc -j"$(nproc)" "${@:2}") >"$1/build.log" 2>&1; then
        tail -n 60 "$1/build.log"
        fail "the package does not build"
    fi
}

copy_tree "$work/first/kx"
# Its upstream tarball, as a release makes it, of the tree as it stands: the tree that a throwaway
# index holds, which leaves git's own index alone.
index="$work/index"
GIT_INDEX_FILE="$index" git -C "$root" read-tree HEAD
GIT_INDEX_FILE="$index" git -C "$root" add --all
tree=$(GIT_INDEX_FILE="$index" git -C "$root" write-tree)
"$root/scripts/orig-tarball.sh" "$tree" "$work/first" >/dev/null
# The second copy as an old checkout: every file older than any changelog entry.
copy_tree "$work/second-build/kx" --date=2000-01-01

echo "== Building the Debian source and binary packages (log: $work/first/build.log)"
# In the C.UTF-8 locale, in UTC and with the umask 022, as Debian's build daemons build. As in the
# suite's build, CI fails on a warning, here with Debian's flags.
(
    umask 0022
    export LC_ALL=C.UTF-8 TZ=UTC0
    if [ "${KX_WERROR:-0}" = 1 ]; then
        export DEB_CXXFLAGS_MAINT_APPEND=-Werror
    fi
    build_packages "$work/first"
)
grep -E '^(dpkg-source: info: building|dpkg-deb: building package|[0-9]+% tests passed)' "$work/first/build.log"
changes=$(echo "$work"/first/kx_*.changes)
package=$(echo "$work"/first/kx_*.deb)
[ -f "$changes" ] && [ -f "$package" ] || fail "no kx package was built"
[ -f "$(echo "$work"/first/kx_*.dsc)" ] || fail "no source package was built"
[ -f "$(echo "$work"/first/kx-dbgsym_*.deb)" ] || fail "no package of debugging symbols was built"

# Built again from the same tree in a folder of another name and length, later, without the tests
# and without -Werror, in another locale, time zone and umask, as reprotest would vary them, and
# with no upstream tarball, as from a plain clone: every byte the same.
echo "== Built a second time, elsewhere, otherwise set up, without the tests: the same packages"
(
    umask 0002
    export LC_ALL=it_IT.UTF-8 TZ=KXT-14 # fourteen hours ahead of UTC
    unset DEB_CXXFLAGS_MAINT_APPEND
    export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }nocheck"
    build_packages "$work/second-build" -b
)
for deb in "$work"/first/*.deb; do
    again="$work/second-build/$(basename "$deb")"
    if ! cmp -s "$deb" "$again"; then
        mkdir -p "$work/differ/first" "$work/differ/second"
        dpkg-deb -R "$deb" "$work/differ/first" && dpkg-deb -R "$again" "$work/differ/second"
        diff -r "$work/differ/first" "$work/differ/second" || true
        diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$again") || true
        fail "$(basename "$deb") differs between two builds"
    fi
done
sha256sum "$work"/first/*.deb "$work"/second-build/*.deb

echo "== lintian, every tag on: no error, warning or information"
lintian -EIL +pedantic --fail-on error,warning,info "$changes" ||
    fail "lintian finds errors, warnings or information"

dpkg-deb -x "$package" "$work/root"
echo "== The desktop file and the metainfo"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop || fail "the desktop file is not valid"
appstreamcli validate --no-net --pedantic "$work"/root/usr/share/metainfo/*.metainfo.xml ||
    fail "the metainfo is not valid"

program="$work/root/usr/lib/kx/kx"
echo "== Hardening"
# Demanded: PIE, the stack protector, RELRO and BIND_NOW. Fortify is on, but the program's copies go
# through Qt and the standard library with sizes known only at run time, so it finds no call to
# check; Debian 12's flags have no control-flow protection.
hardening-check --nofortify --nocfprotection "$program" || fail "the program lacks a hardening feature"
if readelf -d "$program" | grep -E 'R(UN)?PATH'; then
    fail "the program carries a library search path"
fi

echo "== Started as kx from another folder"
[ "$(readlink "$work/root/usr/bin/kx")" = ../lib/kx/kx ] || fail "usr/bin/kx is no link to ../lib/kx/kx"
# reads_picture <locale> <picture>: kx, started in the locale, reads the picture from its own folder.
# Entering its first field, the program shows that field's picture, drawn in the window's language.
# It runs until that read is seen, it ends, or a minute has passed.
reads_picture() {
    local read="\"$work/root/usr/lib/kx/$2\", O_RDONLY[^)]*) = [0-9]"
    (cd / && LANGUAGE= LC_ALL="$1" PATH="$work/root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
        strace -f -e trace=openat -o "$work/trace" sh -c 'echo $$ >"$0"; exec kx' "$work/kx.pid") \
        >"$work/kx.log" 2>&1 &
    local traced=$!
    for _ in $(seq 600); do
        grep -q "$read" "$work/trace" 2>/dev/null && break
        kill -0 "$traced" 2>/dev/null || break
        sleep 0.1
    done
    kill "$(cat "$work/kx.pid")" 2>/dev/null || true
    wait "$traced" || true
    grep -q "$read" "$work/trace"
}
reads_picture C.UTF-8 boxALT.jpg || fail "kx did not read its guidance picture from usr/lib/kx"
reads_picture de_DE.UTF-8 de/boxALT.jpg || fail "kx in German did not read its German guidance picture"

echo "== The package's autopkgtest, on the unpacked program: a calculation typed into its window"
if ! PATH="$work/root/usr/bin:$PATH" "$work/first/kx/debian/tests/calculation" 2>"$work/autopkgtest.log"; then
    cat "$work/autopkgtest.log" >&2
    fail "the autopkgtest fails on the unpacked program"
fi

echo "$(basename "$package"): builds, passes lintian, validates, hardened, no search path, finds its" \
    "pictures in Italian and German, passes its autopkgtest"
