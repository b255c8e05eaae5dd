#!/usr/bin/env bash
# The recovery journal against a real kill. The editor runs as a child process on a virtual X
# server with its own home; the test types a few edits on the keyboard, kills it with SIGKILL
# and then checks
#   (a) with vireo-cli that the entry left behind holds exactly the rows typed,
#   (b) that the next start offers it, restores it with Return and, answering "No" to the save
#       question, ends cleanly without leaving an entry,
#   (c) that a start after that offers nothing.
#
#   recovery_after_kill.sh BIN_DIR
#
# Needs Xvfb and xdotool (scripts/install-deps.sh); exits with 77 (skipped) without them.
set -euo pipefail

bin=$(cd "$1" && pwd)
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "skipped: Xvfb and xdotool are needed"
    exit 77
fi

scratch=$(mktemp -d)
pid=""
xvfb=""
cleanup() {
    if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# A home of its own: settings, data folder (recovery entries) and runtime folder.
export HOME=$scratch/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$XDG_CONFIG_HOME/Kelvor" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
# Qt's plain theme, whatever desktop the test is started from: the keys below count on its order
# of the question's buttons (Yes, No, Cancel).
unset WAYLAND_DISPLAY SESSION_MANAGER QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION
unset KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
# English, the model 111 (no first start), "Autom." on, on-time 0.5 s.
cat >"$XDG_CONFIG_HOME/Kelvor/Vireo.conf" <<'EOF'
[Kelvor_E_F]
Language=English
Fahrzeug_Type=111
Eigenschaften=1
Slider=5
EOF

# The document as vireo-cli show prints it (blanks removed), with one welcome row of on-time
# 0.5 s for each argument, its lamp bytes.
document_with() {
    local rows="" lamps
    for lamps in "$@"; do rows+=${rows:+,}'{"time":"0.5","loop":"","lamps":['$lamps']}'; done
    echo '{"model":"111","options":"11100000000000000000","sequences":[['"$rows"'],[]]}'
}
expected=""

fail() {
    echo "FAILED: $*" >&2
    for log in "$scratch"/vireo-*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    exit 1
}

# poll SECONDS COMMAND...: runs COMMAND every 100 ms until it succeeds; fails after SECONDS.
# Every wait below is on a condition; the seconds only bound a run that went wrong, and are
# generous, since a loaded machine (the whole suite in parallel) starts the editor slowly.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Everything runs on a virtual X server of its own. It picks a free display itself and names it
# once it takes connections (xvfb-run -a can pick the same display for two tests started at once).
x_server_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
start_x() {
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    : >"$scratch/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" \
        2>"$scratch/xvfb.log" &
    xvfb=$!
    poll 30 test -s "$scratch/display" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    export DISPLAY=:$(cat "$scratch/display")
    poll 30 x_server_answers || fail "the X server on $DISPLAY does not answer"
    # The pointer waits in the screen's far corner, off every window, so no tool tip shows.
    xdotool mousemove 1279 1023
}
start_x

runs=0
start_vireo() {
    runs=$((runs + 1))
    "$bin/vireo" >"$scratch/vireo-$runs.log" 2>&1 &
    pid=$!
}

# The id of the running editor's visible window whose title matches, if there is one.
window_named() {
    xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1
}
# The main window's title names the vehicle; the splash's does not.
main_window() { window_named 'Vehicle:'; }
has_main_window() { [ -n "$(main_window)" ]; }
has_recovery_offer() { [ -n "$(window_named '^Restore documents$')" ]; }
has_no_recovery_offer() { ! has_recovery_offer; }
# The question box, by its title (the program's name alone). Not "any other window": a tool tip
# is a window of the editor too, and under load it can show before the question does.
question_box() { window_named '^Vireo$'; }
has_question_box() { [ -n "$(question_box)" ]; }
has_ended() { ! kill -0 "$pid" 2>/dev/null; }
shown_or_ended() { has_main_window || has_ended; }
# Starts the editor and waits until its main window shows, or it ended. An X server that went
# away meanwhile (its display no longer answers) is started again, and the editor with it, once.
start_vireo_shown() {
    local attempt
    for attempt in 1 2; do
        x_server_answers || start_x
        start_vireo
        poll 120 shown_or_ended || fail "the main window did not show"
        has_main_window && return 0
        wait "$pid" 2>/dev/null || true
        x_server_answers && break
    done
    fail "the editor ended at its start"
}

# Keys to the window, after giving it the keyboard focus.
keys_to() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 50 "$@"
}

# press_until SECONDS CONDITION WINDOW_FUNCTION KEYS...: sends the keys to the window until the
# condition holds, waiting on it a few seconds after each press; for keys whose second press does
# no harm (Return on a dialog, Ctrl+Q on an unchanged window). A key can go astray while the
# program is still settling which window is active; it is pressed again rather than lost.
press_until() {
    local deadline=$((SECONDS + $1)) condition=$2 window_function=$3 window
    shift 3
    until "$condition"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        window=$("$window_function")
        [ -n "$window" ] && keys_to "$window" "$@"
        poll 3 "$condition" && return 0
    done
}
recovery_offer() { window_named '^Restore documents$'; }

recovery_entries() { "$bin/vireo-cli" recover --list | awk -F '\t' '$2 == "recovery"'; }
# The document of the only recovery entry, as vireo-cli show prints it without blanks.
entry_document() {
    local name
    name=$(recovery_entries | cut -f 1)
    [ "$(echo "$name" | grep -c .)" = 1 ] || return 1
    "$bin/vireo-cli" recover "$name" -o "$scratch/entry.kvs" >/dev/null &&
        "$bin/vireo-cli" show "$scratch/entry.kvs" | tr -d '[:space:]'
}
entry_is_expected() { [ "$(entry_document)" = "$expected" ]; }

# --- the edits, and the kill
# step KEYS ROW...: types the keys, then waits until the journal holds these rows, so each edit
# is seen in the entry before the next one is typed.
step() {
    local keys=$1
    shift
    expected=$(document_with "$@")
    # shellcheck disable=SC2086 # one word per key
    keys_to "$(main_window)" $keys
    poll 60 entry_is_expected || fail "after $keys the entry holds $(entry_document || echo nothing)"
}
start_vireo_shown
# Shift+Tab takes the focus from the table side to the lamps; Space switches the first lamp on,
# and "Autom." appends it, switches the lamps off and leaves the focus on "Weiter".
step "shift+Tab space" 1,0,0,0
step "space" 1,0,0,0 0,0,0,0
# Back past the slider, the list and the sequence choice to the lamps; the next lamp.
back_to_lamps="shift+Tab shift+Tab shift+Tab shift+Tab"
step "$back_to_lamps Right space" 1,0,0,0 0,0,0,0 2,0,0,0
step "ctrl+z" 1,0,0,0 0,0,0,0
step "$back_to_lamps Right space" 1,0,0,0 0,0,0,0 4,0,0,0
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
killed_entry=$(recovery_entries | cut -f 1)

# (a) what the killed editor left: one untitled entry, the rows typed and nothing else
[ "$(recovery_entries | cut -f 4)" = "-" ] || fail "entry after the kill: $(recovery_entries)"
[ "$(entry_document)" = "$expected" ] || fail "entry after the kill holds $(entry_document)"

# (b) the next start offers it; Return restores it (the default button)
start_vireo_shown
poll 60 has_recovery_offer || fail "no recovery was offered"
press_until 60 has_no_recovery_offer recovery_offer Return || fail "the recovery dialog stayed open"
# The restored document is this window's now: its own entry holds it and the old one is gone.
restored_entry_is_own() { [ "$(recovery_entries | cut -f 1)" != "$killed_entry" ] && entry_is_expected; }
poll 60 restored_entry_is_own || fail "after the restore: $(recovery_entries) $(entry_document)"
# Closing asks whether to save; Tab moves from "Yes" to "No", Space answers.
keys_to "$(main_window)" ctrl+q
poll 60 has_question_box || fail "closing asked nothing"
keys_to "$(question_box)" Tab space
poll 60 has_ended || fail "the editor did not end after \"No\""
wait "$pid" || fail "the editor ended with $?"
pid=""
[ -z "$(recovery_entries)" ] || fail "a clean end left $(recovery_entries)"

# (c) and the start after that offers nothing
start_vireo_shown
# The offer would come with the main window; give it a second to show.
if poll 1 has_recovery_offer; then fail "a recovery was offered after the clean end"; fi
[ -z "$("$bin/vireo-cli" recover --list)" ] || fail "listed: $("$bin/vireo-cli" recover --list)"
press_until 60 has_ended main_window ctrl+q || fail "the unchanged editor did not end on Ctrl+Q"
wait "$pid" || fail "the editor ended with $?"
pid=""
echo "recovered after the kill, restored, ended cleanly, nothing offered after"
