#!/usr/bin/env bash
# Regenerates the code mapping tables (companion/files/dll/Gb2312.dll,
# KOREAN.dll, JIS.DLL, BIG5.DLL) from the platform's own conversion: runs
# cpdump.exe once under Wine, which writes all four.
# Usage: gen-tables.sh [--exe CPDUMP.EXE] [--out DIR | --check DIR]
#   (default)    build cpdump.exe (64-bit, else 32-bit) and
#                refresh companion/files/dll
#   --out DIR    write the tables into DIR instead
#   --check DIR  write them into a temporary folder and compare them byte for
#                byte with the tables in DIR; exit status 1 on any difference
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="" out="$root/companion/files/dll" check=""
while [ $# -gt 0 ]; do
  case $1 in
    --exe) exe=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --check) check=$2; shift 2 ;;
    *) sed -n '2,10p' "$0" >&2; exit 2 ;;
  esac
done
. "$root/scripts/wine-env.sh"
if [ -z "$exe" ]; then
  arch=$(vellumo_wine_pick_arch) || { echo "gen-tables.sh: Wine cannot run any Windows program here" >&2; exit 1; }
  "$root/scripts/build.sh" "$arch" >/dev/null || { echo "gen-tables.sh: building $arch failed" >&2; exit 1; }
  exe=$root/build/$arch/tools/cpdump.exe
fi
export VELLUMO_WINE_TEMPLATE=${VELLUMO_WINE_TEMPLATE:-$(dirname "$exe")/../wine-template}

tmp=""
if [ -n "$check" ]; then
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-tables.XXXXXX")
  trap 'rm -rf "$tmp"' EXIT
  out=$tmp
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)

start=$(date +%s%N)
"$root/scripts/wine-run.sh" "$exe" "Z:${out//\//\\}"
echo "generated in $(( ($(date +%s%N) - start) / 1000000 )) ms, Wine's start included"

[ -z "$check" ] && exit 0
status=0
for f in Gb2312.dll KOREAN.dll JIS.DLL BIG5.DLL; do
  if cmp "$check/$f" "$out/$f"; then echo "$f: same"; else status=1; fi
done
exit $status
