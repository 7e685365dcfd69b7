#!/usr/bin/env bash
# Makes the upstream tarball that Kx's Debian source package is built from, as a release makes it:
# git archive of a commit, HEAD unless another commit or tree is named, saved as
# kx_<version>.orig.tar.gz with the upstream version of debian/changelog, beside the tree unless
# another folder is named: where dpkg-buildpackage looks for it. It leaves debian/ out, which the
# source package carries in a tarball of its own, as Debian's own packaging.
#   scripts/orig-tarball.sh [commit] [folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
tarball="$(cd "${2:-$root/..}" && pwd)/kx_${version%-*}.orig.tar.gz"
git -C "$root" archive --format=tar.gz --prefix="kx-${version%-*}/" -o "$tarball" "${1:-HEAD}" \
    -- . ':(exclude)debian'
echo "$tarball"
