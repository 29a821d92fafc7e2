#!/usr/bin/env bash
# Builds the fuzz targets of the readers (clang 14, libFuzzer, address and
# undefined-behaviour checks) and runs each for a bounded time, in parallel,
# from the seed corpus the tests write. Called by scripts/test.sh after the
# tests (it needs build/tests/tst_fileformats and tst_ranking).
#   FUZZ_SECONDS  time for each target (default 40)
# An input that crashes a reader is left in build-fuzz/crashes/ and the
# script fails; keep it under tests/fileformats/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-40}
out=build-fuzz
targets=(docx odt rtf zip ranking)

CC=clang-14 CXX=clang++-14 cmake -S . -B "$out" -G Ninja -DPENLARK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j3

rm -rf "$out/seeds" "$out/crashes"
mkdir -p "$out/crashes"
export QT_QPA_PLATFORM=offscreen
# Qt's font set-up keeps a few bytes to the end of the process; reader
# warnings about odd encodings are expected on fuzzed input.
export ASAN_OPTIONS=detect_leaks=0 QT_LOGGING_RULES="*.debug=false;*.warning=false"
PENLARK_FUZZ_SEEDS="$PWD/$out/seeds" build/tests/tst_fileformats fuzzSeeds >/dev/null
PENLARK_FUZZ_SEEDS="$PWD/$out/seeds" build/tests/tst_ranking fuzzSeeds >/dev/null
for target in "${targets[@]}"; do
  mkdir -p "$out/corpus/$target" "$out/seeds/$target"
  # Earlier crash inputs are seeds too, so they are tried first.
  if [ -d "tests/fileformats/crashes/$target" ]; then
    cp tests/fileformats/crashes/"$target"/* "$out/seeds/$target/" 2>/dev/null || true
  fi
done

pids=()
for target in "${targets[@]}"; do
  "$out/fuzz/fuzz_$target" "$out/corpus/$target" "$out/seeds/$target" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$out/crashes/$target-" -print_final_stats=1 >"$out/fuzz_$target.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  if ! wait "${pids[$i]}"; then
    failed=1
    echo "fuzz: ${targets[$i]} failed; input and log:" >&2
    ls "$out/crashes/" >&2
    tail -n 40 "$out/fuzz_${targets[$i]}.log" >&2
  fi
done
for target in "${targets[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/fuzz_$target.log" | tail -n 1 | grep -o '[0-9]*$' || echo 0)
  echo "fuzz: $target: $runs inputs in ${seconds}s"
done
exit $failed
