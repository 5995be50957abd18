#!/usr/bin/env bash
# Sets everything up and runs every test: native unit tests, the brief fuzz
# runs, and the tests of the Windows program under Wine for each architecture
# this machine can run. Both Windows trees are built everywhere, so a build
# failure of either fails the run. VELLUMO_WIN64_ONLY=1 skips the 32-bit ones.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
"$root/tools/setup-deps.sh"
"$root/scripts/build.sh" native win32 win64 fuzz

trees=(native fuzz)
for arch in win32 win64; do
  bits=${arch#win}
  if vellumo_wine_can_run "$arch"; then
    trees+=("$arch")
    echo "== $bits-bit Windows tests: run under $(vellumo_wine_loader "$arch")"
  else
    echo "== $bits-bit Windows tests skipped: $VELLUMO_WINE_WHY"
  fi
done
if [ ${#trees[@]} -eq 2 ]; then
  echo "test.sh: no Windows tests can run on this machine; nothing of the program was tested" >&2
  exit 1
fi

status=0
summary=()
passed=0 failed=0
log=$(mktemp "${TMPDIR:-/tmp}/vellumo-ctest.XXXXXX")
export VELLUMO_RERUN_LOG
VELLUMO_RERUN_LOG=$(mktemp "${TMPDIR:-/tmp}/vellumo-rerun.XXXXXX")
trap 'rm -f "$log" "$VELLUMO_RERUN_LOG"' EXIT
for t in "${trees[@]}"; do
  echo "== tests: $t"
  start=$(date +%s)
  result=passed
  ctest --test-dir "$root/build/$t" --output-on-failure -j 2 2>&1 | tee "$log" ||
    { status=1; result=FAILED; }
  # "N% tests passed, F tests failed out of T"
  if read -r f total < <(sed -n 's/.* \([0-9]*\) tests failed out of \([0-9]*\)$/\1 \2/p' "$log"); then
    passed=$((passed + total - f)) failed=$((failed + f))
  else
    status=1 result="FAILED (no test ran)"
  fi
  summary+=("$(printf '%-7s %-7s %4d s' "$t" "$result" $(( $(date +%s) - start )))")
done
echo "== summary (ctest entries; each Windows driver holds many cases)"
printf '%s\n' "${summary[@]}"
if [ -s "$VELLUMO_RERUN_LOG" ]; then
  echo "== cases that passed only on their second run (Wine's input lost something)"
  cat "$VELLUMO_RERUN_LOG"
fi
echo "$passed passed, $failed failed"
exit $status
