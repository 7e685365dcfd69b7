#!/usr/bin/env bash
# Installs the Debian packages Kx needs that are missing, and configures and builds it.
# Sourced by run.sh and test.sh; quick when everything is already there.
set -euo pipefail

kx_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# To build and run the program.
kx_packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation
)
# To check what the tests check: the desktop files' validators.
kx_test_packages=(desktop-file-utils appstream dpkg-dev lintian strace)

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
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
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
