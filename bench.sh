#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and prints one table: load,
# prefix list, search, the peer engine side by side (in process and as batch processes),
# start-up and memory, the first lemma fallback, the hand-over to an open window and the
# share of frequent words found. Measurements
# only: nothing here passes or fails on a duration, and none of it runs under ctest.
# Build directory: build-bench/ (or $VELKARON_BENCH_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build=${VELKARON_BENCH_DIR:-$root/build-bench}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELKARON_BUILD_BENCH=ON -DVELKARON_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target \
  velkaron velkaron-cli velkaron_bench startup_harness startup_probe empty_window_probe load_probe \
  mythes_batch >/dev/null

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
# A runtime folder of its own: the windows started here never reach one of the user's.
export XDG_RUNTIME_DIR="$out"
echo "Mesures en cours (environ deux minutes)…" >&2
"$build/bench/velkaron_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out_format=json --benchmark_out="$out/bench.json" >/dev/null 2>&1
"$build/bench/startup_harness" 15 "$build/app/velkaron" "$build/bench/startup_probe" \
  "$build/bench/empty_window_probe" "$build/bench/load_probe" >"$out/startup.json" 2>/dev/null
python3 "$root/bench/shared_words.py" "$root/data" /usr/share/mythes/thes_fr.idx >"$out/shared.txt"
python3 "$root/bench/batch.py" 11 "$build/app/velkaron" "$build/app/velkaron-cli" "$build/bench/mythes_batch" \
  /usr/share/mythes/thes_fr.idx /usr/share/mythes/thes_fr.dat "$out/shared.txt" \
  "$root/data/sources/opensubtitles-fr/commonWords.json" >"$out/batch.json"
python3 "$root/bench/report.py" "$out/bench.json" "$out/startup.json" "$out/batch.json"
