#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each one for a while, one after the
# other, from its committed seeds (new inputs go to a scratch folder, never into fuzz/).
# Exits non-zero at the first finding; the input that caused it is kept as
# <build>/findings/<target>/crash-… (or leak-…, timeout-…) to become a regression test.
#
#   fuzz/run.sh [SECONDS] [TARGET…]    default: 20 seconds for each of the six targets
#
# Build folder: build-fuzz/ (or $VELKARON_FUZZ_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKARON_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-20}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_parse_letter fuzz_folding fuzz_prefix_lookup fuzz_definition_order fuzz_cli fuzz_selection)

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELKARON_FUZZ=ON -DVELKARON_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}" >/dev/null

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
  findings="$build/findings/$target"
  mkdir -p "$findings" "$scratch/$target"
  log="$scratch/$target.log"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
      -artifact_prefix="$findings/" "$scratch/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$target : FINDING, input kept in $findings/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target : $runs executions in ${seconds} s, no finding"
done
