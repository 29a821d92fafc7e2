#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd build
# Every test runs once: a failure fails the run.
ctest --output-on-failure -j"$(nproc)" "$@"
cd ..
# The readers of outside documents are fuzzed for a bounded time (about a
# minute in all, build included); a crash fails the run.
bash scripts/fuzz.sh
