#!/usr/bin/env bash
# Installs the Debian packages Kx needs that are missing, and configures and builds it.
# Sourced by run.sh and test.sh; quick when everything is already there.
set -euo pipefail

kx_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# kx_listed_packages <file> <field>: the packages a field of a Debian control file lists, one a line.
kx_listed_packages() {
    sed -n "/^$2:/,/^[^ ]/s/^ \\([a-z0-9][a-z0-9.+-]*\\).*/\\1/p" "$kx_root/$1"
}

# To build and run the program: g++ and make, which Debian's packages take as given, and the
# Build-Depends of debian/control but debhelper, which only the package's build needs.
kx_packages=(g++ make)
while read -r package; do
    kx_packages+=("$package")
done < <(kx_listed_packages debian/control Build-Depends | grep -vx 'debhelper-compat')
# To build the Debian package as Debian does and check it (scripts/check-package.sh), which runs the
# package's autopkgtest on the unpacked package: what debian/tests/control lists but the package.
kx_package_packages=(build-essential debhelper dpkg-dev devscripts lintian desktop-file-utils appstream strace)
while read -r package; do
    kx_package_packages+=("$package")
done < <(kx_listed_packages debian/tests/control Depends)
# To test, on a virtual X11 screen, what a screen reader is told (an accessibility bus) and what keys
# typed through the X server give (XTest, keyboard layouts, the locales they are typed in); and a
# build with Ninja after an edit of the form.
kx_test_packages=(xvfb dbus at-spi2-core libglib2.0-bin libxcb-xtest0-dev x11-xkb-utils locales ninja-build)

kx_install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # Another install running at the same time holds the lock: wait for it rather than fail.
    local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900)
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# kx_generate_locales <locale>...: the C library's locales, made where they are missing, so that a
# program started in one reads and types as a user's would.
kx_generate_locales() {
    local missing=()
    local locale
    for locale in "$@"; do
        locale -a | grep -qix "${locale%.UTF-8}\.utf-\?8" || missing+=("$locale")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Generating the locales: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    for locale in "${missing[@]}"; do
        "${sudo[@]}" sed -i "s/^# *\($locale UTF-8\)/\1/" /etc/locale.gen
    done
    "${sudo[@]}" locale-gen >/dev/null
}

# kx_build <folder> [cmake options...]: configures once, then builds. With KX_WERROR=1 (as CI
# sets it) a warning fails the build.
kx_build() {
    local build_dir="$kx_root/$1"
    shift
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$kx_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_COMPILE_WARNING_AS_ERROR="${KX_WERROR:-0}" "$@" >/dev/null
    fi
    cmake --build "$build_dir" -j "$(nproc)"
}
