#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real netroute binary on a private X server, types on it through that server and
# checks the window's geometry, the reports it prints, the end of a series, restart and exit.
# Usage: gui_acceptance.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$(dirname "$0")/xsession.sh"
trap 'stop_session; rm -rf "$work"' EXIT
require_tools Xvfb xdotool xwininfo xprop
unset QT_QPA_PLATFORM

start_xvfb

"$app" >"$work/out" 2>"$work/err" &
app_pid=$!
window=$(focus_window)

geometry=$(window_geometry "$window")
[ "$geometry" = "800x560+100+100" ] || fail "window geometry is $geometry"
echo "window $window at $geometry"

# Launchers match the running window to its desktop entry by the window's class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../data/org.netroute.netroute.desktop")
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$" || fail "WM_CLASS is not $wm_class"

report() { # source destination distance
    printf '\nThe shortest Distance from start %s to destination %s is %s\nThe Path is as follows:\n\n' "$@"
}

expected_output=$(mktemp -p "$work")
wait_for_output() {
    for _ in $(seq 100); do
        cmp -s "$work/out" "$expected_output" && return 0
        sleep 0.05
    done
    fail "standard output differs from the expected reports"
}

# Shortest distances from vertex 0 at load 0 to destinations 1 to 11.
distances=(0 72 26 69 119 89 85 99 154 123 184 168)
keys=(Return KP_Enter alt+s Return KP_Enter alt+s Return KP_Enter alt+s Return)
for trial in $(seq 1 10); do
    xdotool key "${keys[trial - 1]}"
    report 0 "$trial" "${distances[trial]}" >>"$expected_output"
    wait_for_output
    xdotool key Right
done
echo "ten searches reported"

xdotool key Return
sleep 0.5
cmp -s "$work/out" "$expected_output" || fail "a search ran after the series ended"
echo "the eleventh Return printed nothing"

xdotool key alt+r
sleep 0.3
xdotool key Return
report 0 11 "${distances[11]}" >>"$expected_output"
wait_for_output
echo "restart began a new series"

quit_with_ctrl_q
echo "Ctrl+Q ended the program with exit code 0"

# A network of one's own, named on the command line: the six routers of the textbooks' example,
# undirected as NetworkX writes it, each router named by its id.
cat >"$work/textbook.graphml" <<'GRAPHML'
<?xml version='1.0' encoding='utf-8'?>
<graphml xmlns="http://graphml.graphdrawing.org/xmlns">
  <key id="d0" for="edge" attr.name="weight" attr.type="long" />
  <graph edgedefault="undirected">
    <node id="u" /><node id="v" /><node id="w" /><node id="x" /><node id="y" /><node id="z" />
    <edge source="u" target="v"><data key="d0">2</data></edge>
    <edge source="u" target="x"><data key="d0">1</data></edge>
    <edge source="u" target="w"><data key="d0">5</data></edge>
    <edge source="v" target="x"><data key="d0">2</data></edge>
    <edge source="v" target="w"><data key="d0">3</data></edge>
    <edge source="x" target="w"><data key="d0">3</data></edge>
    <edge source="x" target="y"><data key="d0">1</data></edge>
    <edge source="w" target="y"><data key="d0">1</data></edge>
    <edge source="w" target="z"><data key="d0">5</data></edge>
    <edge source="y" target="z"><data key="d0">2</data></edge>
  </graph>
</graphml>
GRAPHML
: >"$work/out"
"$app" "$work/textbook.graphml" >"$work/out" 2>"$work/err" &
app_pid=$!
window=$(focus_window)
xprop -id "$window" _NET_WM_NAME WM_NAME | grep -q textbook || fail "the title does not name the network"
: >"$expected_output"
xdotool key Right Right Right Right Return # destination 1 to 5, vertex z
report 0 5 4 >>"$expected_output"
wait_for_output
quit_with_ctrl_q
echo "netroute FILE searched the file's network: u to z costs 4"

# A file that makes no network is refused on standard error with status 2, and no window opens.
sed 's/target="v"/target="u"/' "$work/textbook.graphml" >"$work/bad.graphml"
status=0
timeout 10 "$app" "$work/bad.graphml" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "a bad file gave exit status $status"
grep -q 'bad.graphml, line 6.*itself' "$work/err" || fail "unexpected message: $(cat "$work/err")"
echo "a bad file was refused: $(cat "$work/err")"
