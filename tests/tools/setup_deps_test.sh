#!/usr/bin/env bash
# tools/setup-deps.sh against stand-in apt-get, dpkg and dpkg-query on PATH:
# a broken i386 index, one index file that fails, a required install that
# fails, a machine that has everything, and a Scintilla fetch that fails (the
# fetch is a stand-in too). Touches no real package system.
set -uo pipefail
setup=$(cd "$(dirname "$0")/../.." && pwd)/tools/setup-deps.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/setup-deps-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir -p "$bin"

cat >"$bin/dpkg-query" <<'S'
#!/bin/sh
for p; do :; done
grep -qxF "$p" "$STATE/installed" && { printf 'install ok installed'; exit 0; }
exit 1
S
cat >"$bin/dpkg" <<'S'
#!/bin/sh
case $1 in
  --print-foreign-architectures) cat "$STATE/archs" ;;
  --add-architecture) echo "$2" >>"$STATE/archs" ;;
  --audit|--configure) ;;
  *) exit 2 ;;
esac
S
# SCENARIO: i386 (the i386 index is short, wine32:i386 unresolvable),
# index (one amd64 index fails, all installs), required (the install fails).
cat >"$bin/apt-get" <<'S'
#!/bin/sh
echo "apt-get $*" >>"$STATE/calls"
case " $* " in *" update "*)
  case $SCENARIO in
    i386) echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 1.2.3.4 80]" >&2
          echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2; exit 100 ;;
    index) echo "W: Failed to fetch http://deb.example/debian/dists/bookworm-updates/main/binary-amd64/Packages.xz  Hash Sum mismatch" >&2
           echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2; exit 100 ;;
  esac; exit 0 ;;
esac
case " $* " in *" wine32:i386 "*)
  if [ "$SCENARIO" = i386 ]; then
    echo " libkrb5-3:i386 : Depends: libssl3:i386 (>= 3.0.0) but it is not going to be installed"
    echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages." >&2
    exit 100
  fi ;;
esac
[ "$SCENARIO" = required ] && { echo "E: Unable to fetch some archives, maybe run apt-get update or try with --fix-missing?" >&2; exit 100; }
for p; do case $p in -*|install|*=*) ;; *) echo "$p" >>"$STATE/installed" ;; esac; done
S
printf '#!/bin/sh\nexec "$@"\n' >"$bin/sudo"
cat >"$bin/fetch-scintilla" <<'S'
#!/bin/sh
echo fetched >>"$STATE/fetched"
[ "$SCENARIO" = fetch ] && { echo "fetch-scintilla.sh: apt-get source failed" >&2; exit 1; }
exit 0
S
export VELLUMO_FETCH_SCINTILLA=$bin/fetch-scintilla
chmod +x "$bin"/*

failures=0
check() {  # check NAME CONDITION-DESCRIPTION COMMAND...
  local name=$1 what=$2; shift 2
  if ! "$@"; then echo "FAIL [$name]: $what"; failures=$((failures + 1)); fi
}
run() {  # run SCENARIO [preinstalled...]: sets out and rc
  export STATE=$work/state-$1 SCENARIO=$1
  rm -rf "$STATE"; mkdir -p "$STATE"; : >"$STATE/archs"; : >"$STATE/calls"
  shift; printf '%s\n' "$@" >"$STATE/installed"
  rc=0
  out=$(PATH=$bin:$PATH bash "$setup" 2>&1) || rc=$?
}
has() { grep -qF -- "$1" <<<"$out"; }

run i386
check i386 "exits 0 when only the 32-bit loader fails (got $rc)" test $rc -eq 0
check i386 "names the index file that failed" has "could not fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz"
check i386 "names the cause in one line" has "32-bit Wine could not be installed: apt could not resolve wine32:i386 (the package index for i386 is incomplete); the 32-bit program is still built, its tests are skipped"
check i386 "says the added architecture stays" has "i386 architecture added for it stays configured"
check i386 "installs the required packages" grep -qx wine64 "$STATE/installed"
check i386 "asks apt to retry downloads" grep -q 'Acquire::Retries=3' "$STATE/calls"
check i386 "fetches Scintilla's source" test -s "$STATE/fetched"

run index
check index "exits 0 (got $rc)" test $rc -eq 0
check index "names the index file that failed" has "could not fetch http://deb.example/debian/dists/bookworm-updates/main/binary-amd64/Packages.xz"
check index "goes on with the lists that came" has "going on with the package lists that did come"
check index "installs the 32-bit loader" grep -qx 'wine32:i386' "$STATE/installed"
check index "does not blame the i386 index" eval '! has "index for i386"'

run required
check required "exits 1 (got $rc)" test $rc -eq 1
check required "says what failed" has "installing the required packages failed"
check required "says what to try" has "try again later"
check required "stops before the 32-bit loader" eval '! grep -q "wine32:i386" "$STATE/calls"'

mapfile -t all < <(sed -n '/^native_pkgs=(/,/^optional=/p' "$setup" | grep -oE '[a-z0-9][a-z0-9.+:-]+' |
                   grep -vE '^(native_pkgs|cross_pkgs|wine_pkgs|doc_pkgs|required|optional)$')
run none "${all[@]}"
check none "exits 0 when all is there (got $rc)" test $rc -eq 0
check none "calls no apt" test ! -s "$STATE/calls"
check none "still fetches Scintilla's source" test -s "$STATE/fetched"

run fetch "${all[@]:0:${#all[@]}-1}"
check fetch "exits 1 (got $rc)" test $rc -eq 1
check fetch "passes on what failed" has "apt-get source failed"
check fetch "says the set-up stops" has "fetching Scintilla's source failed"
check fetch "stops before the 32-bit loader" eval '! grep -q "wine32:i386" "$STATE/calls"'

[ $failures -eq 0 ] && echo "setup-deps.sh: all scenarios behave"
exit $((failures > 0))
