#!/usr/bin/env bash
# Checks the layout of every source, then builds and runs every test twice: a normal build, and
# one with AddressSanitizer and UndefinedBehaviorSanitizer; then runs every fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)

# One layout for every source, before anything is built.
scripts/check-format.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAE_SANITIZE=ON -DAE_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The fuzz targets: built with clang, each run for a short fixed time and on every input kept
# in tests/fuzz/regressions/. A finding fails the run.
scripts/fuzz.sh --seconds 30 --parallel "$jobs"

echo "All tests passed (normal and sanitizer builds, fuzz targets)."
