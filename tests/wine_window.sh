#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the Windows program under Wine on a private X server: the window's place and size, one
# search from 0 to 1 typed with Return and its report, Ctrl+L showing the Load sweep's plot,
# Ctrl+E opening Practice, and Ctrl+Q ending it with exit code 0. Then a network NetworkX wrote,
# named on the command line and searched, its Routing tables and Network editor opened, and a
# file that makes no network refused with status 2.
# The caller sets WINEPREFIX. Usage: wine_window.sh PATH_TO_NETROUTE_EXE
set -euo pipefail

app=$1
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$(dirname "$0")/xsession.sh"
trap 'stop_session; rm -rf "$work"' EXIT
require_tools wine Xvfb xdotool xwininfo /usr/bin/python3

start_xvfb
# A Wine server left from an earlier run without a display would keep this program from
# showing its window: start afresh.
wineserver -k 2>/dev/null || true
wineserver -w
wine "$app" >"$work/out" 2>"$work/err" &
app_pid=$!

# Wine's window belongs to another process than the one started: find it by its title.
window=$(find_window '^netroute$' 60) ||
    fail "no window appeared"
xdotool windowfocus --sync "$window"
geometry=$(window_geometry "$window")
echo "window $window at $geometry"
[ "$geometry" = "800x560+100+100" ] || fail "window geometry is $geometry"

xdotool key Return
# A Windows program ends its lines with CR LF.
expected=$(printf '\r\nThe shortest Distance from start 0 to destination 1 is 72\r\nThe Path is as follows:\r\n\r\n')
for _ in $(seq 100); do
    [ "$(cat "$work/out")" = "$expected" ] && break
    sleep 0.1
done
[ "$(cat "$work/out")" = "$expected" ] || fail "no report of the search from 0 to 1"
echo "Return printed the report of 0 to 1"
if [ -n "${NETROUTE_WINE_SCREENSHOT:-}" ]; then
    import -window "$window" "$NETROUTE_WINE_SCREENSHOT" 2>/dev/null ||
        echo "no screenshot: ImageMagick's import is not installed"
fi

# The Load sweep window with its plot: the cost curve's colour on screen.
xdotool key ctrl+l
sweep=$(find_window '^Load sweep$' 30) ||
    fail "Ctrl+L opened no Load sweep window"
sweep_geometry=$(window_geometry "$sweep")
curve=0
for _ in $(seq 100); do
    curve=$(screen_pixels "$sweep_geometry" 38 139 210)
    [ "$curve" -ge 100 ] && break
    sleep 0.1
done
[ "$curve" -ge 100 ] || fail "the Load sweep window shows no plot ($curve pixels of its curve)"
echo "Ctrl+L opened Load sweep at $sweep_geometry; its plot's curve covers $curve pixels"

# Closed as Windows closes a window, it gives the main window, whose keys the study keys are,
# back to the keyboard.
xdotool key alt+F4
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Load sweep$' >/dev/null || break
    sleep 0.1
done
! xdotool search --onlyvisible --name '^Load sweep$' >/dev/null || fail "Alt+F4 left Load sweep open"
xdotool windowfocus --sync "$window"
xdotool key ctrl+e
practice=$(find_window '^Practice$' 30) ||
    fail "Ctrl+E opened no Practice window"
echo "Ctrl+E opened Practice at $(window_geometry "$practice")"

quit_with_ctrl_q
echo "Ctrl+Q ended the program with exit code 0"

# A network of one's own as NetworkX writes it, by its Windows path as Explorer passes it.
/usr/bin/python3 - "$work/textbook.graphml" <<'PY'
import sys
import networkx as nx
graph = nx.Graph()
graph.add_nodes_from("uvwxyz")
graph.add_weighted_edges_from([("u", "v", 2), ("u", "x", 1), ("u", "w", 5), ("v", "x", 2),
    ("v", "w", 3), ("x", "w", 3), ("x", "y", 1), ("w", "y", 1), ("w", "z", 5), ("y", "z", 2)])
nx.write_graphml(graph, sys.argv[1])
PY
wine "$app" "$(winepath -w "$work/textbook.graphml")" >"$work/out" 2>"$work/err" &
app_pid=$!
window=$(find_window '^textbook' 60) ||
    fail "netroute textbook.graphml showed no window named after the network"
xdotool windowfocus --sync "$window"
xdotool key Return
expected='The shortest Distance from start 0 to destination 1 is 2'
for _ in $(seq 100); do
    tr -d '\r' <"$work/out" | grep -qx "$expected" && break
    sleep 0.1
done
tr -d '\r' <"$work/out" | grep -qx "$expected" || fail "no report of 0 to 1 on textbook: $(cat "$work/out")"
echo "netroute textbook.graphml searched the file's network: 0 to 1 costs 2"
for command in "ctrl+alt+r Routing tables" "ctrl+alt+d Network editor"; do
    xdotool windowfocus --sync "$window"
    xdotool key "${command%% *}"
    opened=$(find_window "^${command#* }" 30) ||
        fail "${command%% *} opened no ${command#* } window"
    echo "${command%% *} opened ${command#* } at $(window_geometry "$opened")"
    # Closed, so that the keys go to the main window again: Wine keeps the window it activated.
    xdotool key alt+F4
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^${command#* }" >/dev/null || break
        sleep 0.1
    done
done
xdotool windowfocus --sync "$window"
quit_with_ctrl_q

sed 's/target="[^"]*"/target="u"/' "$work/textbook.graphml" >"$work/bad.graphml"
status=0
timeout 60 wine "$app" "$(winepath -w "$work/bad.graphml")" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "a bad file gave exit status $status"
grep -q 'bad.graphml, line [0-9]' "$work/err" || fail "unexpected message: $(cat "$work/err")"
echo "a bad file was refused: $(tr -d '\r' <"$work/err")"
