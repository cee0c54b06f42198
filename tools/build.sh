#!/usr/bin/env bash
# Installs what is missing, then configures and builds one preset (x86 or
# x64), optionally only the given targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
preset=$1
shift
bash tools/setup.sh
cmake --preset "$preset" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build --preset "$preset" -j"$(nproc)" "${targets[@]}"
