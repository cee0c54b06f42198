#!/usr/bin/env bash
# Builds and shows the gallery.  On a machine without a display it runs on
# Xvfb and saves screenshots instead: build/gallery.png (Windows NT colours)
# and build/gallery-win95.png (Windows 95 colours), each with a -jump.png of
# the calendar's year-and-month jump dialog, one of each further page
# (-basic1.png, -basic2.png, -folder.png ...) and -popups, -inform, -tip,
# -popview and -tenkey pictures of the pop-ups.  Options are passed to
# the gallery, e.g. --screenshot FILE.png.
#   tools/gallery.sh --pictures docs/pictures   remakes the README's pictures
#   (tools/pictures.sh): the screenshots and one picture of each control.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/build.sh x64 rezore32_gallery
had_display=${DISPLAY:-}
source tools/wine-session.sh
rezore32_start_session
bin=build/x64/bin
if [ "${1:-}" = --pictures ] && [ $# -eq 2 ]; then
  bash tools/pictures.sh "$2"
elif [ -n "$had_display" ] && [ $# -eq 0 ]; then
  wine "$bin/rezore32_gallery.exe"
elif [ $# -gt 0 ]; then
  wine "$bin/rezore32_gallery.exe" "$@"
else
  wine "$bin/rezore32_gallery.exe" --screenshot "Z:$root/build/gallery.png"
  wine "$bin/rezore32_gallery_win95.exe" --screenshot "Z:$root/build/gallery-win95.png"
  echo "Saved build/gallery.png and build/gallery-win95.png"
fi
