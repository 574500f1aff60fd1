#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test (unit, widget and
# end-to-end under Xvfb). Extra arguments go to ctest, e.g. -L unit.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
ctest --test-dir build --output-on-failure --no-tests=error "$@"
