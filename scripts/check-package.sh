#!/usr/bin/env bash
# Builds the Debian package (scripts/build-deb.sh) and checks it: its control fields, every file
# a user needs (programs, language files, manual, desktop entry, MIME type, icons), that the
# programs resolve their libraries and run from the package, that the editor finds its language
# files in the installed layout, and that the desktop tools accept the entries.
#
#   scripts/check-package.sh [PACKAGE.deb]    check this package instead of building one
#   VIREO_PACKAGE_INSTALL=1                    also install it with apt on this machine (root),
#                                              check it is registered, and remove it again
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-}
if [ -z "$deb" ]; then
    deb=$("$root/scripts/build-deb.sh" | tail -n 1)
fi
deb=$(realpath "$deb")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "check-package: FAIL: $*" >&2
    failures=$((failures + 1))
}
note() { echo "check-package: $*"; }

mime_type=application/x-vireo-sequence
mime_icon=application-x-vireo-sequence
icon_sizes=(16 32 48 64 128 256)
programs=(vireo vireo-cli vireo-module-sim)
version=$(sed -n 's/^project(Vireo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

# Files under the install prefix (/usr) that the package must hold.
expected_files() {
    for p in "${programs[@]}"; do echo "bin/$p"; done
    for f in "$root"/resources/lang/*.kvl; do echo "share/vireo/$(basename "$f")"; done
    for f in "$root"/resources/examples/*.json; do echo "share/vireo/examples/$(basename "$f" .json).kvs"; done
    if [ -d "$root/docs/manual" ]; then
        (cd "$root/docs" && find manual -type f | sed 's|^|share/vireo/|')
    fi
    echo share/applications/vireo.desktop
    echo share/mime/packages/vireo.xml
    for s in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${s}x${s}/apps/vireo.png"
        echo "share/icons/hicolor/${s}x${s}/mimetypes/$mime_icon.png"
    done
    echo share/icons/hicolor/scalable/apps/vireo.svg
    echo "share/icons/hicolor/scalable/mimetypes/$mime_icon.svg"
}

# --- control fields
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vireo ] || fail "package name is '$(field Package)', not vireo"
[ "$(field Version)" = "$version" ] || fail "version is '$(field Version)', not $version"
[ "$(field Section)" = utils ] || fail "section is '$(field Section)', not utils"
[ "$(field Maintainer)" = "Kelvor <info@kelvor.example>" ] || fail "maintainer is '$(field Maintainer)'"
depends=$(field Depends)
for d in qt6-qpa-plugins shared-mime-info desktop-file-utils libqt6core6 libqt6widgets6 libgif7; do
    grep -qE "(^|, )$d( |,|$)" <<<"$depends" || fail "Depends lacks $d: $depends"
done
note "package $(basename "$deb"): $depends"

# --- contents
pkg=$work/root
dpkg-deb -x "$deb" "$pkg"
while read -r f; do
    [ -f "$pkg/usr/$f" ] || fail "package lacks /usr/$f"
done < <(expected_files)
# The editor looks for its language files in ../share/vireo seen from its own folder.
for f in "$root"/resources/lang/*.kvl; do
    [ -f "$pkg/usr/bin/../share/vireo/$(basename "$f")" ] ||
        fail "$(basename "$f") is not in ../share/vireo beside usr/bin/vireo"
done
if [ -d "$root/docs/manual" ]; then
    diff -r "$root/docs/manual" "$pkg/usr/share/vireo/manual" >/dev/null ||
        fail "the installed manual differs from docs/manual"
fi

# Every example is a sequence file the packaged vireo-cli reads.
for f in "$pkg"/usr/share/vireo/examples/*.kvs; do
    [ -f "$f" ] || continue
    "$pkg/usr/bin/vireo-cli" show "$f" >/dev/null 2>&1 || fail "vireo-cli cannot read the example $(basename "$f")"
done
note "examples installed: $(cd "$pkg/usr/share/vireo/examples" 2>/dev/null && echo *.kvs)"

# --- libraries and a run from the package
for p in "${programs[@]}"; do
    missing=$(ldd "$pkg/usr/bin/$p" | grep 'not found' || true)
    [ -z "$missing" ] || fail "$p misses libraries: $missing"
done
# vireo-cli without arguments starts, prints its usage and exits 2.
check_cli_starts() {
    local rc=0
    "$1" >/dev/null 2>"$work/usage.txt" || rc=$?
    if [ "$rc" -ne 2 ] || ! grep -q '^usage: vireo-cli' "$work/usage.txt"; then
        fail "$1 without arguments gave exit code $rc and no usage"
    fi
}
cli=$pkg/usr/bin/vireo-cli
check_cli_starts "$cli"

cat >"$work/document.json" <<'EOF'
{
  "model": "111",
  "options": "11100000000000000000",
  "sequences": [
    [
      {"time": "1,5", "loop": "", "lamps": [0, 5, 0, 12]},
      {"time": "0,3", "loop": "", "lamps": [63, 0, 1, 2]}
    ],
    [
      {"time": "2", "loop": "", "lamps": [3, 3, 3, 3]}
    ]
  ]
}
EOF
set +e
"$cli" write "$work/first.kvs" <"$work/document.json" 2>"$work/write.txt"
rc=$?
set -e
if [ "$rc" -eq 2 ] && grep -q 'not available yet' "$work/write.txt"; then
    note "vireo-cli write is not built into this tree yet: round trip skipped"
elif [ "$rc" -ne 0 ]; then
    fail "vireo-cli write exited $rc: $(cat "$work/write.txt")"
elif ! "$cli" show "$work/first.kvs" >"$work/shown.json" 2>"$work/show.txt"; then
    fail "vireo-cli show failed: $(cat "$work/show.txt")"
else
    # The JSON read back equals the JSON written (layout aside), and writing it again gives the
    # same bytes.
    [ "$(tr -d '[:space:]' <"$work/shown.json")" = "$(tr -d '[:space:]' <"$work/document.json")" ] ||
        fail "vireo-cli show did not give back the document written: $(cat "$work/shown.json")"
    "$cli" write "$work/second.kvs" <"$work/shown.json" || fail "vireo-cli write of the shown document failed"
    cmp -s "$work/first.kvs" "$work/second.kvs" || fail "writing the shown document gave other bytes"
    note "vireo-cli write/show round trip from the package"
fi

# --- desktop entry and MIME type as the desktop tools see them
entry=$pkg/usr/share/applications/vireo.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects vireo.desktop"
for line in 'Exec=vireo %f' 'Icon=vireo' "MimeType=$mime_type;" 'Categories=Utility;'; do
    grep -qxF "$line" "$entry" || fail "vireo.desktop lacks '$line'"
done
cp -r "$pkg/usr/share/mime" "$work/mime"
update-mime-database "$work/mime" 2>"$work/mime.txt" ||
    fail "update-mime-database rejects vireo.xml: $(cat "$work/mime.txt")"
grep -qF "$mime_type:*.kvs" "$work/mime/globs2" || fail "the MIME database does not map *.kvs to $mime_type"
grep -qF "$mime_type:$mime_icon" "$work/mime/icons" 2>/dev/null ||
    grep -qF "<icon name=\"$mime_icon\"/>" "$pkg/usr/share/mime/packages/vireo.xml" ||
    fail "the MIME type does not name the icon $mime_icon"

# --- a real installation (opt-in: changes this machine)
if [ "${VIREO_PACKAGE_INSTALL:-0}" = "1" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        fail "VIREO_PACKAGE_INSTALL=1 needs root"
    elif dpkg-query -W -f='${Status}' vireo 2>/dev/null | grep -q 'install ok installed'; then
        note "vireo is already installed on this machine: installation check skipped"
    else
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" ||
            fail "apt-get install of the package failed"
        while read -r f; do
            [ -f "/usr/$f" ] || fail "installed package lacks /usr/$f"
        done < <(expected_files)
        grep -qF "$mime_type:*.kvs" /usr/share/mime/globs2 ||
            fail "installing did not register *.kvs in /usr/share/mime"
        grep -qF "$mime_type=vireo.desktop" /usr/share/applications/mimeinfo.cache ||
            fail "installing did not register vireo.desktop for $mime_type"
        check_cli_starts /usr/bin/vireo-cli
        dpkg -r vireo || fail "dpkg -r vireo failed"
        while read -r f; do
            [ ! -e "/usr/$f" ] || fail "/usr/$f is left after removal"
        done < <(expected_files)
        ! grep -qF "$mime_type" /usr/share/mime/globs2 || fail "removal left *.kvs in /usr/share/mime"
        ! grep -qF "$mime_type" /usr/share/applications/mimeinfo.cache 2>/dev/null ||
            fail "removal left $mime_type in mimeinfo.cache"
        note "installed with apt, registered, and removed again"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "check-package: $failures check(s) failed for $deb" >&2
    exit 1
fi
note "package checks passed: $deb"
