#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer. Layers from
# the bottom: portable cores (convert, skin), the Win32 helpers (win32), the
# shell unit (shell) and the skin's windowed half (skinwin), the About window
# (about), the program (app). A folder
# may include its own layer and those below. Usage: check-layers.sh [ROOT]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
declare -A level=([convert]=0 [skin]=0 [win32]=1 [shell]=2 [skinwin]=2 [about]=3 [app]=4)
bad=0
for dir in "${!level[@]}"; do
  [ -d "$root/$dir" ] || continue
  above=()
  for other in "${!level[@]}"; do
    [ "${level[$other]}" -gt "${level[$dir]}" ] && above+=("$other")
  done
  [ ${#above[@]} -eq 0 ] && continue
  pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($(IFS='|'; echo "${above[*]}"))/"
  if grep -rnE --include='*.h' --include='*.cpp' --include='*.rc*' "$pattern" "$root/$dir"; then
    bad=1
  fi
done
[ $bad -eq 0 ] && echo "includes point down the layers"
exit $bad
