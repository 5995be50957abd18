#!/usr/bin/env bash
# Sets everything up, builds the program and runs it under Wine on the sample
# file. Without a display it runs in a virtual one, saves a screenshot of the
# window and prints where. Usage: run-viewer.sh [FILE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-deps.sh"
"$root/scripts/build.sh" win32
file=${1:-$root/samples/sample-utf8.txt}
template=$root/build/wine-template
"$root/scripts/wine-prefix.sh" "$template"
dist=$root/build/win32/dist
winfile="Z:$(realpath "$file" | tr / '\\')"

if [ -n "${DISPLAY:-}" ]; then
  VELLUMO_WINE_TEMPLATE=$template VELLUMO_DISPLAY=$DISPLAY \
    "$root/scripts/wine-run.sh" "$dist/Runeview.exe" "$winfile"
  exit 0
fi

shot=$root/build/viewer-screenshot.png
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  set -e
  VELLUMO_WINE_TEMPLATE="$1" VELLUMO_DISPLAY=$DISPLAY "$2/scripts/wine-run.sh" "$3" "$4" &
  runner=$!
  sleep 8
  import -window root "$5"
  kill $runner 2>/dev/null || true
  wait $runner 2>/dev/null || true
' _ "$template" "$root" "$dist/Runeview.exe" "$winfile" "$shot"
echo "screenshot of the viewer: $shot"
