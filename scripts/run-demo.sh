#!/usr/bin/env bash
# Builds the suite, generates the demo data (a synthetic proof test) and shows it.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

mkdir -p demo
./build/apps/aetool/aetool gen --format dta --hits 2000 --seed 7 -o demo/PROOF.DTA
./build/apps/aetool/aetool dump demo/PROOF.DTA
