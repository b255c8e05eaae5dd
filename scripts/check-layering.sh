#!/usr/bin/env bash
# The core folders must not include QtWidgets: every rule that can be stated without a window
# lives there, and windows stay thin. Fails naming each offending line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
core_dirs=(platform text car sequence image show files simulation module config vehicle desktop timeline session recovery)
hits=$(grep -rnE '#\s*include\s*[<"](QtWidgets/|Q(Application|Widget|MainWindow|Dialog|MessageBox|PushButton|Label|CheckBox|ComboBox|Menu|MenuBar|Action|FileDialog|InputDialog|ListWidget|TreeWidget|Slider|ProgressBar|RadioButton|GroupBox|LineEdit|Layout|VBoxLayout|HBoxLayout|GridLayout|AbstractButton|ToolTip|Frame|ButtonGroup|UndoView|StyleOption|Style)\b)' \
    --include='*.h' --include='*.cpp' "${core_dirs[@]}" || true)
if [ -n "$hits" ]; then
    echo "Core folders include QtWidgets headers:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "layering: core folders are free of QtWidgets"

# The image format and its cost sit below the editing code: the editing code (sequence/) prices
# rows through image/, never through the module link, and image/ reads only the document's data
# types from sequence/.
hits=$(grep -rnE '#\s*include\s*"module/' --include='*.h' --include='*.cpp' sequence image || true)
hits+=$(grep -rnE '#\s*include\s*"sequence/' --include='*.h' --include='*.cpp' image |
    grep -vE '"sequence/(document|on_time|loop_marker)\.h"' || true)
if [ -n "$hits" ]; then
    echo "The image format reaches above its layer, or the editing code below it into module/:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "layering: sequence/ prices rows through image/, which reads only the document's types"

# The window changes the document and the vehicle settings only through the session's intents,
# never through the session's own editor() and vehicle().
hits=$(grep -rnE '(session_?|session\(\))(\.|->)(editor|vehicle)\(\)' --include='*.h' \
    --include='*.cpp' ui app || true)
if [ -n "$hits" ]; then
    echo "The window reaches the session's document or vehicle settings to change them:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "layering: the window changes the document and vehicle through the session's intents"
