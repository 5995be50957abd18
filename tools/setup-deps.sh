#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build and the tests need,
# in two steps: first what every run needs (native tools, both MinGW-w64
# toolchains, 64-bit Wine, fonts, Xvfb, ImageMagick, Chromium, and Scintilla's
# source through tools/fetch-scintilla.sh), then the
# 32-bit Wine loader, which only some kernels run and which a package index
# out of step can make uninstallable. Only a failure of the first step stops.
# Safe to run again: packages already present are skipped.
set -uo pipefail

native_pkgs=(build-essential cmake ninja-build pkg-config googletest libgtest-dev
             zlib1g-dev clang libclang-rt-14-dev libpng-dev libfreetype-dev fonts-dejavu-core)
cross_pkgs=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
            mingw-w64-i686-dev g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
            binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev libz-mingw-w64-dev)
wine_pkgs=(wine wine64 fonts-wine xvfb x11-apps imagemagick fonts-wqy-microhei)
# Headless Chromium checks how the companion pages render.
doc_pkgs=(chromium)
required=("${native_pkgs[@]}" "${cross_pkgs[@]}" "${wine_pkgs[@]}" "${doc_pkgs[@]}")
optional=wine32:i386

say() { echo "setup-deps.sh: $*" >&2; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
# VELLUMO_FETCH_SCINTILLA names a stand-in for the fetch (the set-up's test).
fetch=${VELLUMO_FETCH_SCINTILLA:-$(dirname "$0")/fetch-scintilla.sh}
fetch_scintilla() {
  if ! bash "$fetch"; then
    say "fetching Scintilla's source failed (its messages above); the set-up stops here"
    exit 1
  fi
}

missing=()
for p in "${required[@]}"; do installed "$p" || missing+=("$p"); done
want_optional=0
installed "$optional" || want_optional=1
if [ ${#missing[@]} -eq 0 ] && [ $want_optional -eq 0 ]; then fetch_scintilla; exit 0; fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# apt's own retry of a failed download, for a mirror that blinks.
apt_opts=(-o Acquire::Retries=3)
log_dir=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-setup.XXXXXX")
trap 'rm -rf "$log_dir"' EXIT

# The i386 architecture must be known before the update fetches its lists.
# It is kept even when the 32-bit loader does not install: an architecture
# without packages changes nothing else.
added_i386=0
if [ $want_optional -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  if $SUDO dpkg --add-architecture i386; then added_i386=1; fi
fi

# A partly failed update is not the end: apt keeps the lists that came (or the
# old ones), so the install is tried from them and says what is missing.
i386_index_broken=0
if ! $SUDO apt-get update -qq "${apt_opts[@]}" >"$log_dir/update" 2>&1; then
  failed=$(grep -oE 'Failed to fetch [^ ]+' "$log_dir/update" | sed 's/^Failed to fetch //' | sort -u)
  if [ -n "$failed" ]; then
    while read -r url; do say "the package index update could not fetch $url"; done <<<"$failed"
    grep -q 'binary-i386/' <<<"$failed" && i386_index_broken=1
    say "going on with the package lists that did come"
  else
    cat "$log_dir/update" >&2
    say "apt-get update failed (above); going on with the package lists already here"
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  say "installing: ${missing[*]}"
  if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
         "${apt_opts[@]}" "${missing[@]}" >&2; then
    say "installing the required packages failed (apt's messages above): ${missing[*]}"
    say "try again later if a download failed, or run 'apt-get update' and this script as root"
    exit 1
  fi
fi
fetch_scintilla

# The apt message that says why a package could not be installed, in words.
install_failure_cause() {
  local log=$1
  if grep -q 'Unable to locate package' "$log"; then
    echo "apt does not know $optional"
  elif grep -qE 'generated breaks|held broken packages|but it is not going to be installed|unmet dependencies' "$log"; then
    echo "apt could not resolve $optional"
  elif grep -q 'Failed to fetch' "$log"; then
    echo "apt could not download $(grep -oE 'Failed to fetch [^ ]+' "$log" | head -1 | sed 's/^Failed to fetch //')"
  else
    echo "apt-get install $optional failed ($(grep -E '^E: ' "$log" | head -1 | sed 's/^E: //'))"
  fi
}

if [ $want_optional -eq 1 ]; then
  if DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
       "${apt_opts[@]}" "$optional" >"$log_dir/optional" 2>&1; then
    say "installed the 32-bit Wine loader ($optional)"
  else
    cause=$(install_failure_cause "$log_dir/optional")
    [ $i386_index_broken -eq 1 ] && cause="$cause (the package index for i386 is incomplete)"
    echo "32-bit Wine could not be installed: $cause; the 32-bit program is still built, its tests are skipped" >&2
    # A failed unpack must not leave packages half-configured for the next apt run.
    if [ -n "$($SUDO dpkg --audit 2>/dev/null)" ]; then $SUDO dpkg --configure -a >&2 || true; fi
    [ $added_i386 -eq 1 ] &&
      say "the i386 architecture added for it stays configured in dpkg (harmless; 'dpkg --remove-architecture i386' takes it back)"
  fi
fi
exit 0
