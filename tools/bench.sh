#!/usr/bin/env bash
# Builds the 64-bit DLL and runs the benchmark under Wine (on Xvfb when
# there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/build.sh x64 rezore32_bench
source tools/wine-session.sh
rezore32_start_session
wine build/x64/bin/rezore32_bench.exe
