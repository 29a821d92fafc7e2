#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd build
# Half the cores: several tests start the real program or local servers and
# are timing-sensitive under heavy contention. A test that fails is run once
# more before the run fails; its first failure stays in the output.
jobs=$(( $(nproc) / 2 ))
[ "$jobs" -ge 1 ] || jobs=1
ctest --output-on-failure -j"$jobs" --repeat until-pass:2 "$@"
cd ..
# The readers of outside documents are fuzzed for a bounded time (about a
# minute in all, build included); a crash fails the run.
bash scripts/fuzz.sh
