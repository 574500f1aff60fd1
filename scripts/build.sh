#!/usr/bin/env bash
# Configures and builds Inkharbor. Usage: scripts/build.sh [--sanitize] [--fuzz]
# The ordinary build goes to build/, the sanitizer build to build-asan/,
# the fuzzing build (clang) to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
# Paths relative to the checkout, so clones and worktrees share compiled objects.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
# Debug information names the compiling folder; without this each checkout
# would get a cache of its own.
export CCACHE_NOHASHDIR=1

dir=build
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
case "${1:-}" in
  --sanitize) dir=build-asan; args=(-DCMAKE_BUILD_TYPE=Debug -DINKHARBOR_SANITIZE=ON -DINKHARBOR_BENCH=OFF) ;;
  --fuzz) dir=build-fuzz; args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DINKHARBOR_FUZZ=ON
                               -DINKHARBOR_TESTS=OFF -DINKHARBOR_BENCH=OFF) ;;
  "") ;;
  *) echo "build.sh: unknown option $1" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja "${args[@]}" >/dev/null
cmake --build "$dir"
