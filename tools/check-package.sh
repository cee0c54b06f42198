#!/usr/bin/env bash
# Checks a release package (tools/package.sh) from its zip alone: every file
# it should hold is there, each DLL is of its machine, and an application
# made only from the package's contents builds with find_package for x86 and
# x64 (and with MinGW's -lREZORE32 and libREZORE32.dll.a) and runs for x64
# under Wine.
#   tools/check-package.sh PACKAGE.zip
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 -m zipfile -e "$zip" "$work/unpacked"
pkg=$(echo "$work"/unpacked/REZORE32-*)
status=0
fail() { echo "check-package: $*"; status=1; }

if [ -z "${REZORE32_IN_SESSION:-}" ]; then
  source "$root/tools/wine-session.sh"
  rezore32_start_session
fi

for f in README.md include/rezore32.h lib/cmake/REZORE32/REZORE32Config.cmake \
         lib/cmake/REZORE32/REZORE32ConfigVersion.cmake \
         docs/pictures/gallery.png docs/pictures/win95/gallery.png \
         {bin/x86,bin/x64}/{REZORE32.DLL,rezore32_gallery.exe} {lib/x86,lib/x64}/{REZORE32.lib,libREZORE32.dll.a,REZORE32.def}; do
  [ -s "$pkg/$f" ] || fail "missing $f"
done
# Every picture the README names is in the package.
for f in $(grep -o 'docs/[A-Za-z0-9_/.-]*\.png' "$pkg/README.md" | sort -u); do
  [ -s "$pkg/$f" ] || fail "README shows $f, which the package lacks"
done
for arch in x86:IMAGE_FILE_MACHINE_I386 x64:IMAGE_FILE_MACHINE_AMD64; do
  for f in REZORE32.DLL rezore32_gallery.exe; do
    machine=$(llvm-readobj --file-headers "$pkg/bin/${arch%%:*}/$f" | awk '/Machine:/{print $2; exit}')
    [ "$machine" = "${arch#*:}" ] || fail "bin/${arch%%:*}/$f is $machine"
  done
done

# The application, with CMake as the package's users build it.
for arch in x86:i686 x64:x86_64; do
  a=${arch%%:*} triplet=${arch#*:}
  if ! cmake -S "$root/tests/package_client" -B "$work/client-$a" -DCMAKE_BUILD_TYPE=Release \
         --toolchain "$root/cmake/mingw-$triplet.cmake" -DCMAKE_PREFIX_PATH="$pkg" >"$work/log" 2>&1 ||
     ! cmake --build "$work/client-$a" >>"$work/log" 2>&1; then
    cat "$work/log"; fail "the CMake client does not build for $a"; continue
  fi
  echo "check-package: the CMake client builds for $a"
  # MinGW's own ways: -L -lREZORE32, and the archive by its MinGW name.
  for lib in "-L$pkg/lib/$a -lREZORE32" "$pkg/lib/$a/libREZORE32.dll.a"; do
    # shellcheck disable=SC2086
    $triplet-w64-mingw32-gcc-posix -I"$pkg/include" "$root/tests/package_client/client.c" $lib \
      -o "$work/client-$a/mingw.exe" || fail "the client does not link for $a with $lib"
  done
done
if [ -e "$work/client-x64/client.exe" ]; then
  if (cd "$work/client-x64" && bash "$root/tools/wine-run.sh" ./client.exe); then
    echo "check-package: the x64 client runs"
  else
    fail "the x64 client does not run"
  fi
fi
[ $status = 0 ] && echo "check-package: $(basename "$zip") is complete"
exit $status
