#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build and the tests need:
# both MinGW-w64 toolchains and both Wine loaders (the 32-bit one installs
# everywhere, though only some kernels run it).
# Safe to run again: packages already present are skipped.
set -euo pipefail

native_pkgs=(build-essential cmake ninja-build pkg-config googletest libgtest-dev
             zlib1g-dev clang libclang-rt-14-dev libpng-dev libfreetype-dev fonts-dejavu-core)
cross_pkgs=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
            mingw-w64-i686-dev g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
            binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev libz-mingw-w64-dev)
wine_pkgs=(wine wine64 wine32:i386 fonts-wine xvfb x11-apps imagemagick fonts-wqy-microhei)
# Headless Chromium checks how the companion pages render.
doc_pkgs=(chromium)

want=("${native_pkgs[@]}" "${cross_pkgs[@]}" "${wine_pkgs[@]}" "${doc_pkgs[@]}")
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
echo "installing: ${missing[*]}" >&2
if ! { $SUDO apt-get update -qq &&
       DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
         "${missing[@]}" >&2; }; then
  echo "setup-deps.sh: installing the packages failed; see apt's messages above" >&2
  exit 1
fi
