#!/usr/bin/env bash
# Installs what is missing, builds Kx and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/prepare.sh"

kx_install_missing "${kx_packages[@]}"
kx_build build >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kx needs a graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
exec "$kx_root/build/kx"
