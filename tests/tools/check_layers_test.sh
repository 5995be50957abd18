#!/usr/bin/env bash
# The layer check refuses each upward include of its fixture: one from a core
# into the program, one between the parts of the skin.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(bash "$here/../../scripts/check-layers.sh" "$here/layers-fixture")
status=$?
[ $status -eq 1 ] || { echo "the check exited $status on its fixture, not 1"; exit 1; }
for file in convert/upward.h skin/draw/upward.h; do
  grep -q "layers-fixture/$file:" <<<"$out" || { echo "the check let $file pass: $out"; exit 1; }
done
echo "both upward includes refused"
