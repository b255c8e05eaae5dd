#!/usr/bin/env bash
# Compiles every source with a Windows branch (Q_OS_WIN or _WIN32) with the mingw-w64 cross
# compiler, syntax only, against the installed Qt headers, so the Windows code keeps compiling
# although nothing here can build or link it for Windows. Each file gets the definitions and
# include folders CMake gives it in the build's compile_commands.json; the system folder
# /usr/include is left out (the cross compiler has its own C and C++ library), only the test
# frameworks' headers are taken from it.
# Usage: scripts/check-windows.sh [BUILD_FOLDER]   (default build/, configured already)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
compiler=${VIREO_WIN_CXX:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$compiler" >/dev/null; then
    echo "check-windows: $compiler is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
    echo "check-windows: $build/compile_commands.json is missing: configure the build first" >&2
    exit 1
fi
extra=$(mktemp -d)
trap 'rm -rf "$extra"' EXIT
for framework in gtest gmock benchmark; do
    [ -d "/usr/include/$framework" ] && ln -s "/usr/include/$framework" "$extra/$framework"
done
cd "$root"
list_sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git grep -lE 'Q_OS_WIN|_WIN32' -- '*.cpp' '*.h'
    else
        grep -rlE --include='*.cpp' --include='*.h' 'Q_OS_WIN|_WIN32' . | sed 's|^\./||' |
            grep -vE '^build'
    fi
}
mapfile -t files < <(list_sources | grep -v '^scripts/' | sort)
if [ ${#files[@]} -eq 0 ]; then
    echo "check-windows: no source with a Windows branch" >&2
    exit 1
fi
python3 - "$build/compile_commands.json" "$compiler" "$extra" "${files[@]}" <<'PY' >"$extra/commands"
import json, os, shlex, sys
database, compiler, extra, files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
root = os.getcwd()
entries = {}
for entry in json.load(open(database)):
    path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    entries.setdefault(path, entry)
# A header compiles with the flags of a source in its folder (or of any core source).
def flags_for(path):
    if path in entries:
        return entries[path]
    folder = os.path.dirname(path)
    for source, entry in sorted(entries.items()):
        if os.path.dirname(source) == folder:
            return entry
    for source, entry in sorted(entries.items()):
        if "/CMakeFiles/vireo_core.dir/" in entry.get("output", entry["command"]):
            return entry
    return next(iter(entries.values()))
for name in files:
    path = os.path.realpath(name)
    entry = flags_for(path)
    words = shlex.split(entry["command"]) if "command" in entry else entry["arguments"]
    kept = []
    i = 1
    while i < len(words):
        word = words[i]
        if word in ("-I", "-isystem", "-D") and i + 1 < len(words):
            value = words[i + 1]
            if word != "-D" and os.path.realpath(os.path.join(entry["directory"], value)) == "/usr/include":
                i += 2
                continue
            if word != "-D":
                value = os.path.join(entry["directory"], value)
            kept += [word, value]
            i += 2
            continue
        if word.startswith("-D") or word.startswith("-std="):
            kept.append(word)
        elif word.startswith("-I") or word.startswith("-isystem"):
            flag = "-I" if word.startswith("-I") else "-isystem"
            value = os.path.join(entry["directory"], word[len(flag):])
            if os.path.realpath(value) != "/usr/include":
                kept += [flag, value]
        i += 1
    language = ["-x", "c++-header"] if path.endswith(".h") else []
    command = [compiler, "-fsyntax-only", "-DUNICODE", "-D_UNICODE"] + kept + \
        ["-isystem", extra] + language + [path]
    print(shlex.join(command))
PY
failed=0
xargs -P "$(nproc)" -I{} -d '\n' sh -c '{} || exit 255' <"$extra/commands" || failed=1
if [ $failed -ne 0 ]; then
    echo "check-windows: a source with a Windows branch does not compile for Windows" >&2
    exit 1
fi
echo "check-windows: ${#files[@]} sources with a Windows branch compile for Windows"
