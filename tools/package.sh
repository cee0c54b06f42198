#!/usr/bin/env bash
# Builds the release package build/package/REZORE32-<version>.zip:
#   README.md, include/rezore32.h
#   bin/x86/REZORE32.DLL             the product (32-bit)
#   bin/x64/REZORE32.DLL             the 64-bit build
#   bin/{x86,x64}/rezore32_gallery.exe  the gallery, beside each DLL
#   lib/{x86,x64}/REZORE32.lib       import libraries (MinGW ld and Visual Studio link)
#   lib/{x86,x64}/libREZORE32.dll.a  the same archive under MinGW's name
#   lib/{x86,x64}/REZORE32.def       the names each DLL exports
#   lib/cmake/REZORE32/              find_package(REZORE32) configuration
#   docs/pictures/                   the README's pictures, made now by the
#                                    gallery (win95/: in Windows 95 colours)
# Before packing it builds both DLLs a second time in other build trees
# (build/repro/) and fails unless each is byte for byte the same.  The zip's
# entries carry the time of the last commit, so the same files give the
# same zip.
#   tools/package.sh [--no-build] [--out DIR]
#   --no-build: use build/x86 and build/x64 as they are (the test suite)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=build/package
build=1
while [ $# -gt 0 ]; do
  case $1 in
    --no-build) build=0 ;;
    --out) out=$2; shift ;;
    *) echo "usage: tools/package.sh [--no-build] [--out DIR]" >&2; exit 2 ;;
  esac
  shift
done

if [ $build = 1 ]; then
  bash tools/build.sh x86
  bash tools/build.sh x64
fi

# Two builds of the same sources in different trees give the same DLLs.
for arch in x86 x64; do
  cmake --preset repro-$arch >/dev/null
  cmake --build --preset repro-$arch -j2 --target rezore32 >/dev/null
  if ! cmp build/$arch/bin/REZORE32.DLL build/repro/$arch/bin/REZORE32.DLL; then
    echo "package: the $arch DLLs of build/$arch and build/repro/$arch differ" >&2
    exit 1
  fi
done
echo "package: both DLLs are byte for byte the same from a second build tree"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' build/x86/CMakeCache.txt)
name=REZORE32-$version
stage=$out/$name
rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage"/{include,bin/x86,bin/x64,lib/x86,lib/x64,lib/cmake/REZORE32}
cp README.md "$stage/"
cp include/rezore32.h "$stage/include/"
for arch in x86 x64; do
  cp build/$arch/bin/REZORE32.DLL build/$arch/bin/rezore32_gallery.exe "$stage/bin/$arch/"
  cp build/$arch/bin/REZORE32.lib "$stage/lib/$arch/"
  cp build/$arch/bin/REZORE32.lib "$stage/lib/$arch/libREZORE32.dll.a"
done
cp res/rezore32.def "$stage/lib/x86/REZORE32.def"
cp build/x64/rezore32_x64.def "$stage/lib/x64/REZORE32.def"
cp build/x86/package/REZORE32Config*.cmake "$stage/lib/cmake/REZORE32/"

# The pictures, made by the gallery of this build.
if [ -z "${REZORE32_IN_SESSION:-}" ]; then
  source tools/wine-session.sh
  rezore32_start_session
fi
bash tools/pictures.sh "$stage/docs/pictures"
mkdir -p "$stage/docs/pictures/win95"
bash tools/wine-run.sh build/x64/bin/rezore32_gallery_win95.exe --screenshot "Z:$(cd "$stage" && pwd)/docs/pictures/win95/gallery.png"
python3 tools/pngpack.py "$stage"/docs/pictures/win95/*.png

stamp=$(git log -1 --format=%ct 2>/dev/null || echo 315532800)
python3 - "$out/$name.zip" "$out" "$name" "$stamp" <<'PY'
import os, sys, time, zipfile
zip_path, base, name, stamp = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
when = time.gmtime(max(stamp, 315532800))[:6]
files = sorted(os.path.relpath(os.path.join(d, f), base)
               for d, _, fs in os.walk(os.path.join(base, name)) for f in fs)
with zipfile.ZipFile(zip_path, 'w') as z:
    for rel in files:
        info = zipfile.ZipInfo(rel.replace(os.sep, '/'), when)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = (0o755 if rel.lower().endswith(('.exe', '.dll')) else 0o644) << 16
        info.create_system = 3
        with open(os.path.join(base, rel), 'rb') as f:
            z.writestr(info, f.read(), compresslevel=9)
print(f"package: {zip_path} ({os.path.getsize(zip_path) // 1024} KB, {len(files)} files)")
PY
sha256sum build/x86/bin/REZORE32.DLL build/x64/bin/REZORE32.DLL
