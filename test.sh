#!/usr/bin/env bash
# Installs what is missing, builds Kx and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/scripts/prepare.sh"

kx_install_missing "${kx_packages[@]}"
kx_build
ctest --test-dir "$kx_root/build" --output-on-failure -j "$(nproc)"
