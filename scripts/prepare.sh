#!/usr/bin/env bash
# Installs the Debian packages Kx needs that are missing, then configures and builds it into build/.
# Sourced by run.sh and test.sh; quick when everything is already there.
set -euo pipefail

kx_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

kx_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation
)

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

kx_build() {
    local build_dir="$kx_root/build"
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$kx_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build_dir" -j "$(nproc)"
}
