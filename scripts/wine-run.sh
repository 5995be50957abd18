#!/usr/bin/env bash
# Runs a Windows program under Wine, in the architecture its PE header names,
# in a throwaway copy of that architecture's template prefix, inside its own
# virtual display. Usage: wine-run.sh PROGRAM.exe [ARGS...]
# Environment: VELLUMO_WINE_TEMPLATE (template prefix; default
# build/wine-template-ARCH beside this script's tree), VELLUMO_KEEP_PREFIX=1
# keeps the copy for inspection, VELLUMO_DISPLAY runs on that display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
program=${1:?program to run}
[ -f "$program" ] || { echo "wine-run.sh: no such program: $program" >&2; exit 2; }
arch=$(vellumo_pe_arch "$program") || exit 2
if ! vellumo_wine_can_run "$arch"; then
  echo "wine-run.sh: cannot run $(basename "$program") ($arch): $VELLUMO_WINE_WHY" >&2
  exit 1
fi
template=${VELLUMO_WINE_TEMPLATE:-$here/../build/wine-template-$arch}
"$here/wine-prefix.sh" "$arch" "$template"

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-wine.XXXXXX")
cleanup() {
  WINEPREFIX=$prefix vellumo_wineserver -k >/dev/null 2>&1 || true
  [ "${VELLUMO_KEEP_PREFIX:-0}" = 1 ] || rm -rf "$prefix"
}
trap cleanup EXIT
cp -a "$template/." "$prefix/"

vellumo_wine_setenv "$arch" "$prefix"
export VELLUMO_WINEPREFIX=$prefix
set +e
if [ -n "${VELLUMO_DISPLAY:-}" ]; then
  DISPLAY=$VELLUMO_DISPLAY vellumo_wine "$@"
else
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$WINELOADER" "$@"
fi
status=$?
set -e
vellumo_wineserver -w || true
exit $status
