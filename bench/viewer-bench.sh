#!/usr/bin/env bash
# The program on large files beside Wine's notepad: time until the main
# window is visible and until the text is shown, with a 20 MB Chinese file on
# the command line (UTF-8, UTF-16LE and ANSI/GBK), notepad with its wrap on
# and off (its window at the program's size); a code-page switch and back on
# the UTF-8 file; a file of one line of a megabyte; peak working set, and the
# program's own with a one-line file (its baseline). Builds the Windows tree
# first. Usage: viewer-bench.sh [MB]
# Runs the 64-bit build (it runs on every machine of this kind), else the
# 32-bit one, saying why one is passed over.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
mb=${1:-20}
arch=$(vellumo_wine_pick_arch) || { echo "viewer-bench.sh: Wine cannot run any Windows program here" >&2; exit 1; }
"$root/scripts/build.sh" "$arch" >/dev/null || { echo "viewer-bench.sh: building $arch failed (scripts/build.sh $arch)" >&2; exit 1; }
build=$root/build/$arch
echo "Runeview.exe and notepad: $arch under Wine; $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 - "$work" "$mb" <<'PY'
import random, sys
work, mb = sys.argv[1], int(sys.argv[2])
random.seed(1)
# Characters of GB2312's level-1 block, so that every display code page has
# real work to do; 40 to a line.
# Left out: characters whose UTF-16LE bytes hold 0A, 0D or 1A, which would cut
# a Unicode file's lines or end its text.
chars = [c for c in (bytes([a, b]).decode('gb2312') for a in range(0xB0, 0xD8)
                     for b in range(0xA1, 0xFF) if not (a == 0xD7 and b > 0xF9))
         if not set(c.encode('utf-16-le')) & {0x0A, 0x0D, 0x1A}]
lines, size = [], 0
while size < mb * 1000 * 1000:
    line = ''.join(random.choice(chars) for _ in range(40))
    lines.append(line)
    size += len(line.encode('utf-8')) + 2
text = '\r\n'.join(lines) + '\r\n'
open(f'{work}/utf8.txt', 'wb').write(b'\xef\xbb\xbf' + text.encode('utf-8'))
open(f'{work}/utf16.txt', 'wb').write(b'\xff\xfe' + text.encode('utf-16-le'))
open(f'{work}/ansi.txt', 'wb').write(text.encode('gbk'))
# One line of a megabyte of digits, the edit control's slowest text.
open(f'{work}/mega.txt', 'wb').write(b'0123456789' * ((1 << 20) // 10) + b'\r\n')
PY

# One run of the measuring driver: its line of figures.
measure() {
  local out
  if ! out=$("$root/scripts/wine-run.sh" "$build/bench/viewer_bench.exe" "$@" 2>&1); then
    echo "viewer-bench.sh: measuring $* failed:" >&2
    echo "$out" | tail -5 >&2
    exit 1
  fi
  echo "$out" | tr -d '\r' | grep -E '^-?[0-9]' | head -1
}
winpath() { echo "Z:$(realpath "$1" | tr / '\\')"; }
exe=$(winpath "$build/dist/Runeview.exe")
row() {  # file program wrap size window text ws commit
  awk -v k="$1" -v p="$2" -v r="$3" -v s="$4" -v w="$5" -v t="$6" -v m="$7" -v c="$8" \
    'BEGIN { printf "%-8s %-9s %-5s %8.1f %9.2f %8.2f %11.1f %15.1f\n", k, p, r, s/1e6, w, t, m/1048576, c/1048576 }'
}
printf '%-8s %-9s %-5s %8s %9s %8s %11s %15s\n' file program wrap size_MB window_s text_s peak_ws_MB peak_commit_MB
for kind in utf8 utf16 ansi; do
  file=$work/$kind.txt
  size=$(stat -c %s "$file")
  read -r win secs ws commit _len < <(measure TForm1 "\"$exe\" \"$(winpath "$file")\"")
  row $kind Runeview on "$size" "$win" "$secs" "$ws" "$commit"
  for wrap in 1 0; do
    read -r win secs ws commit _len < <(measure -notepad-wrap $wrap Notepad "notepad.exe \"$(winpath "$file")\"")
    row $kind notepad "$([ $wrap = 1 ] && echo on || echo off)" "$size" "$win" "$secs" "$ws" "$commit"
  done
done
file=$work/mega.txt
read -r win secs ws commit _len < <(measure TForm1 "\"$exe\" \"$(winpath "$file")\"")
row mega-line Runeview on "$(stat -c %s "$file")" "$win" "$secs" "$ws" "$commit"
echo hello > "$work/tiny.txt"
read -r win secs ws commit _len < <(measure TForm1 "\"$exe\" \"$(winpath "$work/tiny.txt")\"")
row tiny Runeview on 0 "$win" "$secs" "$ws" "$commit"

# Code-page switches on the UTF-8 file: to Big5 (menu 112) and back to GB2312 (111).
read -r win secs ws commit _len big5 gb ws_end < <(measure TForm1 "\"$exe\" \"$(winpath "$work/utf8.txt")\"" 112 111)
echo
echo "switch on utf8 ($(awk -v s="$(stat -c %s "$work/utf8.txt")" 'BEGIN{printf "%.1f", s/1e6}') MB): load $secs s, to BIG5 $big5 s, back to GB2312 $gb s, peak working set after $(awk -v m="$ws_end" 'BEGIN{printf "%.1f", m/1048576}') MB"
