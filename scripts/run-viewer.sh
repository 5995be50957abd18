#!/usr/bin/env bash
# Sets everything up, builds the program and runs it under Wine on the sample
# file: the 64-bit build, which runs on every machine of this kind, else the
# 32-bit one. Without a display it runs in a virtual one, saves a screenshot of the
# window and prints where. Usage: run-viewer.sh [FILE]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"

fail() { echo "run-viewer.sh: $*" >&2; exit 1; }

file=${1:-$root/samples/sample-utf8.txt}
[ -f "$file" ] || fail "no such file: $file"
"$root/tools/setup-deps.sh" || fail "installing the packages failed: run tools/setup-deps.sh as root and read its messages"

arch=$(vellumo_wine_pick_arch) ||
  fail "Wine cannot run any Windows program here (see above); install wine64 (tools/setup-deps.sh)"

"$root/scripts/build.sh" "$arch" >/dev/null || fail "building the $arch program failed: run scripts/build.sh $arch to see why"
template=$root/build/$arch/wine-template
"$root/scripts/wine-prefix.sh" "$arch" "$template" || fail "making the Wine prefix failed (see above)"
dist=$root/build/$arch/dist
winfile="Z:$(realpath "$file" | tr / '\\')"
echo "running the $arch build: $dist/Runeview.exe" >&2

if [ -n "${DISPLAY:-}" ]; then
  VELLUMO_WINE_TEMPLATE=$template VELLUMO_DISPLAY=$DISPLAY \
    "$root/scripts/wine-run.sh" "$dist/Runeview.exe" "$winfile" ||
    fail "the program ended with status $? under Wine"
  exit 0
fi

shot=$root/build/viewer-screenshot.png
rm -f "$shot"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  VELLUMO_WINE_TEMPLATE="$1" VELLUMO_DISPLAY=$DISPLAY "$2/scripts/wine-run.sh" "$3" "$4" &
  runner=$!
  # Wait for the main window, then give it a moment to paint.
  for i in $(seq 1 60); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Vellumo"; then break; fi
    if ! kill -0 $runner 2>/dev/null; then
      wait $runner; echo "run-viewer.sh: the program ended with status $? before its window showed" >&2; exit 1
    fi
    sleep 0.5
  done
  sleep 2
  import -window root "$5" || { echo "run-viewer.sh: taking the screenshot failed" >&2; exit 1; }
  kill $runner 2>/dev/null
  wait $runner 2>/dev/null
  exit 0
' _ "$template" "$root" "$dist/Runeview.exe" "$winfile" "$shot" || fail "the viewer did not run (see above)"
[ -s "$shot" ] || fail "no screenshot was saved"
echo "screenshot of the viewer: $shot"
