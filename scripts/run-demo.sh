#!/usr/bin/env bash
# Builds the suite, generates the demo data (a synthetic pressure-vessel proof test), describes
# it, evaluates it (hit statistics and MONPAC), filters it with a stored filter, renders the
# viewer's pages of it and writes its test report (demo/report.pdf); then generates a located
# test from the sensor layout of resources/LocationDemo.ini, locates its events and renders the
# location pages. The demo uses its own table store, demo/ZTData.sqlite, so it never touches the
# user's.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

aetool=./build/apps/aetool/aetool
export ZTDATA_DB="$PWD/demo/ZTData.sqlite"
mkdir -p demo
rm -rf demo/PROOF.DTA demo/PROOF-F.DTA demo/Protocol.txt demo/pages demo/report.pdf demo/LOCATED.DTA \
  demo/located.csv demo/location-pages

echo "== Generating demo/PROOF.DTA"
$aetool gen --format dta --hits 20000 --seed 7 -o demo/PROOF.DTA
$aetool describe demo/PROOF.DTA

echo "== Hit statistics and MONPAC of channels 1-8"
$aetool stat demo/PROOF.DTA --channels 1-8

echo "== Filtering with resources/filters/amplitude-45-100.txt"
fid=$($aetool filter --save "Demo: amplitude 45-100 dB" --from resources/filters/amplitude-45-100.txt)
$aetool filter --fid "$fid" --report-dir demo demo/PROOF.DTA demo/PROOF-F.DTA
echo "== Report block (demo/Protocol.txt)"
cat demo/Protocol.txt

echo "== The viewer's \"Proof test\" pages of demo/PROOF.DTA (demo/pages)"
$aetool render demo/PROOF.DTA --graph-set "Proof test" -o demo/pages

echo "== The test report of demo/PROOF.DTA (demo/report.pdf)"
$aetool report demo/PROOF.DTA --graph-set "Proof test" -o demo/report.pdf --title "Demo vessel: proof test"

echo "== A located test: demo/LOCATED.DTA, 2000 events on the 4 sensors of resources/LocationDemo.ini"
$aetool gen --locate resources/LocationDemo.ini --hits 2000 --seed 7 -o demo/LOCATED.DTA
$aetool locate demo/LOCATED.DTA --setup resources/LocationDemo.ini >demo/located.csv
echo "$(($(wc -l <demo/located.csv) - 1)) events located (demo/located.csv); the first of them:"
head -4 demo/located.csv
echo "== The viewer's \"Location\" pages of demo/LOCATED.DTA (demo/location-pages)"
$aetool render demo/LOCATED.DTA --graph-set "Location" --setup resources/LocationDemo.ini -o demo/location-pages

echo
echo "Start the filter program on the demo file with:"
echo "  ZTDATA_DB=demo/ZTData.sqlite build/apps/Zmfwin/Zmfwin demo/PROOF.DTA"
echo "Start the viewer on the demo file with:"
echo "  ZTDATA_DB=demo/ZTData.sqlite build/apps/ZmvWin2/ZmvWin2 demo/PROOF.DTA"
echo "and on the located test (Data, Test setup.., Open resources/LocationDemo.ini, OK; the graph set"
echo "\"Location\" in Setup, Graph data base..) with:"
echo "  ZTDATA_DB=demo/ZTData.sqlite build/apps/ZmvWin2/ZmvWin2 demo/LOCATED.DTA"
