#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer. Layers from
# the bottom: portable cores (convert, and skin by its parts: shared drawing,
# the skin's data, the frame, the popup menus, the controls), the Win32
# helpers (win32), the shell unit (shell) and the skin's windowed half
# (skinwin), the About window (about), the program (app). A file takes the
# layer of the deepest folder listed that holds it, and may include its own
# layer and those below. Usage: check-layers.sh [ROOT]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
layers="convert=0 skin=0 skin/draw=0 skin/data=1 skin/frame=2 skin/menus=3 skin/controls=4
        win32=5 shell=6 skinwin=6 about=7 app=8"
dirs=()
for dir in convert skin win32 shell skinwin about app; do [ -d "$root/$dir" ] && dirs+=("$dir"); done
[ ${#dirs[@]} -eq 0 ] && { echo "includes point down the layers"; exit 0; }
cd "$root" || exit 2
grep -rnE --include='*.h' --include='*.cpp' --include='*.rc*' \
     '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${dirs[@]}" |
  awk -v layers="$layers" -v root="$root" '
    BEGIN { n = split(layers, pairs, /[ \n]+/)
            for (i = 1; i <= n; ++i) if (split(pairs[i], kv, "=") == 2) level[kv[1]] = kv[2] }
    # The layer of the deepest listed folder holding path, or -1.
    function layer(path,   d) {
      d = path
      while (sub(/\/[^\/]*$/, "", d)) if (d in level) return level[d]
      return -1
    }
    { split($0, f, ":"); header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
      if (layer(header) > layer(f[1])) { print root "/" $0; bad = 1 } }
    END { exit bad }'
status=$?
[ $status -eq 0 ] && echo "includes point down the layers"
exit $status
