#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs Debian's screen reader, Orca, beside the real program under a window manager and checks
# what Orca would say (its debug log records every utterance; speech itself is off): the outcome
# of a search, the trials left, the same-endpoints message, the closing notice after the tenth
# search and the new count after RESTART, each once, while the focus stays on a slider.
# Runs inside a11y_session.sh. Usage: a11y_session.sh gui_orca.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
work=$(mktemp -d)
source "$(dirname "$0")/xsession.sh"
helpers=()
stop_helpers() {
    local pid
    for pid in "${helpers[@]}"; do
        pkill -P "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
}
trap 'stop_helpers; stop_session; rm -rf "$work"' EXIT
require_tools orca openbox script xdotool

log=$work/orca.log
spoken() { tr -d '\r' <"$log" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{'established.*/\1/p"; }
wait_for_speech() { # an utterance Orca must say, whole
    local _
    for _ in $(seq 100); do
        spoken | grep -qxF -e "$1" -e "notification $1" && return 0
        sleep 0.1
    done
    fail "Orca did not say: $1"$'\n'"$(spoken)"
}

openbox >/dev/null 2>&1 &
helpers+=($!)
# Orca buffers its debug file unless it is a terminal: script gives it one and copies it out.
script -qfec "orca -d speech -d braille -u '$work/orca-prefs' --debug-file=/dev/tty" "$log" \
    </dev/null >/dev/null 2>&1 &
helpers+=($!)
for _ in $(seq 100); do
    grep -q 'Startup complete' "$log" 2>/dev/null && break
    sleep 0.1
done
grep -q 'Startup complete' "$log" 2>/dev/null || fail "Orca did not start"

"$app" >"$work/out" 2>"$work/err" &
app_pid=$!
window=$(focus_window)
wait_for_speech 'DESTINATION slider 1.'

search() { # what Orca must say for the search that Return starts
    local before
    before=$(spoken | wc -l)
    xdotool key Return
    wait_for_speech "$1"
    [ "$(spoken | tail -n +"$((before + 1))" | grep -c 'TRIAL LEFT [0-9]*\.')" -eq 1 ] ||
        fail "not one announcement for one search:"$'\n'"$(spoken)"
}

search 'TRIAL LEFT 9. Path Found !! The optimal path load is 72. The path: 0, 2, 1.'
xdotool windowsize "$window" 700 500
sleep 0.5
xdotool windowsize "$window" 800 560
xdotool key Left
wait_for_speech 0
search 'TRIAL LEFT 8. Source & Destination must be different!! Try again.'
for trials in 7 6 5 4 3 2 1; do
    search "TRIAL LEFT $trials. Source & Destination must be different!! Try again."
done
search 'TRIAL LEFT 0. Source & Destination must be different!! Try again. Please ask me for more details of this software!!'
xdotool key alt+r
wait_for_speech 'TRIAL LEFT 10.'

echo "Orca said:"
spoken | sed 's/^/    /'
[ "$(spoken | grep -c 'TRIAL LEFT [0-9]*\.')" -eq 11 ] || fail "an announcement was repeated"
quit_with_ctrl_q
