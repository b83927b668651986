#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the textbooks' six routers u, v, w, x, y, z in the real program's Network editor three
# ways, on a private X server through xdotool: with the pointer alone in the drawing, with the
# keyboard alone in the tables and buttons, and as a typed edge list. Each is saved with
# "Save as...", the file read back for its 20 links, and handed to the main window (the
# keyboard's by "Open network...", the others by "Use this network"), where a search from u to
# z must cost 4. Prints how long each way took and how many input events it needed.
# A Windows program (.exe) runs under Wine, whose prefix the caller sets in WINEPREFIX.
# Usage: gui_editor.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$(dirname "$0")/xsession.sh"
# shellcheck source=tests/editor_keyboard.sh
source "$(dirname "$0")/editor_keyboard.sh"
told() { :; } # what Orca hears is another test's
wait_until() { # COMMAND...: polls it for up to 5 seconds
    local _
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

wm_pid=
saved_files=()
trap '[ -z "$wm_pid" ] || kill "$wm_pid"; stop_session; rm -f "${saved_files[@]}"; rm -rf "$work"' EXIT
require_tools Xvfb xdotool xwininfo /usr/bin/python3
unset QT_QPA_PLATFORM
start_xvfb
if [[ $app == *.exe ]]; then
    require_tools wine winepath openbox
    # Wine gives the keyboard to another of its windows only when a window manager activates it.
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_until wm_ready || fail "openbox did not start"
    activate() { xdotool windowactivate --sync "$1"; }
    run=(wine "$app")
    wineserver -k 2>/dev/null || true
    wineserver -w
    # Wine's Documents folder, where the save dialog starts.
    saved=$(winepath -u "$(wine cmd /c echo %USERPROFILE% | tr -d '\r')")/Documents
    native_path() { winepath -w "$1"; }
else
    activate() { xdotool windowfocus --sync "$1"; }
    run=("$app")
    # The save dialog starts in the home folder: a scratch one.
    export HOME=$work/home
    saved=$HOME
    native_path() { echo "$1"; }
fi
mkdir -p "$saved"
# Files left by an earlier run would make the save dialogs ask whether to replace them.
saved_files=("$saved"/{pointer,keyboard,edgelist}.graphml)
rm -f "${saved_files[@]}"

pointer_events=0
key_events=0
editor_x=0
editor_y=0
point() { # X Y in the editor window
    xdotool mousemove --sync $((editor_x + $1)) $((editor_y + $2))
    pointer_events=$((pointer_events + 1))
}
click() {
    point "$@"
    xdotool click 1
    pointer_events=$((pointer_events + 1))
}
double_click() {
    point "$@"
    xdotool click --repeat 2 --delay 80 1
    pointer_events=$((pointer_events + 2))
}
right_drag() { # X1 Y1 X2 Y2
    point "$1" "$2"
    xdotool mousedown 3
    xdotool mousemove --sync $((editor_x + $3)) $((editor_y + $4))
    xdotool mouseup 3
    pointer_events=$((pointer_events + 3))
}
keys() {
    xdotool key --delay 40 "$@"
    key_events=$((key_events + $#))
}
typed() {
    xdotool type --delay 20 "$1"
    key_events=$((key_events + ${#1}))
}

# The saved file's links as "source target weight", by the vertices' order in the file, and
# its labels.
saved_links() {
    /usr/bin/python3 - "$1" <<'PY'
import sys
import xml.etree.ElementTree as ET
ns = {"g": "http://graphml.graphdrawing.org/xmlns"}
root = ET.parse(sys.argv[1]).getroot()
keys = {k.get("id"): k.get("attr.name") for k in root.iterfind("g:key", ns)}
nodes = root.findall("g:graph/g:node", ns)
number = {node.get("id"): n for n, node in enumerate(nodes)}
for node in nodes:
    data = {keys[d.get("key")]: d.text for d in node.iterfind("g:data", ns)}
    print("label", data.get("label", ""))
for edge in root.iterfind("g:graph/g:edge", ns):
    data = {keys[d.get("key")]: d.text for d in edge.iterfind("g:data", ns)}
    print(number[edge.get("source")], number[edge.get("target")], data.get("weight"))
PY
}

expected_links() {
    local pair source target weight
    for pair in "${pairs[@]}"; do
        read -r source target weight <<<"$pair"
        echo "$source $target $weight"
        echo "$target $source $weight"
    done | sort
}

check_file() { # FILE LABELS...: the file holds the 20 links and these labels
    local file=$1
    shift
    wait_until test -s "$file" || fail "$file was not saved"
    local links
    links=$(saved_links "$file")
    [ "$(grep -v '^label' <<<"$links" | sort)" = "$(expected_links)" ] ||
        fail "$file holds other links:"$'\n'"$links"
    [ "$(sed -n 's/^label //p' <<<"$links" | paste -sd ' ')" = "$*" ] ||
        fail "$file holds other labels:"$'\n'"$links"
}

save_as() { # NAME, typed into the save dialog that "Save as..." opened
    local dialog
    dialog=$(find_window 'Save network as' 30) ||
        fail "no save dialog appeared"
    activate "$dialog"
    keys Home shift+End
    typed "$1"
    keys Return
    check_file "$saved/$1.graphml" "${@:2}"
}

# The main window opens the file NAME that "Save as..." saved, by "Open network...".
open_saved() {
    activate "$window"
    keys ctrl+alt+o
    local dialog
    dialog=$(find_window '^Open network' 30) ||
        fail "no open dialog appeared"
    activate "$dialog"
    keys Home shift+End
    typed "$(native_path "$saved/$1.graphml")"
    keys Return
    find_window "^$1" 10 >/dev/null ||
        fail "the main window did not open $1.graphml"
}

searches=0
# The main window searches the network handed over from u (0) to z (5): cost 4.
search_u_to_z() {
    activate "$window"
    xdotool key Home Right Right Right Right Right Return
    searches=$((searches + 1))
    # A Windows program ends its lines with CR LF.
    report_done() { [ "$(tr -d '\r' <"$work/out" | grep -c 'from start 0 to destination 5 is 4$')" -eq "$searches" ]; }
    wait_until report_done || fail "the main window did not find u to z at cost 4"
    activate "$editor"
}

began=0
begin_way() {
    pointer_events=0
    key_events=0
    began=$(date +%s%N)
}
end_way() { # NAME
    local tenths=$((($(date +%s%N) - began) / 100000000))
    printf '%s: %d.%d s, %d input events (%d pointer, %d keys)\n' "$1" $((tenths / 10)) \
        $((tenths % 10)) $((pointer_events + key_events)) "$pointer_events" "$key_events"
}

"${run[@]}" >"$work/out" 2>"$work/err" &
app_pid=$!
if [[ $app == *.exe ]]; then
    # Wine's window belongs to another process than the one started: found by its title.
    window=$(find_window '^netroute$' 60) ||
        fail "no window appeared"
    activate "$window"
else
    window=$(focus_window)
fi
xdotool key ctrl+alt+d
editor=$(find_window 'Network editor' 30) ||
    fail "the Network editor did not open"
activate "$editor"
geometry=$(window_geometry "$editor")
read -r editor_width _ editor_x editor_y <<<"${geometry//[x+]/ }"
echo "Network editor at $geometry"

# The editor's known layout: the first row of buttons, each as wide as the style's least,
# "Use this network" at its right end, "Apply" under the edge list at the bottom right; the
# drawing on the left shows the built-in network's area at about one pixel a unit.
button_row=21
save_as_button=308
use_button=$((editor_width - 67))

# With the pointer alone: a planar drawing of the six, so that a click beside a line takes it.
begin_way
click 50 "$button_row" # New
xs=(260 120 400 260 500 540)
ys=(330 230 230 500 460 260)
for v in 0 1 2 3 4 5; do
    double_click "${xs[v]}" "${ys[v]}"
done
for pair in "${pairs[@]}"; do
    read -r source target _ <<<"$pair"
    right_drag "${xs[source]}" "${ys[source]}" "${xs[target]}" "${ys[target]}"
done
# A third of the way along, four pixels to the side where that direction's line runs.
for pair in "${pairs[@]}"; do
    read -r first second weight <<<"$pair"
    for ends in "$first $second" "$second $first"; do
        read -r source target <<<"$ends"
        read -r x y < <(/usr/bin/python3 -c "import math
dx, dy = ${xs[target]} - ${xs[source]}, ${ys[target]} - ${ys[source]}
length = math.hypot(dx, dy)
print(round(${xs[source]} + 0.3 * dx - 4 * dy / length), round(${ys[source]} + 0.3 * dy + 4 * dx / length))")
        double_click "$x" "$y"
        keys "$weight" Return
    done
done
click "$save_as_button" "$button_row"
save_as pointer "" "" "" "" "" ""
click "$use_button" "$button_row"
end_way "pointer alone (labels left as numbers)"
search_u_to_z

# With the keyboard alone, from "Use this network", where the click left the focus.
begin_way
keys shift+Tab shift+Tab shift+Tab shift+Tab # New
build_by_keyboard
keys space # Save as...
save_as keyboard "${labels[@]}"
open_saved keyboard
end_way "keyboard alone, opened again in the main window"
search_u_to_z

# As an edge list: typed, then applied.
begin_way
keys shift+Tab shift+Tab shift+Tab space # New, from "Save as..."
keys shift+Tab shift+Tab ctrl+a # the edge list
# By source, so that the vertices come in the order u, v, w, x, y, z.
while read -r source target weight; do
    typed "${labels[source]} ${labels[target]} $weight"
    keys Return
done < <(expected_links)
keys Tab space # Apply
click "$save_as_button" "$button_row"
save_as edgelist "${labels[@]}"
click "$use_button" "$button_row"
end_way "edge list"
search_u_to_z
quit_with_ctrl_q
