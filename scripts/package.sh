#!/usr/bin/env bash
# Builds the Debian package inkharbor_<version>_amd64.deb into the checkout's
# top folder, from the ordinary build in build/ (built first if needed).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
rm -rf build/package inkharbor_*.deb
cpack --config build/CPackConfig.cmake -B build/package >/dev/null
deb=$(ls build/package/inkharbor_*.deb)
mv "$deb" .
echo "package.sh: $(basename "$deb")"
