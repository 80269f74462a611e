#!/usr/bin/env bash
# The desktop editor as a person uses it: on a real X display (Xvfb),
# real pointer events (xdotool), screenshots (ImageMagick import) and the
# pointer the server shows (shapix-cursor-probe, through XFixes: a
# screenshot never holds the pointer).
#   editor-screenshot-test.sh SHAPIX_EDIT SAMPLES_DIR CURSOR_PROBE
# Exits 77 (skipped) when no X server can be had or a tool is missing.
set -u

EDITOR_BIN=$1
SAMPLES=$2
PROBE=${3:-}
SKIP=77

skip() { echo "SKIPPED: $*"; exit $SKIP; }
fail() {
    echo "FAILED: $*"
    # Where to leave the screenshots for a look at a failure.
    [ -n "${SHAPIX_EDIT_SHOTS:-}" ] && mkdir -p "$SHAPIX_EDIT_SHOTS" && import -window root "$SHAPIX_EDIT_SHOTS/failure.png" && cp "$WORK"/*.png "$SHAPIX_EDIT_SHOTS"/ 2>/dev/null
    exit 1
}

for tool in xdotool import convert; do
    command -v $tool >/dev/null || skip "$tool not installed (Debian: xdotool, imagemagick)"
done
[ -n "$PROBE" ] || skip "no cursor probe was built (Debian: libxfixes-dev)"
[ -x "$EDITOR_BIN" ] || fail "no editor at $EDITOR_BIN"
[ -x "$PROBE" ] || fail "no cursor probe at $PROBE"

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$WORK"
}
trap cleanup EXIT

# A private server, so the test neither needs nor disturbs the user's one.
if command -v Xvfb >/dev/null; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    PIDS+=($!)
    for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    [ -s "$WORK/display" ] || skip "Xvfb did not start: $(tail -1 "$WORK/xvfb.log")"
    export DISPLAY=:$(cat "$WORK/display")
elif [ -z "${DISPLAY:-}" ]; then
    skip "no Xvfb (Debian: xvfb) and no DISPLAY"
fi

# Starts the editor, waits for its window and sets ORIGIN_X/ORIGIN_Y to the
# control's client origin on the screen.
start_editor() {
    "$EDITOR_BIN" "$@" >"$WORK/editor.out" 2>"$WORK/editor.err" &
    EDITOR_PID=$!
    PIDS+=($EDITOR_PID)
    for _ in $(seq 300); do
        grep -q "control at" "$WORK/editor.out" 2>/dev/null && break
        kill -0 $EDITOR_PID 2>/dev/null || fail "editor exited: $(cat "$WORK/editor.err")"
        sleep 0.1
    done
    local at
    at=$(sed -n 's/^control at \([0-9-]*\),\([0-9-]*\)$/\1 \2/p' "$WORK/editor.out")
    [ -n "$at" ] || fail "editor never showed its control within 30 s: $(cat "$WORK/editor.err")"
    read -r ORIGIN_X ORIGIN_Y <<<"$at"
    sleep 0.5
}

stop_editor() { kill $EDITOR_PID 2>/dev/null; wait $EDITOR_PID 2>/dev/null; }

# The colour of a client pixel of the control on the screen, as "r,g,b".
pixel() {
    import -window root -crop 1x1+$((ORIGIN_X + $1))+$((ORIGIN_Y + $2)) +repage "$WORK/p.png"
    convert "$WORK/p.png" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
is_outline() { [ "$(pixel "$1" "$2")" = "0,255,0" ]; }
# Whether the outline's green crosses row y within 3 pixels of x.
outline_near() {
    import -window root -crop 7x1+$((ORIGIN_X + $1 - 3))+$((ORIGIN_Y + $2)) +repage "$WORK/row.png"
    convert "$WORK/row.png" txt:- | grep -qi "#00FF00"
}

aim() { xdotool mousemove $((ORIGIN_X + $1)) $((ORIGIN_Y + $2)); }
# Moves onto a client pixel from one beside it, so the control gets a move
# there whether or not the pointer already was.
hover() { aim $(($1 + 1)) "$2"; sleep 0.05; aim "$1" "$2"; }

# The pointer on screen is the library's cursor $1, hot spot included.
cursor_is() {
    "$PROBE" "$1" >"$WORK/cursor.txt" || fail "$2: $(cat "$WORK/cursor.txt")"
}
# One line on what the pointer looks like (for the system cursors).
cursor_shown() { "$PROBE" --show; }

# Waits up to 5 s for a window captioned $1; its id goes to $WORK/found.
window_comes() {
    : >"$WORK/found"
    xdotool search --sync --onlyvisible --name "$1" >"$WORK/found" 2>/dev/null &
    local search=$!
    for _ in $(seq 50); do kill -0 $search 2>/dev/null || break; sleep 0.1; done
    kill $search 2>/dev/null
    [ -s "$WORK/found" ]
}

# 1. A drag with the select tool moves the vertex under the pointer: the
# plate's vertex at (570, 330), the lower end of its straight right side,
# goes to (600, 358), so the side leans from (570, 110) to there.
start_editor "$SAMPLES/plate.json"
# The window is no wider than the control (640 by default).
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^shapix-edit ' | head -1)")"
EDITOR_WINDOW=${WINDOW:-}
[ "${WIDTH:-0}" = 640 ] || fail "the editor's window is ${WIDTH:-?} pixels wide, not the control's 640"
hover 20 20; sleep 0.3
ARROW=$(cursor_shown)
case "$ARROW" in *library*) fail "off the outlines the select tool shows a library cursor: $ARROW" ;; esac
is_outline 570 300 || fail "the plate's right side is not drawn at x=570 before the drag ($(pixel 570 300))"
outline_near 585 234 && fail "something green is already drawn where the moved side is to pass"
# Select first; wait out the double-click time so the press that starts
# the drag is not taken for a double click.
aim 570 330; xdotool click 1; sleep 1
# Only a change marks the title: selecting is none.
[[ "$(xdotool getwindowname "$EDITOR_WINDOW")" != *"*"* ]] || fail "the title is marked before any change: $(xdotool getwindowname "$EDITOR_WINDOW")"
aim 570 330; xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5 6; do aim $((570 + 5 * step)) $((330 + 5 * step - step / 3)); sleep 0.05; done
aim 600 358; sleep 0.3
DRAGGING=$(cursor_shown)
xdotool mouseup 1; sleep 0.5
# The system's cross, not the arrow and none of the library's own; themed
# cursors also tell the server their names.
case "$DRAGGING" in *library*) fail "a vertex drag shows a library cursor: $DRAGGING" ;; esac
[ "$DRAGGING" != "$ARROW" ] || fail "a vertex drag still shows the arrow ($ARROW)"
case "$ARROW" in *" name "*) [[ "$ARROW" == *" name default" ]] || fail "not the arrow off the outlines: $ARROW" ;; esac
case "$DRAGGING" in *" name "*) [[ "$DRAGGING" == *" name crosshair" ]] || fail "not the cross while dragging: $DRAGGING" ;; esac
import -window root "$WORK/after-drag.png"
outline_near 585 234 || fail "after the drag the right side does not pass near (585, 234)"
is_outline 570 300 && fail "after the drag the right side is still drawn straight down at x=570"
[[ "$(xdotool getwindowname "$EDITOR_WINDOW")" == *"*"* ]] || fail "after the drag the title has no unsaved-changes mark: $(xdotool getwindowname "$EDITOR_WINDOW")"
echo "ok: a drag moved a vertex on screen; pointer before: $ARROW; while dragging: $DRAGGING"
# A double click away from the outlines reaches the host as the control's
# message to its parent, and the status line says so.
aim 20 20; xdotool click --repeat 2 --delay 80 1; sleep 0.5
grep -q '^status: Double-click message (WM_USER+111) #1$' "$WORK/editor.out" \
    || fail "no double-click message in the status line: $(grep '^status:' "$WORK/editor.out" | tail -3)"
echo "ok: the status line showed the double-click message"
stop_editor

# The side tools' own cursors, over a side and over empty space.
for tool in add:1003 delete:1004; do
    start_editor --tool "${tool%%:*}" "$SAMPLES/plate.json"
    hover 320 70; cursor_is "${tool#*:}" "the ${tool%%:*} tool over a side"
    hover 30 440; cursor_is "${tool#*:}" "the ${tool%%:*} tool off the outline"
    echo "ok: the ${tool%%:*} tool shows cursor ${tool#*:} ($(cat "$WORK/cursor.txt"))"
    stop_editor
done

# 2. The edit-side tool opens its dialog on a real window with its caption,
# and its Cancel button (a real click) closes it.
start_editor --tool edit "$SAMPLES/plate.json"
hover 320 70; cursor_is 1006 "the edit-side tool over a side"
echo "ok: the edit-side tool shows cursor 1006 ($(cat "$WORK/cursor.txt"))"
xdotool click 1
window_comes "当前边属性编辑" || fail "no window captioned 当前边属性编辑 after clicking a side with the edit-side tool"
DIALOG=$(head -1 "$WORK/found")
import -window root "$WORK/dialog.png"
# Esc is the dialog's Cancel: the library ends the dialog and GTK's window goes.
xdotool windowfocus --sync "$DIALOG" 2>/dev/null; xdotool key Escape; sleep 0.5
xdotool search --onlyvisible --name "当前边属性编辑" >/dev/null 2>&1 && fail "Esc did not close the side dialog"
kill -0 $EDITOR_PID 2>/dev/null || fail "the editor died when its dialog closed"
echo "ok: the edit-side dialog opened with its caption and Esc closed it"
# A right click leaves the side tool for Select. The toolbar must follow:
# were "Edit side" still pressed, pressing it again would change nothing
# and the side would no longer open the dialog.
hover 30 440; xdotool click 3; sleep 0.3
hover 320 70; sleep 0.3
AFTER_RIGHT=$(cursor_shown)
case "$AFTER_RIGHT" in *library*) fail "after a right click the edit-side tool is still on: $AFTER_RIGHT" ;; esac
BUTTON=$(sed -n 's/^button Edit side at \([0-9-]*\),\([0-9-]*\)$/\1 \2/p' "$WORK/editor.out")
[ -n "$BUTTON" ] || fail "the editor did not say where its Edit side button is"
read -r BUTTON_X BUTTON_Y <<<"$BUTTON"
xdotool mousemove "$BUTTON_X" "$BUTTON_Y" click 1; sleep 0.3
hover 320 70; cursor_is 1006 "the edit-side tool picked again after a right click"
xdotool click 1
window_comes "当前边属性编辑" || fail "Edit side picked again after a right click: clicking the side opens no dialog"
xdotool windowfocus --sync "$(head -1 "$WORK/found")" 2>/dev/null; xdotool key Escape; sleep 0.5
echo "ok: a right click returned to Select and Edit side, picked again, reopened the dialog"
stop_editor

# 3. Dimensions page: clicking a dimension value opens "输入尺寸"; typing a
# value and Enter applies it and the status line reports the Change notice.
start_editor --tool dim "$SAMPLES/plate.json"
hover 425 454; cursor_is 129 "the dimensions page over a value"
echo "ok: a dimension value shows cursor 129 ($(cat "$WORK/cursor.txt"))"
xdotool click 1
window_comes "输入尺寸" || fail "no window captioned 输入尺寸 after clicking a dimension value"
echo "ok: the dimension dialog opened with its caption"
xdotool windowfocus --sync "$(head -1 "$WORK/found")" 2>/dev/null
xdotool key ctrl+a; xdotool type 1234; xdotool key Return
for _ in $(seq 50); do grep -q '^status: Change notification #1$' "$WORK/editor.out" && break; sleep 0.1; done
grep -q '^status: Change notification #1$' "$WORK/editor.out" \
    || fail "no Change notice in the status line after a new value: $(grep '^status:' "$WORK/editor.out" | tail -3)"
echo "ok: a new dimension value raised the Change notice on the status line"
stop_editor
exit 0
