#!/usr/bin/env bash
# Load time and peak memory of Runeview.exe with a 20 MB Chinese file on its
# command line (UTF-8, UTF-16LE and ANSI/GBK), beside Wine's notepad opening
# the same file. Builds the Windows tree first. Usage: viewer-bench.sh [MB]
# Runs the 32-bit build where this machine runs 32-bit code, else the 64-bit
# one; VELLUMO_WIN64_ONLY=1 picks the 64-bit one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
mb=${1:-20}
arch=$(vellumo_wine_pick_arch) || { echo "viewer-bench.sh: Wine cannot run any Windows program here" >&2; exit 1; }
"$root/scripts/build.sh" "$arch" >/dev/null || { echo "viewer-bench.sh: building $arch failed (scripts/build.sh $arch)" >&2; exit 1; }
build=$root/build/$arch
echo "Runeview.exe and notepad: $arch under Wine"
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
PY

# One run of the measuring driver: seconds, peak working set, peak commit.
measure() {
  local out
  if ! out=$("$root/scripts/wine-run.sh" "$build/bench/viewer_bench.exe" "$1" "$2" 2>&1); then
    echo "viewer-bench.sh: measuring $2 failed:" >&2
    echo "$out" | tail -5 >&2
    exit 1
  fi
  echo "$out" | tr -d '\r' | grep -E '^-?[0-9]' | head -1
}
winpath() { echo "Z:$(realpath "$1" | tr / '\\')"; }
exe=$(winpath "$build/dist/Runeview.exe")
printf '%-8s %-9s %10s %8s %14s %14s\n' file program size_MB seconds peak_ws_MB peak_commit_MB
for kind in utf8 utf16 ansi; do
  file=$work/$kind.txt
  size=$(stat -c %s "$file")
  for program in Runeview notepad; do
    if [ $program = Runeview ]; then cls=TForm1; cmd="\"$exe\" \"$(winpath "$file")\""
    else cls=Notepad; cmd="notepad.exe \"$(winpath "$file")\""; fi
    read -r secs ws commit _len < <(measure "$cls" "$cmd")
    awk -v k=$kind -v p=$program -v s=$size -v t=$secs -v w=$ws -v c=$commit \
      'BEGIN { printf "%-8s %-9s %10.1f %8.2f %14.1f %14.1f\n", k, p, s/1e6, t, w/1048576, c/1048576 }'
  done
done

# The same for a one-line file: what the program itself takes.
echo hello > "$work/tiny.txt"
read -r secs ws commit _len < <(measure TForm1 "\"$exe\" \"$(winpath "$work/tiny.txt")\"")
awk -v t=$secs -v w=$ws -v c=$commit \
  'BEGIN { printf "%-8s %-9s %10s %8.2f %14.1f %14.1f\n", "tiny", "Runeview", "0.0", t, w/1048576, c/1048576 }'
