#!/usr/bin/env bash
# Builds both DLLs and runs the tests under Wine64 (on Xvfb when there is
# no display), in Windows NT mode and in Windows 95 mode.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
cmake --preset x86 >/dev/null
cmake --build --preset x86 -j"$(nproc)"
cmake --preset x64 >/dev/null
cmake --build --preset x64 -j"$(nproc)"
source tools/wine-session.sh
rezore32_start_session
ctest --preset x64 "$@"
