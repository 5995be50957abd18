#!/usr/bin/env bash
# Configures and builds the trees: build/native (portable code, unit tests,
# tools, benchmarks), build/win32 and build/win64 (Runeview.exe for i686 and
# x86_64, its companion files, the Windows test drivers) and build/fuzz.
# Usage: build.sh [native|win32|win64|fuzz]...   (default: native win32 win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native win32 win64)
for t in "${targets[@]}"; do
  case $t in
    native) cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ;;
    win32)  cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
              -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null ;;
    win64)  cmake -S "$root" -B "$root/build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
              -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null ;;
    fuzz)   CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja \
              -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUMO_FUZZ=ON >/dev/null ;;
    *) echo "build.sh: unknown build '$t' (native, win32, win64 or fuzz)" >&2; exit 2 ;;
  esac
  if ! cmake --build "$root/build/$t" -j "$jobs"; then
    echo "build.sh: the $t build failed (see the compiler's messages above)" >&2
    exit 1
  fi
done
