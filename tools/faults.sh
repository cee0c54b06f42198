#!/usr/bin/env bash
# Plants known faults in the sources one at a time and checks that the test
# suite catches each: builds the 64-bit tests with the fault, runs them
# under Wine (the whole suite, or the filter a fault names), and puts the
# source back.  Faults are listed in tools/faults/*.txt, one a line:
#   path<TAB>text as it stands<TAB>text with the fault<TAB>gtest filter or *<TAB>what it is[<TAB>95]
# A last field 95 runs the Windows 95 copy of the tests instead (faults of
# the Windows 95 colour path).
# The text as it stands must occur exactly once in the file.
# Usage: tools/faults.sh [list files...]   Exit status: the number of faults missed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=(tools/faults/*.txt)
source tools/wine-session.sh
rezore32_start_session
bash tools/build.sh x64 rezore32_tests >/dev/null || exit 100
missed=0
backup=$(mktemp)
current=""
restore() { [ -n "$current" ] && cp "$backup" "$current"; current=""; }
trap 'restore; rm -f "$backup"; rezore32_session_cleanup' EXIT
trap 'exit 130' INT TERM
# Tabs become unit separators, which read does not merge: a field may be empty.
while IFS=$'\037' read -r path before after filter what mode; do
    [ -z "$path" ] || [ "${path:0:1}" = "#" ] && continue
    cp "$path" "$backup"
    current=$path
    if ! python3 - "$path" "$before" "$after" <<'PY'
import sys
path, before, after = sys.argv[1:4]
text = open(path, encoding='utf-8').read()
if text.count(before) != 1:
    sys.exit(f"{path}: the text occurs {text.count(before)} times: {before}")
open(path, 'w', encoding='utf-8').write(text.replace(before, after))
PY
    then
        echo "SETUP  $what"; missed=$((missed + 1)); restore; continue
    fi
    if ! cmake --build --preset x64 -j2 --target rezore32_tests >/dev/null 2>&1; then
        echo "CAUGHT $what (does not build)"
    elif timeout 600 bash tools/wine-run.sh "build/x64/bin/rezore32_tests${mode:+_win}${mode}.exe" --gtest_brief=1 \
            --gtest_filter="${filter:-*}" >/dev/null 2>&1; then
        echo "MISSED $what"; missed=$((missed + 1))
    else
        echo "CAUGHT $what"
    fi
    restore
done < <(cat "${lists[@]}" | tr '\t' '\037')
cmake --build --preset x64 -j2 --target rezore32_tests >/dev/null 2>&1
exit $missed
