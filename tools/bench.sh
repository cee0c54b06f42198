#!/usr/bin/env bash
# Builds the 64-bit DLL and the benchmark and runs every side-by-side
# comparison in one run under Wine (on Xvfb when there is no display): the
# spin against the up-down control, the meter and the indicator against the
# progress bar, the folder against the tab control, the calendar against the
# month calendar, and the held spin's processor time.  Prints the details,
# then the report table that the README's Benchmark section shows.
#   tools/bench.sh [--quick]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/build.sh x64 rezore32_bench
source tools/wine-session.sh
rezore32_start_session
wine build/x64/bin/rezore32_bench.exe "$@"
