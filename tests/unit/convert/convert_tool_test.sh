#!/usr/bin/env bash
# vellumo-convert end to end: bytes out, kind on stderr, messages and statuses.
# Usage: convert_tool_test.sh path/to/vellumo-convert
set -uo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]" >&2
    failures=$((failures + 1))
  fi
}
hexof() { od -An -tx1 -v "$1" | tr -d ' \n'; }

mkdir -p "$work/prog/dll"
# A small GB2312 table: A, B, a space, zhong; and a Big5 one with zhong only.
printf '# test\r\n A 0041 0041\r\n B 0042 0042\r\n   0020 0020\r\n\xd6\xd0 D6D0 4E2D\r\n' \
  > "$work/prog/dll/Gb2312.dll"
printf '\xa4\xa4 A4A4 4E2D\n' > "$work/prog/dll/BIG5.DLL"

# UTF-8: signature dropped, CR LF after every line, unknown characters as **.
printf '\xef\xbb\xbfA\xe4\xb8\xad\r\nB C\nx' > "$work/u8.txt"
"$tool" --tables "$work/prog" -o "$work/out" "$work/u8.txt" 2> "$work/err"
check "utf8 status" 0 $?
check "utf8 bytes" "41d6d00d0a42202a2a0d0a2a2a0d0a" "$(hexof "$work/out")"
check "utf8 kind" "UTF-8" "$(cat "$work/err")"

# Unicode: read by 16-bit units, so the 0A byte of U+4E0A ends no line.
printf '\xff\xfeA\x00-N\r\x00\n\x00\x0aN\r\x00\n\x00' > "$work/u16.txt"
check "unicode bytes" "41d6d00d0a2a2a0d0a" "$("$tool" --tables "$work/prog" "$work/u16.txt" 2>"$work/err" | od -An -tx1 -v | tr -d ' \n')"
check "unicode kind" "Unicode" "$(cat "$work/err")"

# ANSI: bytes as they are, CR dropped, nothing after 0x1A.
printf 'ab\rc\n\xd6\xd0\x1a\nzz' > "$work/ansi.txt"
check "ansi bytes" "6162630d0ad6d00d0a" "$("$tool" --tables "$work/prog" "$work/ansi.txt" 2>"$work/err" | od -An -tx1 -v | tr -d ' \n')"
check "ansi kind" "ANSI" "$(cat "$work/err")"

# A file without signature read as UTF-8: nothing dropped from its first line.
printf 'A\xe4\xb8\xad' > "$work/bare.txt"
check "as utf8" "41d6d00d0a" "$("$tool" --utf8 --tables "$work/prog" "$work/bare.txt" 2>"$work/err" | od -An -tx1 -v | tr -d ' \n')"
check "as utf8 kind" "UTF-8" "$(cat "$work/err")"

# Another code page reads its own table (which lacks A).
printf '\xef\xbb\xbfA\xe4\xb8\xad' > "$work/zh.txt"
check "big5" "2a2aa4a40d0a" "$("$tool" --code big5 --tables "$work/prog" "$work/zh.txt" 2>/dev/null | od -An -tx1 -v | tr -d ' \n')"

# Without --tables it finds the build's distribution folder.
check "default tables" "41d6d00d0a" "$("$tool" "$work/zh.txt" 2>/dev/null | od -An -tx1 -v | tr -d ' \n')"

# Files that cannot be read: the viewer's message with its period, status 1, no OUT left.
"$tool" --tables "$work/prog" -o "$work/gone" "$work/missing.txt" 2> "$work/err"
check "missing status" 1 $?
check "missing message" "File not found." "$(cat "$work/err")"
check "missing leaves no output" "no" "$([ -e "$work/gone" ] && echo yes || echo no)"
"$tool" --tables "$work/prog" "$work" > /dev/null 2> "$work/err"
check "folder status" 1 $?
check "folder message" "File access denied." "$(cat "$work/err")"

# Bad arguments: usage and status 2.
for args in "" "--code latin1 $work/u8.txt" "$work/u8.txt $work/u8.txt" "--tables" "--bogus $work/u8.txt"; do
  # shellcheck disable=SC2086
  "$tool" $args > /dev/null 2> "$work/err"
  check "usage status for [$args]" 2 $?
  grep -q '^usage: vellumo-convert' "$work/err" || { echo "FAIL no usage for [$args]" >&2; failures=$((failures + 1)); }
done

[ $failures -eq 0 ] && echo "all vellumo-convert checks passed"
exit $((failures > 0))
