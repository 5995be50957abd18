#!/usr/bin/env bash
# Configures and builds both trees: build/native (portable code, unit tests,
# tools, benchmarks) and build/win32 (Runeview.exe, its companion files, the
# Windows test driver). Usage: build.sh [native|win32|fuzz]...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native win32)
for t in "${targets[@]}"; do
  case $t in
    native) cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ;;
    win32)  cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
              -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null ;;
    fuzz)   CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja \
              -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUMO_FUZZ=ON >/dev/null ;;
    *) echo "unknown build $t" >&2; exit 2 ;;
  esac
  cmake --build "$root/build/$t" -j "$jobs"
done
