#!/usr/bin/env bash
# Sets everything up and runs every test: native unit tests, the brief fuzz
# runs, and the end-to-end tests of the Windows program under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-deps.sh"
"$root/scripts/build.sh" native win32 fuzz
status=0
for t in native fuzz win32; do
  echo "== tests: $t"
  ctest --test-dir "$root/build/$t" --output-on-failure -j 2 || status=1
done
exit $status
