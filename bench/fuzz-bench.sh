#!/usr/bin/env bash
# Runs every fuzz target of build/fuzz for a number of executions, one after
# the other, and prints each one's executions, time and result. A finding is
# kept in build/fuzz/findings/ and makes the run fail.
# Usage: bench/fuzz-bench.sh [RUNS]   (default 10000000)
# FUZZ_ARGS adds libFuzzer flags (each target sets its own -max_len; one given
# here wins).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10000000}
dir=$root/build/fuzz/tests/fuzz
findings=$root/build/fuzz/findings
mapfile -t targets < <(find "$dir" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x 2>/dev/null | sort)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz-bench.sh: no fuzz targets in $dir (build them: scripts/build.sh fuzz)" >&2
  exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$findings"
printf '%-22s %12s %9s  %s\n' target executions seconds result
failed=0
for t in "${targets[@]}"; do
  name=$(basename "$t")
  log=$work/$name.log
  start=$(date +%s.%N)
  # shellcheck disable=SC2086
  (cd "$work" && nice -n 10 "$t" -runs="$runs" -print_final_stats=1 -rss_limit_mb=2048 -timeout=60 \
     -artifact_prefix="$findings/$name-" ${FUZZ_ARGS:-}) > "$log" 2>&1
  status=$?
  seconds=$(echo "$(date +%s.%N) - $start" | bc)
  execs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  if [ $status -eq 0 ] && [ "${execs:-0}" -ge "$runs" ]; then
    result="no finding"
  else
    failed=1
    why=$(grep -m1 -E 'ERROR:|SUMMARY:|deadly signal|Test unit written' "$log" || tail -n 1 "$log")
    result="FAILED (status $status): $why"
  fi
  printf '%-22s %12s %9.1f  %s\n' "$name" "${execs:-?}" "$seconds" "$result"
done
exit $failed
