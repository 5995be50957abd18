#!/usr/bin/env bash
# Makes (once) the template Wine prefix the tests and the viewer run in:
# 32-bit, no window manager decorations, CJK fonts mapped to WenQuanYi Micro Hei.
# Usage: wine-prefix.sh TEMPLATE_DIR
set -euo pipefail
template=${1:?template prefix folder}
[ -f "$template/.vellumo-ready" ] && exit 0
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
[ -f "$template/.vellumo-ready" ] && exit 0
rm -rf "$template"

export WINEPREFIX=$template WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=" LANG=C.UTF-8
unset DISPLAY
wineboot -i >/dev/null 2>&1
wineserver -w
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

fontdir=$WINEPREFIX/drive_c/windows/Fonts
# Marlett draws the caption buttons (Wine does not find its own copy); the
# CJK font serves every East Asian face name below.
for f in /usr/share/wine/fonts/marlett.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
  [ -f "$f" ] && cp "$f" "$fontdir/"
done
for name in 宋体 SimSun GulimChe "MS PMincho" MingLiU "MS Sans Serif" Arial; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
done
wineserver -w
touch "$template/.vellumo-ready"
