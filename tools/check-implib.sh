#!/usr/bin/env bash
# Links a client that takes the address of every export through the public
# header against each build's REZORE32.lib, with lld-link as Visual Studio
# links (a /SAFESEH image for x86) and with MinGW's ld, and checks that the
# client imports exactly the names the DLL exports.
#   check-implib.sh [--mingw-only] BUILD_DIR...   (build/x86, build/x64)
# --mingw-only links with MinGW's ld alone (for libraries made by dlltool,
# whose objects a /SAFESEH image cannot take).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linkers="msvc mingw"
if [ "${1:-}" = --mingw-only ]; then linkers=mingw; shift; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One address per export, named as the header declares it.
names=$(grep -oE '^[[:space:]]+_[A-Za-z0-9]+@[0-9]+' "$root/res/rezore32.def" | sed -E 's/^[[:space:]]+_//; s/@[0-9]+$//')
{
  echo '#include "rezore32.h"'
  echo 'static const void *const exports[] = {'
  for n in $names; do echo "    (const void *)$n,"; done
  echo '};'
  echo 'int client_entry(void) { return exports[0] != 0; }'
  echo '#ifdef WITH_MAIN'
  echo 'int main(void) { return client_entry(); }'
  echo '#endif'
} > "$work/client.c"

imports() {  # the names an image imports from REZORE32.DLL, sorted
  llvm-readobj --coff-imports "$1" | awk '/Name: REZORE32.DLL/{f=1;next} /Name: /{f=0} f && /Symbol:/{print $2}' | sort
}
exports() {
  llvm-readobj --coff-exports "$1" | awk '/Name: /{print $2}' | sort
}

status=0
for build in "$@"; do
  lib=$build/bin/REZORE32.lib
  dll=$build/bin/REZORE32.DLL
  case $(llvm-readobj --file-headers "$dll" | awk '/Machine:/{print $2; exit}') in
    IMAGE_FILE_MACHINE_I386) arch=i686; machine=x86; safeseh=/safeseh; entry=client_entry ;;
    *) arch=x86_64; machine=x64; safeseh=; entry=client_entry ;;
  esac
  exes=()
  if [[ $linkers == *msvc* ]]; then
    clang --target=$arch-w64-windows-gnu -I"$root/include" -c "$work/client.c" -o "$work/client-$machine.obj"
    lld-link /nologo /machine:$machine $safeseh /entry:$entry /subsystem:console /nodefaultlib \
      "$work/client-$machine.obj" "$lib" /out:"$work/msvc-$machine.exe"
    exes+=("$work/msvc-$machine.exe")
  fi
  $arch-w64-mingw32-gcc-posix -DWITH_MAIN -I"$root/include" "$work/client.c" "$lib" -o "$work/mingw-$machine.exe"
  exes+=("$work/mingw-$machine.exe")
  for exe in "${exes[@]}"; do
    if ! diff <(exports "$dll") <(imports "$exe") >"$work/diff"; then
      echo "$(basename "$exe"): imports differ from the exports of $dll:"; cat "$work/diff"; status=1
    else
      echo "$(basename "$exe"): imports all $(exports "$dll" | wc -l) exports"
    fi
  done
done
exit $status
