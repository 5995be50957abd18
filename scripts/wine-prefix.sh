#!/usr/bin/env bash
# Makes (once) the template Wine prefix the tests and the viewer run in, for
# one architecture: no window manager decorations, no crash dialog, CJK fonts
# mapped to WenQuanYi Micro Hei. Usage: wine-prefix.sh win32|win64 TEMPLATE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
arch=${1:?architecture: win32 or win64}
template=${2:?template prefix folder}
[ -f "$template/.vellumo-ready" ] && exit 0
if ! vellumo_wine_can_run "$arch"; then
  echo "wine-prefix.sh: cannot make a $arch prefix: $VELLUMO_WINE_WHY" >&2
  exit 1
fi
mkdir -p "$(dirname "$template")"
template=$(cd "$(dirname "$template")" && pwd)/$(basename "$template")
exec 9>"$template.lock"
flock 9
[ -f "$template/.vellumo-ready" ] && exit 0
rm -rf "$template"

vellumo_wine_setenv "$arch" "$template"
unset DISPLAY
log=$(mktemp "${TMPDIR:-/tmp}/vellumo-wineboot.XXXXXX")
trap 'rm -f "$log"' EXIT
if ! vellumo_wine wineboot -i >"$log" 2>&1; then
  echo "wine-prefix.sh: wineboot failed for $arch ($WINELOADER):" >&2
  tail -20 "$log" >&2
  exit 1
fi
vellumo_wineserver -w
reg() { vellumo_wine reg add "$@" /f >/dev/null 2>&1 || { echo "wine-prefix.sh: reg add $* failed" >&2; exit 1; }; }
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# A crash ends the program at once instead of holding it in the debugger.
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0

fontdir=$WINEPREFIX/drive_c/windows/Fonts
# Marlett draws the caption buttons (Wine does not find its own copy); the
# CJK font serves every East Asian face name below.
for f in /usr/share/wine/fonts/marlett.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
  [ -f "$f" ] && cp "$f" "$fontdir/"
done
for name in 宋体 SimSun GulimChe "MS PMincho" MingLiU "MS Sans Serif" Arial; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /d "WenQuanYi Micro Hei"
done
vellumo_wineserver -w
touch "$template/.vellumo-ready"
