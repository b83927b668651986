#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real netroute binary the ways users start it: with no usable display, with
# standard descriptors closed, writing into a pipe whose reader goes away, and into a full
# device. Each time it must end or go on soundly.
# Usage: gui_environment.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
source "$(dirname "$0")/xsession.sh"
trap 'stop_session; rm -rf "$work"' EXIT
require_tools Xvfb xdotool
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
cd "$work"
ulimit -c unlimited

# No usable display, whatever the reason: one line with the headless hint, exit code 1 and no
# core file. The XDG_RUNTIME_DIR given holds no compositor's socket.
free_display=:199
[ -e /tmp/.X11-unix/X199 ] && free_display=:$((200 + RANDOM % 100))
mkdir -m 0700 "$work/empty-runtime"
while IFS='|' read -r case_name settings; do
    status=0
    # shellcheck disable=SC2086 # the settings are words for env
    env -u DISPLAY XDG_RUNTIME_DIR="$work/empty-runtime" $settings "$app" >"$work/out" 2>"$work/err" ||
        status=$?
    [ "$status" -eq 1 ] || fail "$case_name: exit code $status"
    if [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -q 'xvfb-run' "$work/err"; then
        fail "$case_name: not the one line with the headless hint"
    fi
    [ ! -s "$work/out" ] || fail "$case_name: wrote to standard output"
    ! compgen -G "$work/core*" >/dev/null || fail "$case_name: left a core file"
    echo "$case_name: $(cat "$work/err")"
done <<CASES
no display named|
no server at the display|DISPLAY=$free_display
unknown platform plugin|QT_QPA_PLATFORM=bogus
no Wayland compositor|WAYLAND_DISPLAY=wayland-9
Wayland asked for without a compositor|QT_QPA_PLATFORM=wayland
CASES

# The toolkit's own options keep working: -platform offscreen needs no display.
env -u DISPLAY "$app" -platform offscreen >"$work/out" 2>"$work/err" &
app_pid=$!
sleep 1.5
kill -0 "$app_pid" 2>/dev/null || fail "-platform offscreen did not keep running"
stop_session
echo "-platform offscreen runs with no display"

start_xvfb

# Presses Return the given number of times, each after the last search has had time to end.
search() {
    local _
    for _ in $(seq "$1"); do
        xdotool key Return
        sleep 0.3
    done
}

# With 0, 1 and 2 closed, no file takes their place: searches run and Ctrl+Q still ends it.
"$app" <&- >&- 2>&- &
app_pid=$!
focus_window >/dev/null
search 2
quit_with_ctrl_q
echo "closed standard descriptors: the window still answers"

# A write that fails is told once on standard error, and the program goes on.
expect_one_failure_line() { # reason
    local lines
    lines=$(grep -c '^netroute: cannot write the search report to standard output: ' "$work/err" || true)
    [ "$lines" -eq 1 ] || fail "$lines failure lines instead of one"
    grep -qx "netroute: cannot write the search report to standard output: $1" "$work/err" ||
        fail "the failure line does not give the reason $1"
}

mkfifo "$work/pipe"
head -c 10 <"$work/pipe" >"$work/out" &
reader_pid=$!
"$app" >"$work/pipe" 2>"$work/err" &
app_pid=$!
focus_window >/dev/null
search 1
wait "$reader_pid"
search 2
quit_with_ctrl_q
expect_one_failure_line "Broken pipe"
echo "the reader went away: $(cat "$work/err")"

"$app" >/dev/full 2>"$work/err" &
app_pid=$!
focus_window >/dev/null
search 3
quit_with_ctrl_q
expect_one_failure_line "No space left on device"
echo "a full device: $(cat "$work/err")"
