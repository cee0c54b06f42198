#!/usr/bin/env bash
# Runs the command lines of the README's "Getting started" and "Making your
# own import library" sections as they stand there, so that neither can go
# stale.
#   check-readme.sh example X86_BUILD X64_BUILD
#     The code shown must be the code in examples/.  The example is built
#     with the MinGW lines for x86 and x64 and with the Visual Studio lines
#     (rc and link as lld-link; cl, which cannot run here, as clang on the
#     same file); every x64 program runs its --selftest under Wine.
#   check-readme.sh implib X86_BUILD X64_BUILD
#     Each line makes a library from its build's REZORE32.def; a client is
#     linked with it (MinGW dlltool's with MinGW, the LLVM tools' with MinGW
#     and as Visual Studio links) and must import exactly the DLL's exports.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=$1
declare -A build=([x86]=$(cd "$2" && pwd) [x64]=$(cd "$3" && pwd))
declare -A triplet=([x86]=i686-w64-mingw32 [x64]=x86_64-w64-mingw32)
declare -A clang_target=([x86]=i686-w64-windows-gnu [x64]=x86_64-w64-windows-gnu)
declare -A dlltool_machine=([x86]=i386 [x64]=i386:x86-64)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The lines of the README section headed $1 inside fences opened with $2.
section_block() {
  awk -v head="$1" -v fence="$2" '
    /^## / { in_section = ($0 == head) }
    in_section && /^```/ { in_block = !in_block && ($0 == fence); next }
    in_section && in_block' "$root/README.md"
}
# The build a command line is for.
machine_of() {
  case $1 in
    *i686-*|*/machine:x86\ *) echo x86 ;;
    *x86_64-*|*/machine:x64\ *|*i386:x86-64*) echo x64 ;;
    *) echo "no build named in: $1" >&2; return 1 ;;
  esac
}
fail() { echo "FAIL: $*"; status=1; }
status=0

# ------------------------------------------------------------- example
# A stand-in for what Visual Studio brings: the C runtime's start-up code and
# the system import libraries in the format its linker needs for /SAFESEH.
vs_support() {  # ARCH DIR
  local arch=$1 dir=$2 lib
  cat > "$dir/crt.c" <<'EOF'
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);
void WinMainCRTStartup(void)
{
    char *args = GetCommandLineA();
    char end = *args == '"' ? '"' : ' ';
    args += end == '"';
    while (*args && *args != end) args++;
    if (*args == '"') args++;
    while (*args == ' ') args++;
    ExitProcess(WinMain(GetModuleHandleA(NULL), NULL, args, SW_SHOWDEFAULT));
}
EOF
  clang --target=${clang_target[$arch]} -O2 -c "$dir/crt.c" -o "$dir/crt.obj"
  for lib in user32 kernel32; do
    { echo "LIBRARY ${lib^^}.dll"; echo EXPORTS
      llvm-nm --defined-only "/usr/${triplet[$arch]}/lib/lib$lib.a" 2>/dev/null |
        awk -v arch=$arch '$2 == "I" { sub(/^__imp_/, "", $3); if (arch == "x86") sub(/^_/, "", $3); print "    " $3 }' | sort -u
    } > "$dir/$lib.def"
    llvm-dlltool -k -m ${dlltool_machine[$arch]} -d "$dir/$lib.def" -l "$dir/$lib.lib"
  done
}

# Runs a Visual Studio line: rc as llvm-rc; cl compiles its .c files with
# clang (the MinGW headers stand in for the SDK's) and links as cl would.
vs_line() {  # ARCH LINE
  local arch=$1 tool rest args=() objs=() inputs=() a
  read -r tool rest <<<"$2"
  read -r -a args <<<"$rest"
  case $tool in
    rc) llvm-rc /I "/usr/share/mingw-w64/include" "${args[@]}" ;;
    cl)
      for a in "${args[@]}"; do
        case $a in
          *.c) clang --target=${clang_target[$arch]} -O2 -Wall -Wextra -Werror -c "$a" -o "${a%.c}.obj"
               objs+=("${a%.c}.obj") ;;
          /*) ;;  # compiler options
          *) inputs+=("$a") ;;
        esac
      done
      lld-link /nologo /machine:$arch $([ "$arch" = x86 ] && echo /safeseh) /subsystem:windows \
        /entry:WinMainCRTStartup /nodefaultlib "${objs[@]}" crt.obj "${inputs[@]}" kernel32.lib \
        /out:"${objs[0]%.obj}.exe" ;;
    *) echo "unknown Visual Studio tool: $tool" >&2; return 1 ;;
  esac
}

selftest() {  # EXE
  if "$root/tools/wine-run.sh" "$1" --selftest; then
    echo "$1: --selftest passed"
  else
    fail "$1: --selftest exited with $?"
  fi
}

check_example() {
  local line arch dir
  # The code shown is the code built: each c or rc block is part of a file.
  python3 - "$root" <<'EOF' || fail "the README shows code that examples/ does not have"
import glob, re, sys
root = sys.argv[1]
readme = open(root + "/README.md", encoding="utf-8").read()
section = re.search(r"^## Getting started\n(.*?)(?=^## )", readme, re.M | re.S).group(1)
files = [open(f, encoding="utf-8").read() for f in glob.glob(root + "/examples/*")]
blocks = re.findall(r"^```(?:c|rc)\n(.*?)^```$", section, re.M | re.S)
missing = [b.splitlines()[0] for b in blocks if not any(b in f for f in files)]
for first in missing:
    print("not in examples/: the block that starts " + first)
sys.exit(bool(missing) or len(blocks) < 3)
EOF

  # MinGW: each line in the folder of its build.
  while read -r line; do
    case $line in ''|'#'*) continue ;; esac
    arch=$(machine_of "$line ")
    dir=$work/mingw-$arch
    if [ ! -d "$dir" ]; then
      mkdir "$dir"
      cp "$root"/examples/* "$root/include/rezore32.h" "${build[$arch]}/bin/REZORE32.lib" \
         "${build[$arch]}/bin/REZORE32.DLL" "$dir"
    fi
    (cd "$dir" && eval "$line") || fail "mingw $arch: $line"
  done < <(section_block "## Getting started" '```sh')

  # Visual Studio: the same lines for each build.
  for arch in x86 x64; do
    dir=$work/vs-$arch
    mkdir "$dir"
    cp "$root"/examples/* "$root/include/rezore32.h" "${build[$arch]}/bin/REZORE32.lib" \
       "${build[$arch]}/bin/REZORE32.DLL" "$dir"
    (cd "$dir" && vs_support $arch "$dir" &&
     while read -r line; do
       case $line in ''|rem*) continue ;; esac
       vs_line $arch "$line" || exit 1
     done < <(section_block "## Getting started" '```bat')) || fail "visual studio $arch"
  done

  for dir in mingw-x86 mingw-x64 vs-x86 vs-x64; do
    [ -e "$work/$dir/hello.exe" ] || fail "$dir made no hello.exe"
  done
  # This machine runs 64-bit programs only.
  for dir in mingw-x64 vs-x64; do
    [ -e "$work/$dir/hello.exe" ] && selftest "$work/$dir/hello.exe"
  done
}

# -------------------------------------------------------------- implib
check_implib() {
  local line arch dir lib n=0
  while read -r line; do
    case $line in ''|'#'*) continue ;; esac
    arch=$(machine_of "$line ")
    n=$((n + 1))
    dir=$work/implib-$n
    mkdir -p "$dir/bin"
    cp "${build[$arch]}/bin/REZORE32.def" "$dir"
    (cd "$dir" && eval "$line") || { fail "$line"; continue; }
    lib=$(grep -oE '(-l |/implib:)[^ ]+' <<<"$line" | sed -E 's/^(-l |\/implib:)//')
    # check-implib.sh reads a build folder: this library beside the DLL.
    cp "$dir/$lib" "$dir/bin/REZORE32.lib"
    ln -s "${build[$arch]}/bin/REZORE32.DLL" "$dir/bin/REZORE32.DLL"
    echo "$line"
    case $line in
      lld-link*|llvm-dlltool*)
        [ ! -e "$dir/REZORE32.dll" ] || fail "$line wrote a DLL"
        bash "$root/tools/check-implib.sh" "$dir" || fail "$line" ;;
      *) bash "$root/tools/check-implib.sh" --mingw-only "$dir" || fail "$line" ;;
    esac
  done < <(section_block "## Making your own import library" '```sh')
  [ $n -ge 5 ] || fail "only $n import library lines found"
}

case $mode in
  example) check_example ;;
  implib) check_implib ;;
  *) echo "usage: check-readme.sh example|implib X86_BUILD X64_BUILD" >&2; exit 2 ;;
esac
exit $status
