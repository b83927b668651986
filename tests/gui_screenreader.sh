#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Reads the real program's accessible tree over AT-SPI, as a screen reader does, before and
# after a search started with Return: the named sliders with their values, the trial counter,
# the drawing's description and its vertices and links; then chooses the destination through
# a vertex's action. Runs inside a11y_session.sh.
# Usage: a11y_session.sh gui_screenreader.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
here=$(dirname "$0")
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$here/xsession.sh"
trap 'stop_session; rm -rf "$work"' EXIT
require_tools xdotool
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    skip "python3-pyatspi is not installed (scripts/install-deps test installs it)"

"$app" >"$work/out" 2>"$work/err" &
app_pid=$!
main_window=$(focus_window)

expect() { # tree file, then lines that must stand in it
    local tree=$1 line
    shift
    for line in "$@"; do
        grep -qF -- "$line" "$tree" || fail "the accessible tree lacks: $line"$'\n'"$(cat "$tree")"
    done
}

/usr/bin/python3 "$here/atspi_tree.py" netroute >"$work/before"
cat "$work/before"
expect "$work/before" \
    'slider "SOURCE" value=0 range=0..19' \
    'slider "DESTINATION" value=1 range=0..19' \
    'slider "TRAFFIC LOAD" value=0 range=0..99' \
    '"TRIAL LEFT" value=10' \
    "\"Network drawing\" description='Source 0, destination 1. Active/Total Links 64/64.'"
[ "$(grep -c '^ *slider ' "$work/before")" -eq 3 ] || fail "not exactly three sliders"
[ "$(grep -c '"TRIAL LEFT"' "$work/before")" -eq 1 ] || fail "the counter's caption is presented too"
! grep -q '^ *label " *"' "$work/before" || fail "a blank label is presented"
expect "$work/before" \
    "image \"Vertex 9\" description='Vertex 9\\nClick: make it the source." \
    "image \"Link 0 to 2\" description='Link 0 to 2: weight 26, random factor 1."
[ "$(grep -c '^ *image "Vertex ' "$work/before")" -eq 20 ] || fail "not 20 vertices"
[ "$(grep -c '^ *image "Link ' "$work/before")" -eq 64 ] || fail "not 64 links"

xdotool key Return
for _ in $(seq 50); do
    /usr/bin/python3 "$here/atspi_tree.py" netroute >"$work/after"
    grep -q 'Path Found' "$work/after" && break
    sleep 0.1
done
echo "--- after Return:"
cat "$work/after"
expect "$work/after" \
    '"TRIAL LEFT" value=9' \
    "The optimal path load is 72. The path: 0, 2, 1." \
    "image \"Vertex 1\" description='Vertex 1, the destination\\nDistance from vertex 0: 72.\\nOn the drawn path."

# The search's steps, read as a table in their own window.
xdotool key ctrl+t
for _ in $(seq 50); do
    /usr/bin/python3 "$here/atspi_tree.py" netroute >"$work/steps"
    grep -qF 'table "Steps"' "$work/steps" && break
    sleep 0.1
done
sed -n '/table "Steps"/,/table "Distances"/p' "$work/steps" | head -n 30
expect "$work/steps" 'table "Steps"' 'table cell "Start"' \
    'table cell "72"' 'table "Distances"'
xdotool windowfocus --sync "$main_window"

/usr/bin/python3 "$here/atspi_tree.py" netroute --do "Vertex 7" "Set as destination" ||
    fail "the vertex's action failed"
for _ in $(seq 50); do
    /usr/bin/python3 "$here/atspi_tree.py" netroute >"$work/chosen"
    grep -qF 'slider "DESTINATION" value=7' "$work/chosen" && break
    sleep 0.1
done
expect "$work/chosen" 'slider "DESTINATION" value=7'

quit_with_ctrl_q
