#!/usr/bin/env bash
# Builds both DLLs and runs the tests under Wine64 (on Xvfb when there is
# no display), in Windows NT mode and in Windows 95 mode.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/build.sh x86
bash tools/build.sh x64
source tools/wine-session.sh
rezore32_start_session
ctest --preset x64 "$@"
