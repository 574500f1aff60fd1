#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, build-fuzz/) and runs each for SECONDS
# (default 60) from a scratch copy of its seeds in fuzz/corpus/, so the
# repository is never changed. Any crash, hang (10 s per input), leak, memory
# blow-up or sanitizer finding fails; the input that did it is printed in
# base64, ready to become a regression seed.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: text-assembly shortcut
# lists web-search settings; default all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz.sh: SECONDS must be a whole number" >&2; exit 2; }
shift || true
targets=("$@")
((${#targets[@]})) || targets=(text-assembly shortcut lists web-search settings)

./scripts/install-deps.sh
./scripts/build.sh --fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A settings value written as @Variant(...) is decoded by Qt's QDataStream,
# which reserves whatever element count the bytes claim (22 GB from a 300-byte
# file). The program never touches that memory, and where the system refuses
# it Qt leaves the value unreadable; under the sanitizer, though, the shadow of
# such a block is written at once. Refusing blocks over 2 GB, as a system
# without overcommit would, keeps the run honest about real memory use.
# A smaller quarantine of freed blocks (256 MB by default) keeps the targets
# that allocate a megabyte an input (ICU, QUrl) under the RSS limit on long runs.
asan=max_allocation_size_mb=2048:allocator_may_return_null=1:quarantine_size_mb=64

failed=()
summary=()
for name in "${targets[@]}"; do
  binary=build-fuzz/bin/fuzz-$name
  [[ -x "$binary" ]] || { echo "fuzz.sh: no target $name" >&2; exit 2; }
  work=$scratch/$name
  mkdir -p "$work/corpus" "$work/artifacts" "$work/tmp"
  cp -R "fuzz/corpus/$name/." "$work/corpus/"
  dict=()
  [[ -f fuzz/dict/$name.dict ]] && dict=(-dict="fuzz/dict/$name.dict")

  echo "== fuzz-$name for ${seconds}s"
  status=0
  TMPDIR=$work/tmp ASAN_OPTIONS=$asan UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    nice "$binary" "$work/corpus" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
    >"$work/log" 2>&1 || status=$?

  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  summary+=("fuzz-$name: ${runs:-?} runs, exit $status")
  if ((status != 0)) || compgen -G "$work/artifacts/*" >/dev/null; then
    failed+=("$name")
    tail -n 60 "$work/log"
    for artifact in "$work"/artifacts/*; do
      [[ -f "$artifact" ]] || continue
      echo "-- $(basename "$artifact") (base64):"
      base64 "$artifact"
    done
  else
    grep -E '^(#[0-9]+ +DONE|Done [0-9]+ runs)' "$work/log" | tail -1 || true
  fi
done

printf '%s\n' "${summary[@]}"
if ((${#failed[@]})); then
  echo "fuzz.sh: findings in ${failed[*]}" >&2
  exit 1
fi
