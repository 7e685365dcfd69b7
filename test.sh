#!/usr/bin/env bash
# Installs what is missing, builds Kx and runs every test, headless: the suite, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a short pass of each fuzz target.
set -euo pipefail
source "$(dirname "$0")/scripts/prepare.sh"

kx_install_missing "${kx_packages[@]}" "${kx_test_packages[@]}"
kx_install_missing "${kx_fuzz_packages[@]}" || echo "Could not install clang: the fuzz targets will not run."

echo "== Build and test"
kx_build build
ctest --test-dir "$kx_root/build" --output-on-failure -j "$(nproc)"

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
kx_build build-asan -DKX_SANITIZE=ON -DKX_BUILD_BENCHMARK=OFF
ctest --test-dir "$kx_root/build-asan" --output-on-failure -j "$(nproc)"

echo "== A short pass of each fuzz target"
"$kx_root/scripts/fuzz.sh" 20000
