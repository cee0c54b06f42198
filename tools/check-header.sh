#!/usr/bin/env bash
# Compiles tests/header_check.c against include/rezore32.h as C89 to C17 and
# C++98 to C++20, with and without STRICT, WIN32_LEAN_AND_MEAN and UNICODE,
# for x86 and x64, with warnings as errors; then checks that each misuse
# case of the file fails to compile.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source=$root/tests/header_check.c
warnings=(-Wall -Wextra -Werror -pedantic)
strict=(-DSTRICT -DWIN32_LEAN_AND_MEAN -DUNICODE -D_UNICODE)
failed=0
compile() {  # triplet language standard flags...
    local triplet=$1 language=$2 std=$3
    shift 3
    local compiler=$triplet-gcc-posix
    [ "$language" = c++ ] && compiler=$triplet-g++-posix
    "$compiler" -x "$language" -std="$std" "${warnings[@]}" "$@" -I"$root/include" -fsyntax-only "$source"
}
for triplet in i686-w64-mingw32 x86_64-w64-mingw32; do
    for mode in plain strict; do
        defines=()
        [ $mode = strict ] && defines=("${strict[@]}")
        for std in c89 c99 c11 c17 c++98 c++03 c++11 c++14 c++17 c++20; do
            language=c
            [[ $std == c++* ]] && language=c++
            if compile "$triplet" "$language" "$std" "${defines[@]}"; then
                echo "ok      $triplet $std $mode"
            else
                echo "FAILED  $triplet $std $mode"
                failed=1
            fi
        done
    done
    for misuse in ICON WINDOW ARGUMENTS DATE; do
        for std in c99 c++17; do
            language=c
            [[ $std == c++* ]] && language=c++
            # Refused, and for the misuse: the error lies in Misuse().
            if ! errors=$(compile "$triplet" "$language" "$std" "${strict[@]}" -DMISUSE_$misuse 2>&1) &&
                grep -q "Misuse" <<<"$errors"; then
                echo "ok      $triplet $std: misuse $misuse refused"
            else
                echo "FAILED  $triplet $std: misuse $misuse not refused for itself"
                failed=1
            fi
        done
    done
done
exit $failed
