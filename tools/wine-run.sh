#!/usr/bin/env bash
# Runs a Windows program of the build under Wine with the project's prefix.
# Used by CTest as the cross-compiling emulator.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
