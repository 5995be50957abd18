#!/usr/bin/env bash
# Runs a Windows program under Wine in a throwaway copy of the template prefix,
# inside its own virtual display. Usage: wine-run.sh PROGRAM.exe [ARGS...]
# Environment: VELLUMO_WINE_TEMPLATE (template prefix; default build/wine-template
# beside this script's tree), VELLUMO_KEEP_PREFIX=1 keeps the copy for inspection.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
template=${VELLUMO_WINE_TEMPLATE:-$here/../build/wine-template}
"$here/wine-prefix.sh" "$template"

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-wine.XXXXXX")
cleanup() {
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  [ "${VELLUMO_KEEP_PREFIX:-0}" = 1 ] || rm -rf "$prefix"
}
trap cleanup EXIT
cp -a "$template/." "$prefix/"

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree=" LANG=C.UTF-8
export VELLUMO_WINEPREFIX=$prefix
set +e
if [ -n "${VELLUMO_DISPLAY:-}" ]; then
  DISPLAY=$VELLUMO_DISPLAY wine "$@"
else
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" wine "$@"
fi
status=$?
set -e
WINEPREFIX=$prefix wineserver -w || true
exit $status
