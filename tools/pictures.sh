#!/usr/bin/env bash
# Saves the pictures the README shows into DIR with the gallery already
# built in build/x64: the gallery's screenshots (DIR/gallery.png,
# DIR/gallery-jump.png, ... of every page, pop-up and dialog) and one small
# picture of each control cropped from its page (DIR/spin.png ...), packed
# small.  Needs a Wine session (tools/gallery.sh --pictures DIR starts one;
# tools/package.sh uses this for the package).
#   tools/pictures.sh DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
rm -f "$dir"/*.png
bash "$root/tools/wine-run.sh" "$root/build/x64/bin/rezore32_gallery.exe" --pictures "Z:$dir"
python3 "$root/tools/pngpack.py" "$dir"/*.png
echo "Saved $(ls "$dir"/*.png | wc -l) pictures in $dir ($(du -sk "$dir" | cut -f1) KB)"
