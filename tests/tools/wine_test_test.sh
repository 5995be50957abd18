#!/usr/bin/env bash
# scripts/wine-test.sh against a stand-in wine-run.sh that writes the report
# a scenario asks for: a case that fails once and then passes is run again
# alone and counts, and logged; one that fails twice, too many failed cases,
# and a program that crashed (no report) fail.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/wine-test.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/wine-test-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# Stand-in: argument 1 is the program; the scenario decides, per run, which
# cases fail (FAIL1 on the first run, FAIL2 on the re-run) and records the
# arguments of each run.
cat >run <<'S'
#!/usr/bin/env bash
shift
report="" filter=""
for a; do
  case $a in --gtest_output=xml:*) report=${a#--gtest_output=xml:} ;;
             --gtest_filter=*) filter=${a#--gtest_filter=} ;; esac
done
echo "$*" >>calls
[ "$SCENARIO" = crash ] && exit 3
fails=$FAIL1; [ -n "$filter" ] && fails=$FAIL2
{ echo '<testsuites>'
  for c in A.one A.two B.three; do
    echo "<testcase name=\"${c#*.}\" status=\"run\" classname=\"${c%%.*}\">"
    case " $fails " in *" $c "*) echo '<failure message="lost a click" />' ;; esac
    echo '</testcase>'
  done
  echo '</testsuites>'; } >"$report"
[ -z "$fails" ]
S
chmod +x run
export VELLUMO_WINE_RUN=$work/run VELLUMO_RERUN_LOG=$work/log

failures=0
check() {  # what, expected status, scenario vars...
  local what=$1 want=$2; shift 2
  rm -f calls log
  env "$@" "$script" t.xml prog.exe --extra >out 2>&1
  local got=$?
  if [ $got -ne "$want" ]; then
    echo "FAIL: $what: status $got, want $want"; cat out; failures=$((failures + 1))
  fi
}

check "all pass" 0 SCENARIO=ok FAIL1= FAIL2=
[ "$(wc -l <calls)" -eq 1 ] || { echo "FAIL: all pass ran $(wc -l <calls) times"; failures=$((failures + 1)); }

check "fails once" 0 SCENARIO=ok "FAIL1=A.two" FAIL2=
grep -q -- "--gtest_filter=A.two --extra" calls ||
  { echo "FAIL: the re-run was not of A.two alone"; cat calls; failures=$((failures + 1)); }
grep -q "A.two failed once, passed on the second run" log ||
  { echo "FAIL: the re-run's pass was not logged"; failures=$((failures + 1)); }

check "fails twice" 1 SCENARIO=ok "FAIL1=A.two B.three" "FAIL2=B.three"
[ ! -s log ] || { echo "FAIL: a second failure was logged as a pass"; failures=$((failures + 1)); }

check "too many" 1 SCENARIO=ok "FAIL1=A.one A.two B.three" FAIL2=
[ "$(wc -l <calls)" -eq 1 ] || { echo "FAIL: three failures were run again"; failures=$((failures + 1)); }

check "crash" 3 SCENARIO=crash FAIL1= FAIL2=
[ "$(wc -l <calls)" -eq 1 ] || { echo "FAIL: a crash was run again"; failures=$((failures + 1)); }

[ $failures -eq 0 ] && echo "wine-test.sh: all scenarios behave"
exit $((failures > 0))
