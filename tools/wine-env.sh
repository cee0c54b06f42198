# Sourced by the scripts that run Windows programs: one Wine prefix for the
# project, code page 932, and quiet Wine.
REZORE32_ROOT=${REZORE32_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${REZORE32_WINEPREFIX:-$REZORE32_ROOT/build/wineprefix}
export WINEARCH=win64
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winedbg.exe=}  # a crash ends the program, no debugger waits
