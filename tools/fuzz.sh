#!/bin/bash
# Runs every fuzz target (or those named) for SECONDS each on its corpus in
# fuzz/corpus/, two at a time, with a 5-second limit on any one input (a
# hang is a finding). New inputs that widen coverage are added to the corpus.
# Usage: tools/fuzz.sh SECONDS [TARGET...]      (needs build-fuzz, see fuzz/)
# FUZZ_SEED and FUZZ_RUNS make a run repeatable (a fixed seed and number of
# inputs), as CI wants: the same corpus and binary then try the same inputs.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?seconds per target}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_val fuzz_number_text fuzz_calendar fuzz_planet fuzz_cli_args)
logs=$(mktemp -d)
findings="$top/fuzz/findings"   # inputs that failed, kept for replay (not committed)
mkdir -p "$findings"
status=0
run() {
  local t=$1
  mkdir -p "$top/fuzz/corpus/$t"
  "$top/build-fuzz/fuzz/$t" "$top/fuzz/corpus/$t" -max_total_time="$seconds" -timeout=5 \
    -rss_limit_mb=2048 -print_final_stats=1 ${FUZZ_SEED:+-seed=$FUZZ_SEED} ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} -artifact_prefix="$findings/$t-" > "$logs/$t.log" 2>&1
}
pids=()
for t in "${targets[@]}"; do
  run "$t" & pids+=($!)
  if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}" || status=1; pids=("${pids[@]:1}"); fi
done
for p in "${pids[@]}"; do wait "$p" || status=1; done
for t in "${targets[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$t.log" | grep -o '[0-9]*$')
  if grep -q -E 'ERROR|property failed|timeout' "$logs/$t.log"; then
    echo "$t: FINDING"; grep -E 'ERROR|property failed|what\(\)|SUMMARY|Test unit written' "$logs/$t.log" | head -6
    status=1
  else
    echo "$t: ${runs:-?} inputs, no finding"
  fi
done
rm -rf "$logs"
exit $status
