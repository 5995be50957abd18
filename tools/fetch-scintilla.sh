#!/usr/bin/env bash
# Fetches Scintilla's source from Debian's scite source package into the cache
# outside the tree, checks it against the pinned sums, and lays out the pristine
# tree and the patched one the Windows builds compile.
# Cache: ${VELLUMO_CACHE_DIR:-$HOME/.cache/vellumo}/scintilla-VERSION/
#   download/           the .dsc and orig tarball, as apt fetched them
#   scintilla/          the tarball's scintilla/ folder, untouched
#   patched-KEY/scintilla/  the same with cmake/scintilla/*.patch applied,
#                       KEY the first 16 hex digits of the patches' SHA-256
#   reference-KEY/scintilla/  with all but the wrap-*.patch ones: what the
#                       wrap patch's test and benchmark compare against
# Present and verified: no network. Apt runs with a private configuration
# (its own source list, lists, cache) and needs no root.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
pin=$root/cmake/scintilla/source.txt
say() { echo "fetch-scintilla.sh: $*" >&2; }
fail() { say "$1"; say "try: $2"; exit 1; }

value() { sed -n "s/^$1=//p" "$pin"; }
version=$(value SCINTILLA_VERSION)
version_txt=$(value SCINTILLA_VERSION_TXT)
debver=$(value SCITE_DEBIAN_VERSION)
suite=$(value SCITE_SUITE)
dsc=scite_${debver}.dsc
orig=scite_${debver%-*}.orig.tar.gz
declare -A sums=([$dsc]=$(value SCITE_DSC_SHA256) [$orig]=$(value SCITE_ORIG_SHA256))

cache=${VELLUMO_CACHE_DIR:-$HOME/.cache/vellumo}/scintilla-$version
download=$cache/download
mkdir -p "$download" || fail "cannot create the cache folder $cache" "set VELLUMO_CACHE_DIR to a writable folder"

verified() {  # verified DIR: both files there with their pinned sums
  local f
  for f in "$dsc" "$orig"; do
    [ -f "$1/$f" ] || return 1
    [ "$(sha256sum "$1/$f" | cut -d' ' -f1)" = "${sums[$f]}" ] || return 1
  done
}

# The Debian archive the system itself uses, else the main one.
archive_uri() {
  local uri
  uri=$(awk '/^URIs:/ { u = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == s) { print u; exit } }' \
          s="$suite" /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  echo "${uri:-http://deb.debian.org/debian}"
}

download_source() {
  local tmp uri
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-scite.XXXXXX")
  trap 'rm -rf "$tmp"' RETURN
  uri=$(archive_uri)
  mkdir -p "$tmp/lists/partial" "$tmp/cache/archives/partial" "$tmp/parts" "$tmp/get"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $suite main" >"$tmp/sources.list"
  cat >"$tmp/apt.conf" <<CONF
Dir::Etc::SourceList "$tmp/sources.list";
Dir::Etc::SourceParts "$tmp/parts";
Dir::State::Lists "$tmp/lists";
Dir::Cache "$tmp/cache";
Debug::NoLocking "true";
CONF
  say "downloading scite $debver from $uri"
  APT_CONFIG=$tmp/apt.conf apt-get update -qq >"$tmp/log" 2>&1 ||
    { cat "$tmp/log" >&2; fail "apt-get update of the scite source index from $uri failed (above)" \
        "check the network, then run tools/setup-deps.sh again"; }
  (cd "$tmp/get" && APT_CONFIG=$tmp/apt.conf apt-get source -qq --download-only "scite=$debver") >"$tmp/log" 2>&1 ||
    { cat "$tmp/log" >&2; fail "apt-get source scite=$debver failed (above)" \
        "check that $suite still carries scite $debver, then run tools/setup-deps.sh again"; }
  verified "$tmp/get" ||
    fail "the downloaded $dsc or $orig does not match the SHA-256 pinned in cmake/scintilla/source.txt" \
      "remove $cache and run tools/setup-deps.sh again; a mismatch that stays means the archive changed"
  mv "$tmp/get/$dsc" "$tmp/get/$orig" "$download/"
}

verified "$download" || download_source

# The pristine tree, stamped with the tarball's sum once fully unpacked.
stamp=.vellumo-source
pristine=$cache/scintilla
if [ "$(cat "$pristine/$stamp" 2>/dev/null)" != "${sums[$orig]}" ]; then
  rm -rf "$pristine" "$cache/unpack"
  mkdir -p "$cache/unpack"
  tar --no-same-owner -xzf "$download/$orig" -C "$cache/unpack" --wildcards '*scintilla/*' ||
    fail "unpacking scintilla/ from $orig failed" "remove $cache and run tools/setup-deps.sh again"
  top=$(find "$cache/unpack" -maxdepth 2 -type d -name scintilla | head -1)
  [ -n "$top" ] || fail "$orig holds no scintilla/ folder" "remove $cache and run tools/setup-deps.sh again"
  mv "$top" "$pristine"
  rm -rf "$cache/unpack"
  [ "$(tr -d '\r\n' <"$pristine/version.txt")" = "$version_txt" ] ||
    fail "scintilla/version.txt does not read $version_txt" "remove $cache and run tools/setup-deps.sh again"
  echo "${sums[$orig]}" >"$pristine/$stamp"
fi

# A tree with a set of patches applied, one per set, so a changed patch is
# applied afresh: NAME-KEY/scintilla, KEY from the patches' contents.
shopt -s nullglob
lay_out() {
  local name=$1
  shift
  local key dir p
  key=$(cat "$@" </dev/null | sha256sum | cut -c1-16)
  dir=$cache/$name-$key
  if [ ! -f "$dir/scintilla/$stamp" ]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    cp -a "$pristine" "$dir/scintilla"
    rm "$dir/scintilla/$stamp"
    for p in "$@"; do
      patch -s -p1 -F0 --no-backup-if-mismatch -d "$dir/scintilla" <"$p" ||
        { rm -rf "$dir"; fail "the patch $p does not apply to Scintilla $version" "fix the patch"; }
    done
    echo "$key" >"$dir/scintilla/$stamp"
  fi
  echo "$dir"
}
patches=("$root"/cmake/scintilla/*.patch)
# The reference for the wrap patch's test: every patch but the wrapping ones.
reference_patches=()
for p in "${patches[@]}"; do
  case $(basename "$p") in wrap-*) ;; *) reference_patches+=("$p") ;; esac
done
patched=$(lay_out patched "${patches[@]}")
lay_out reference "${reference_patches[@]}" >/dev/null
say "Scintilla $version ready in $patched/scintilla"
