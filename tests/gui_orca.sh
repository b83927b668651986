#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs Debian's screen reader, Orca, beside the real program under a window manager and checks
# what Orca would say (its debug log records every utterance; no synthesizer runs): the outcome
# of a search, the trials left, the same-endpoints message, the closing notice after the tenth
# search and the new count after RESTART, each once, while the focus stays on a slider; what
# opening a network tells; a round stepped in Routing tables; each step of the textbooks' six
# routers made with the keyboard alone in the Network editor, saved, used and searched.
# Runs inside a11y_session.sh. Usage: a11y_session.sh gui_orca.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$(dirname "$0")/xsession.sh"
# shellcheck source=tests/editor_keyboard.sh
source "$(dirname "$0")/editor_keyboard.sh"
keys() { xdotool key --delay 100 "$@"; }
typed() { xdotool type --delay 50 "$1"; }
told() { wait_for_told "$1"; }
script_pid=
openbox_pid=
# Orca refuses to start beside another Orca of the same user, so this one must be gone at the end.
# Orca runs as the child of script, which reaps it when it ends and then ends itself.
stop_helpers() {
    if [ -n "$script_pid" ]; then
        pkill -TERM -P "$script_pid" 2>/dev/null || true
        timeout 10 tail --pid="$script_pid" -f /dev/null || kill -KILL "$script_pid" 2>/dev/null
    fi
    if [ -n "$openbox_pid" ]; then kill "$openbox_pid" 2>/dev/null || true; fi
}
trap 'stop_helpers; stop_session; rm -rf "$work"' EXIT
require_tools orca openbox script xdotool
! pgrep -u "$(id -u)" -x orca >/dev/null ||
    skip "Orca already runs for this user, and a second one will not start"

log=$work/orca.log
spoken() { tr -d '\r' <"$log" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{'established.*/\1/p"; }
wait_for_speech() { # an extended regular expression for a whole utterance Orca must say
    local _
    for _ in $(seq 100); do
        # Not grep -q: its early end would cut the log's pipe short, a failure under pipefail.
        spoken | grep -xE -e "$1" -e "notification $1" >/dev/null && return 0
        sleep 0.1
    done
    fail "Orca did not say: $1"$'\n'"$(spoken)"
}
# A sentence of the program's, said alone or among the others told with it (Orca 43 ends an
# announcement with a full stop, Orca 48 does not).
wait_for_told() {
    wait_for_speech "(notification )?(.* )?$1\.?( .*)?"
}

openbox >/dev/null 2>&1 &
openbox_pid=$!
# Orca 48 speaks announcements only with speech on, so speech stays on with no synthesizer
# to reach: the speech client finds no server and may start none. Orca buffers its debug
# file unless it is a terminal: script gives it one and copies it out.
SPEECHD_ADDRESS=unix_socket:$work/no-speech-server SPEECHD_CMD=/bin/false \
    script -qfec "exec orca -d braille -u '$work/orca-prefs' --debug-file=/dev/tty" "$log" \
    </dev/null >/dev/null 2>&1 &
script_pid=$!
# Orca 43 and Orca 48 each say in their own words that they are ready.
ready='Startup complete|Starting Atspi main event loop'
for _ in $(seq 300); do
    grep -Eq "$ready" "$log" 2>/dev/null && break
    sleep 0.1
done
grep -Eq "$ready" "$log" 2>/dev/null || fail "Orca did not start"

# The save dialog starts in the home folder: a scratch one.
mkdir "$work/home"
HOME=$work/home "$app" >"$work/out" 2>"$work/err" &
app_pid=$!
window=$(focus_window)
wait_for_speech 'DESTINATION slider 1.*' # Orca 48 adds the share of the range

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
wait_for_speech '0.*'
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

# Showing a network (here the built-in one again, Ctrl+Alt+B) tells which, and the new series.
xdotool key ctrl+alt+b
wait_for_speech 'The built-in network: 20 vertices, 64 links\. TRIAL LEFT 10\.'
echo "after Ctrl+Alt+B Orca said: $(spoken | tail -n 1)"

# Routing tables: a step to the next round is told in that round's sentence.
xdotool key ctrl+alt+r
xdotool search --sync --onlyvisible --name '^Routing tables' >/dev/null
xdotool key alt+s
wait_for_speech 'Round 1: [0-9]+ entries change: .*\.'
echo "a round stepped, Orca said: $(spoken | grep '^Round 1:' | tail -n 1)"

# Network editor, with the keyboard alone: the six routers made, each change told, then saved,
# used and searched. Focused directly: openbox in Debian 13 does not always answer to
# activation by xdotool.
xdotool windowfocus --sync "$window"
xdotool key ctrl+alt+d
editor=$(find_window '^Network editor' 10) || fail "Ctrl+Alt+D opened no Network editor"
xdotool windowfocus --sync "$editor"
sleep 0.5
# The focus starts on the drawing; "New" is seven back, past the commands that cannot act yet.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
build_by_keyboard
changes=$(spoken | sed 's/^notification //' | grep -E '^(Vertex|Link) [0-9]' || true)
echo "in the Network editor Orca told each change, $(wc -l <<<"$changes") times, among them:"
sed -n '1p;7p;13p;$p' <<<"$changes" | sed 's/^/    /'
keys space # Save as...
dialog=$(find_window '^Save network as' 30) || fail "no save dialog appeared"
xdotool windowfocus --sync "$dialog"
keys Home shift+End
typed six
keys Return
for _ in $(seq 100); do
    [ -s "$work/home/six.graphml" ] && break
    sleep 0.1
done
[ -s "$work/home/six.graphml" ] || fail "six.graphml was not saved"
xdotool windowfocus --sync "$editor"
sleep 0.5
keys Tab space # Use this network
wait_for_speech 'six: 6 vertices, 20 links\. TRIAL LEFT 10\.'
xdotool windowfocus --sync "$window"
sleep 0.5
keys Home Right Right Right Right Right Return
wait_for_speech 'TRIAL LEFT 9\. Path Found !! The optimal path load is 4\. The path: 0, 3, 4, 5\.'
echo "the six routers used and searched, Orca said: $(spoken | tail -n 1)"
quit_with_ctrl_q
