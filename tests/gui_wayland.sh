#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real program natively on Wayland, under Debian's weston with its headless backend
# and no X server to fall back on, runs one search by pressing SEARCH START over AT-SPI (weston
# takes no injected keys from outside), checks the report and ends the program with SIGTERM.
# Runs inside a11y_session.sh. Usage: a11y_session.sh gui_wayland.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
here=$(dirname "$0")
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$here/xsession.sh"
weston_pid=
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; stop_session; rm -rf "$work"' EXIT
require_tools weston
[ -n "$(find /usr/lib -path '*/qt6/plugins/platforms/libqwayland*' -print -quit)" ] ||
    skip "qt6-wayland is not installed (scripts/install-deps test installs it)"

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
socket=netroute-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(cat "$work/weston.log")"

unset DISPLAY
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$app" >"$work/out" 2>"$work/err" &
app_pid=$!
/usr/bin/python3 "$here/atspi_tree.py" netroute --press "SEARCH START" || fail "could not press"

expected=$'\nThe shortest Distance from start 0 to destination 1 is 72\nThe Path is as follows:'
for _ in $(seq 100); do
    [ "$(cat "$work/out")" = "$expected" ] && break
    sleep 0.05
done
[ "$(cat "$work/out")" = "$expected" ] || fail "no report of the search"
[ ! -s "$work/err" ] || fail "the program complained on Wayland"
echo "searched natively on Wayland"

status=0
kill -TERM "$app_pid"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 143 ] || fail "exit status $status after SIGTERM"
echo "SIGTERM ended it"
