# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the window-level tests: a private X server, the program's window on it and a way
# to end the program as a user would. The caller sets "work" to a scratch directory first.

# shellcheck source=tests/testlib.sh
source "$(dirname "${BASH_SOURCE[0]}")/testlib.sh"

xvfb_pid=
app_pid= # the program under test, started by the caller
stop_session()
{
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    app_pid=
    xvfb_pid=
}

# Starts Xvfb on a free display of its own choosing and exports DISPLAY.
start_xvfb()
{
    # The toolkit wants a private runtime directory and warns on every start without one.
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 0700 "$XDG_RUNTIME_DIR"
    # The screen's pixels are kept in $work/Xvfb_screen0, an XWD image, for screen_pixels.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -fbdir "$work" -nolisten tcp \
        3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    local _
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
}

# Waits for the window of app_pid, focuses it and prints its id.
focus_window()
{
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1) ||
        fail "no window appeared"
    # With no window manager, focusing the window directly is what works.
    xdotool windowfocus --sync "$window"
    echo "$window"
}

# Prints the first shown window whose title matches PATTERN, waiting up to SECONDS for it.
# Wine makes and destroys windows of its own meanwhile, so a search that meets one going away
# is tried again.
find_window() # PATTERN SECONDS
{
    local _ found
    for _ in $(seq $(($2 * 10))); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && echo "$found" && return 0
        sleep 0.1
    done
    return 1
}

# Prints a window's size and place as WIDTHxHEIGHT+X+Y.
window_geometry()
{
    xwininfo -id "$1" | awk -F: '/Width/ {w=$2} /Height/ {h=$2}
        /Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
        END {gsub(/ /, "", w); gsub(/ /, "", h); gsub(/ /, "", x); gsub(/ /, "", y);
            print w "x" h "+" x "+" y}'
}

# Presses Ctrl+Q and checks that the program ends with exit code 0.
quit_with_ctrl_q()
{
    local status=0
    xdotool key ctrl+q
    timeout 10 tail --pid="$app_pid" -f /dev/null || fail "Ctrl+Q did not end the program"
    wait "$app_pid" || status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "exit code $status after Ctrl+Q"
}

# Prints how many pixels of the colour R G B the screen shows in the rectangle WIDTHxHEIGHT+X+Y.
screen_pixels()
{
    python3 "$(dirname "${BASH_SOURCE[0]}")/xwd_pixels.py" "$work/Xvfb_screen0" "$@"
}
