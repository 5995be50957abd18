# Sourced, not run: the one place that decides which Windows architectures
# this machine can run under Wine, and how to start Wine for each.
#   win32: the 32-bit loader, only where the kernel runs 32-bit code
#   win64: the 64-bit loader, called directly (Debian's `wine` wrapper always
#          picks the 32-bit one when it is installed)
# VELLUMO_WIN64_ONLY=1 takes the 64-bit-only path on a machine that runs both.

vellumo_wine_loader() {
  case $1 in
    win32) echo /usr/lib/wine/wine ;;
    win64) echo /usr/lib/wine/wine64 ;;
    *) echo "unknown Windows architecture '$1'" >&2; return 2 ;;
  esac
}

# Whether this kernel runs 32-bit x86 code at all, told by a tiny static i386
# program (binutils), so the reason a 32-bit run is skipped names the cause
# even where the 32-bit loader is not installed. Cached for child scripts.
vellumo_kernel_runs_32bit() {
  if [ -z "${VELLUMO_KERNEL_RUNS_32BIT:-}" ]; then
    local dir status=0
    dir=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-i386.XXXXXX")
    if printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
         as --32 -o "$dir/t.o" - 2>/dev/null && ld -m elf_i386 -o "$dir/t" "$dir/t.o" 2>/dev/null; then
      "$dir/t" 2>/dev/null || status=$?
      VELLUMO_KERNEL_RUNS_32BIT=yes
      [ $status -ne 0 ] && VELLUMO_KERNEL_RUNS_32BIT=no
    else
      VELLUMO_KERNEL_RUNS_32BIT=unknown   # no binutils: the loader tells
    fi
    rm -rf "$dir"
    export VELLUMO_KERNEL_RUNS_32BIT
  fi
  [ "$VELLUMO_KERNEL_RUNS_32BIT" != no ]
}

# Succeeds when ARCH can run here; otherwise sets VELLUMO_WINE_WHY.
vellumo_wine_can_run() {
  local arch=$1 loader
  loader=$(vellumo_wine_loader "$arch") || return 2
  VELLUMO_WINE_WHY=""
  if [ "$arch" = win32 ] && [ "${VELLUMO_WIN64_ONLY:-0}" = 1 ]; then
    VELLUMO_WINE_WHY="VELLUMO_WIN64_ONLY=1 is set"
    return 1
  fi
  if [ "$arch" = win32 ] && ! vellumo_kernel_runs_32bit; then
    VELLUMO_WINE_WHY="this kernel cannot run 32-bit code"
    return 1
  fi
  if [ ! -x "$loader" ]; then
    if [ "$arch" = win32 ]; then
      VELLUMO_WINE_WHY="32-bit Wine is not installed (see the set-up's message above)"
    else
      VELLUMO_WINE_WHY="64-bit Wine ($loader) is not installed (tools/setup-deps.sh installs it)"
    fi
    return 1
  fi
  local status=0
  "$loader" --version >/dev/null 2>&1 || status=$?
  if [ $status -eq 126 ] || [ $status -eq 8 ]; then
    VELLUMO_WINE_WHY="this kernel cannot run 32-bit code"
    [ "$arch" = win64 ] && VELLUMO_WINE_WHY="this kernel cannot run $loader"
    return 1
  elif [ $status -ne 0 ]; then
    VELLUMO_WINE_WHY="$loader --version failed with status $status"
    return 1
  fi
}

# The architectures this machine runs, 32-bit first.
vellumo_wine_archs() {
  local a out=()
  for a in win32 win64; do vellumo_wine_can_run "$a" && out+=("$a"); done
  echo "${out[*]}"
}

# win32 or win64 from a Windows program's PE header.
vellumo_pe_arch() {
  local file=$1 pe machine
  pe=$(od -An -tu4 -j60 -N4 "$file" 2>/dev/null | tr -d ' ') || return 1
  [ -n "$pe" ] || return 1
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$file" | tr -d ' ')
  case $machine in
    014c) echo win32 ;;
    8664) echo win64 ;;
    *) echo "$file: not a Windows program for i686 or x86_64 (machine '$machine')" >&2; return 1 ;;
  esac
}

# Exports what Wine needs for ARCH in PREFIX; `vellumo_wine` then runs a
# program, `vellumo_wineserver` the server.
vellumo_wine_setenv() {
  local arch=$1 prefix=$2
  export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree=" LANG=C.UTF-8
  WINELOADER=$(vellumo_wine_loader "$arch")
  export WINELOADER
}
vellumo_wine() { "$WINELOADER" "$@"; }
vellumo_wineserver() { /usr/lib/wine/wineserver "$@"; }

# The architecture to run the program in: 64-bit, which runs on every machine
# of this kind, else 32-bit. Says on standard error why one is passed over;
# fails when none runs.
vellumo_wine_pick_arch() {
  local a
  for a in win64 win32; do
    if vellumo_wine_can_run "$a"; then echo "$a"; return 0; fi
    echo "not the ${a#win}-bit build: $VELLUMO_WINE_WHY" >&2
  done
  return 1
}
