#!/usr/bin/env bash
# Runs the wrap dump built on the patched and on the untouched Scintilla and
# fails unless both ran to the end and every display line starts alike.
# Usage: wrap-compare.sh PATCHED.exe PRISTINE.exe
set -uo pipefail
run=$(cd "$(dirname "$0")/../.." && pwd)/scripts/wine-run.sh
status=0
for exe in "$1" "$2"; do
  dump=$(basename "$exe" .exe).txt
  rm -f "$dump"
  "$run" "$exe" "$dump" || { echo "wrap-compare: $(basename "$exe") failed"; status=1; }
  [ "$(tail -n 1 "$dump" 2>/dev/null)" = end ] || { echo "wrap-compare: $dump is missing or cut short"; status=1; }
done
[ $status -eq 0 ] || exit 1
a=$(basename "$1" .exe).txt b=$(basename "$2" .exe).txt
if ! cmp -s "$a" "$b"; then
  echo "wrap-compare: the display lines differ (first differences, patched < > untouched):"
  diff "$a" "$b" | head -n 20
  exit 1
fi
echo "wrap-compare: $(grep -c '^code page' "$a") layouts, $(wc -l <"$a") lines: equal"
