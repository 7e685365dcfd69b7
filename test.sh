#!/usr/bin/env bash
# Installs what is missing, builds Kx and runs every test, headless: the suite (what a screen reader is
# told and what keys typed through the X server give, on virtual X11 screens; the rest offscreen), the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer, a build after an edit of the form,
# then the Debian package, built and checked.
set -euo pipefail
source "$(dirname "$0")/scripts/prepare.sh"

kx_install_missing "${kx_packages[@]}" "${kx_package_packages[@]}" "${kx_test_packages[@]}"
kx_generate_locales it_IT.UTF-8 de_DE.UTF-8

echo "== Build and test"
kx_build build -DKX_TEST_ON_X11=ON
ctest --test-dir "$kx_root/build" --output-on-failure -j "$(nproc)"

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
kx_build build-asan -DKX_SANITIZE=ON -DKX_BUILD_BENCHMARK=OFF -DKX_TEST_ON_X11=ON
ctest --test-dir "$kx_root/build-asan" --output-on-failure -j "$(nproc)"

echo "== One build after an edit of the form, under Ninja"
"$kx_root/scripts/check-form-build.sh"

echo "== The Debian package, built as Debian builds it, and checked"
"$kx_root/scripts/check-package.sh"
