#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, writes their seed corpus, replays every input kept
# in tests/fuzz/regressions/TARGET/, then fuzzes each target for the given time. A finding (a
# crash, a sanitizer report, a broken property, an input over 5 s or 2 GB) fails the run; the
# input is kept in build-fuzz/findings/. The corpus grows in build-fuzz/corpus/ from run to run.
#
#   scripts/fuzz.sh [--seconds N] [--parallel P] [TARGET...]
#
# N seconds per target (default 30), P targets at a time (default 1), all targets by default.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=30
parallel=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --parallel) parallel=$2; shift 2 ;;
    -h|--help) sed -n '2,10p' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
all=(fuzz_dta_reader fuzz_spartan3000_reader fuzz_aline_pci_reader fuzz_aline_isa_reader
  fuzz_data_set fuzz_filter_text fuzz_filter_expression)
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

build=build-fuzz
jobs=$(nproc 2>/dev/null || echo 2)
CC=${FUZZ_CC:-clang} CXX=${FUZZ_CXX:-clang++} \
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAE_FUZZ=ON >/dev/null
cmake --build "$build" -j "$jobs" --target fuzz_seeds "${targets[@]}"

bin="$build/tests/fuzz"
rm -rf "$build/seeds"
"$bin/fuzz_seeds" "$build/seeds"
mkdir -p "$build/findings" "$build/logs"

limits=(-rss_limit_mb=2048 -malloc_limit_mb=2048 -timeout=5)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()

# Every input that once found a fault, run once each.
for t in "${targets[@]}"; do
  dir=tests/fuzz/regressions/$t
  [ -d "$dir" ] || continue
  mapfile -t inputs < <(find "$dir" -type f ! -name '.*' | sort)
  [ ${#inputs[@]} -eq 0 ] && continue
  if "$bin/$t" "${limits[@]}" "${inputs[@]}" >"$build/logs/$t.regressions.log" 2>&1; then
    echo "$t: ${#inputs[@]} regression inputs pass"
  else
    echo "$t: a regression input fails, see $build/logs/$t.regressions.log" >&2
    failed+=("$t (regressions)")
  fi
done

run() {
  local t=$1
  mkdir -p "$build/corpus/$t"
  "$bin/$t" "${limits[@]}" -max_len=65536 -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$t-" "$build/corpus/$t" "$build/seeds/$t" >"$build/logs/$t.log" 2>&1
}

summary() {
  local t=$1 status=$2 log="$build/logs/$1.log"
  local execs cov
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' || true)
  printf '%-26s %s  executions: %s  %s\n' "$t" "$status" "${execs:-?}" "${cov:-}"
}

pending=("${targets[@]}")
while [ ${#pending[@]} -gt 0 ]; do
  batch=("${pending[@]:0:$parallel}")
  pending=("${pending[@]:$parallel}")
  pids=()
  for t in "${batch[@]}"; do
    run "$t" &
    pids+=($!)
  done
  for i in "${!batch[@]}"; do
    t=${batch[$i]}
    if wait "${pids[$i]}"; then
      summary "$t" "ok     "
    else
      summary "$t" "FINDING"
      grep -E 'ERROR|SUMMARY|violated|Test unit written' "$build/logs/$t.log" | head -5 >&2 || true
      failed+=("$t")
    fi
  done
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $build/findings/, logs in $build/logs/)" >&2
  exit 1
fi
echo "Fuzzing found nothing (${seconds} s per target)."
