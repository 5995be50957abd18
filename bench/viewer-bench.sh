#!/usr/bin/env bash
# The program on large files beside Wine's notepad: time until the main
# window is visible and until the text is shown and painted, with the file on
# the command line. Files: 100 KB and 1 MB, 20 MB of Chinese lines of 40
# characters (UTF-8, UTF-16LE, GBK), 20 MB of dense Chinese prose, 20 MB of
# Chinese paragraphs of 2,000 characters, lines of a megabyte (digits,
# Chinese), 100 MB of GBK (and 1 GB with VELLUMO_BENCH_GB=1, 64-bit only).
# Steps: a code-page switch and back, scrolling a wrapped text to its end, a
# key typed into a 20 MB text; peak working set, and the program's own with a
# one-line file (its baseline). Figures, not tests.
# Usage: viewer-bench.sh [MB]     (the size of the large files, default 20)
# Runs every build this machine runs (64-bit first), saying why one is passed over.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
mb=${1:-20}
archs=()
for a in win64 win32; do
  if vellumo_wine_can_run "$a"; then archs+=("$a"); else echo "${a#win}-bit build skipped: $VELLUMO_WINE_WHY"; fi
done
[ ${#archs[@]} -gt 0 ] || { echo "viewer-bench.sh: Wine cannot run any Windows program here" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 - "$work" "$mb" "${VELLUMO_BENCH_GB:-0}" <<'PY'
import random, sys
work, mb, gb = sys.argv[1], int(sys.argv[2]), sys.argv[3] == '1'
random.seed(1)
# Characters of GB2312's level-1 block, so that every display code page has
# real work to do.
chars = [bytes([a, b]).decode('gb2312') for a in range(0xB0, 0xD8)
         for b in range(0xA1, 0xFF) if not (a == 0xD7 and b > 0xF9)]
punct = '，。、；：？！'
def lines_of(size, length, encoding='utf-8'):
    out, total = [], 0
    while total < size:
        n = length() if callable(length) else length
        line = ''.join(random.choice(chars) if random.random() > 0.08 else random.choice(punct)
                       for _ in range(n))
        out.append(line)
        total += len(line.encode(encoding)) + 2
    return '\r\n'.join(out) + '\r\n'
big = mb * 1000 * 1000
text = lines_of(big, 40)
open(f'{work}/utf8.txt', 'wb').write(b'\xef\xbb\xbf' + text.encode('utf-8'))
open(f'{work}/utf16.txt', 'wb').write(b'\xff\xfe' + text.encode('utf-16-le'))
open(f'{work}/ansi.txt', 'wb').write(text.encode('gbk'))
open(f'{work}/100k.txt', 'wb').write(text.encode('gbk')[:100 * 1000].rsplit(b'\r\n', 1)[0] + b'\r\n')
open(f'{work}/1m.txt', 'wb').write(text.encode('gbk')[:1000 * 1000].rsplit(b'\r\n', 1)[0] + b'\r\n')
open(f'{work}/prose.txt', 'wb').write(lines_of(big, lambda: random.randint(20, 400), 'gbk').encode('gbk'))
open(f'{work}/para2000.txt', 'wb').write(lines_of(big, 2000, 'gbk').encode('gbk'))
open(f'{work}/mega-digits.txt', 'wb').write(b'0123456789' * ((1 << 20) // 10) + b'\r\n')
open(f'{work}/mega-chinese.txt', 'wb').write(''.join(random.choice(chars) for _ in range(1 << 19)).encode('gbk') + b'\r\n')
block = text.encode('gbk')
with open(f'{work}/100mb.txt', 'wb') as f:
    for _ in range(max(1, 100 * 1000 * 1000 // len(block))):
        f.write(block)
if gb:
    with open(f'{work}/1gb.txt', 'wb') as f:
        for _ in range(max(1, 1000 * 1000 * 1000 // len(block))):
            f.write(block)
PY

winpath() { echo "Z:$(realpath "$1" | tr / '\\')"; }
row() {  # file program wrap size window text ws [steps...]
  local k=$1 p=$2 r=$3 s=$4 w=$5 t=$6 m=$7
  shift 7
  awk -v k="$k" -v p="$p" -v r="$r" -v s="$s" -v w="$w" -v t="$t" -v m="$m" -v rest="$*" \
    'BEGIN { printf "%-13s %-9s %-4s %8.2f %8.3f %8.3f %10.1f  %s\n", k, p, r, s/1e6, w, t, m/1048576, rest }'
}

for arch in "${archs[@]}"; do
  "$root/scripts/build.sh" "$arch" >/dev/null || { echo "viewer-bench.sh: building $arch failed (scripts/build.sh $arch)" >&2; exit 1; }
  build=$root/build/$arch
  exe=$(winpath "$build/dist/Runeview.exe")
  echo
  echo "== Runeview.exe ($arch) and notepad under Wine; $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
  # One run of the measuring driver: its line of figures.
  measure() {
    local out
    if ! out=$("$root/scripts/wine-run.sh" "$build/bench/viewer_bench.exe" "$@" 2>&1); then
      echo "viewer-bench.sh: measuring $* failed:" >&2
      echo "$out" | tail -5 >&2
      return 1
    fi
    echo "$out" | tr -d '\r' | grep -E '^-?[0-9]' | head -1
  }
  viewer() {  # name file [steps...]: a row of the program
    local name=$1 file=$2
    shift 2
    local win secs ws commit len rest
    read -r win secs ws commit len rest < <(measure TForm1 "\"$exe\" \"$(winpath "$file")\"" "$@") || return 0
    row "$name" Runeview on "$(stat -c %s "$file")" "$win" "$secs" "$ws" "$rest"
  }
  notepad() {  # name file wrap
    local win secs ws commit len
    read -r win secs ws commit len < <(measure -notepad-wrap "$3" Notepad "notepad.exe \"$(winpath "$2")\"") || return 0
    row "$1" notepad "$([ "$3" = 1 ] && echo on || echo off)" "$(stat -c %s "$2")" "$win" "$secs" "$ws"
  }
  printf '%-13s %-9s %-4s %8s %8s %8s %10s  %s\n' file program wrap size_MB window_s text_s peak_ws_MB steps_s
  for kind in 100k 1m; do
    viewer $kind "$work/$kind.txt"
    notepad $kind "$work/$kind.txt" 0
  done
  for kind in utf8 utf16 ansi; do
    viewer $kind "$work/$kind.txt"
    notepad $kind "$work/$kind.txt" 1
    notepad $kind "$work/$kind.txt" 0
  done
  viewer prose "$work/prose.txt"
  notepad prose "$work/prose.txt" 0
  echo "   (steps below: code-page switch to BIG5 and back; scroll to the end; a key; find; the preview)"
  viewer utf8-switch "$work/utf8.txt" 112 111
  viewer 1m-preview "$work/1m.txt" preview
  viewer ansi-find "$work/ansi.txt" find preview
  viewer ansi-end "$work/ansi.txt" end key
  viewer para2000-end "$work/para2000.txt" end
  viewer mega-digits "$work/mega-digits.txt" end
  viewer mega-chinese "$work/mega-chinese.txt" end
  viewer 100mb "$work/100mb.txt" preview
  if [ "$arch" = win64 ] && [ -f "$work/1gb.txt" ]; then viewer 1gb "$work/1gb.txt"; fi
  echo hello > "$work/tiny.txt"
  viewer tiny "$work/tiny.txt"
done
