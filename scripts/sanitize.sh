#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs the unit
# tests; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh --sanitize
ctest --test-dir build-asan --output-on-failure --no-tests=error -L unit "$@"
