#!/usr/bin/env bash
# Language entries are named in text/text_ids.h and nowhere else given by number: a bare
# `entry(<digits>)` or a local `kEntry... = <digits>` in the folders listed here fails, naming
# each offending line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
dirs=(app ui car config text vehicle desktop files image module platform sequence session show simulation timeline recovery tools)
hits=$(grep -rnE '(\.|->)entry\(\s*[0-9]|\bkEntry\w*\s*=\s*[0-9]' \
    --include='*.h' --include='*.cpp' "${dirs[@]}" |
    grep -v '^text/text_ids\.h:' || true)
if [ -n "$hits" ]; then
    echo "Language entries given by number instead of by their name in text/text_ids.h:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "text ids: every language entry in ${dirs[*]} is named from text/text_ids.h"
