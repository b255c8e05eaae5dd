#!/usr/bin/env bash
# The core folders must not include QtWidgets: every rule that can be stated without a window
# lives there, and windows stay thin. Fails naming each offending line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
core_dirs=(platform text car sequence files simulation module config vehicle desktop timeline session recovery)
hits=$(grep -rnE '#\s*include\s*[<"](QtWidgets/|Q(Application|Widget|MainWindow|Dialog|MessageBox|PushButton|Label|CheckBox|ComboBox|Menu|MenuBar|Action|FileDialog|InputDialog|ListWidget|TreeWidget|Slider|ProgressBar|RadioButton|GroupBox|LineEdit|Layout|VBoxLayout|HBoxLayout|GridLayout|AbstractButton|ToolTip|Frame|ButtonGroup|UndoView|StyleOption|Style)\b)' \
    --include='*.h' --include='*.cpp' "${core_dirs[@]}" || true)
if [ -n "$hits" ]; then
    echo "Core folders include QtWidgets headers:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "layering: core folders are free of QtWidgets"
