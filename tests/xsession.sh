# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the window-level tests: a private X server, the program's window on it and a way
# to end the program as a user would. The caller sets "work" to a scratch directory first.

require_tools()
{
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/install-deps test installs it)"
            exit 77
        fi
    done
}

xvfb_pid=
app_pid=
stop_session()
{
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    app_pid=
    xvfb_pid=
}

# Also called from command substitutions, so it reports on standard error.
fail()
{
    echo "FAIL: $*" >&2
    local stream
    for stream in out err; do
        [ -f "$work/$stream" ] && { echo "--- standard $stream:"; cat "$work/$stream"; } >&2
    done
    exit 1
}

# Starts Xvfb on a free display of its own choosing and exports DISPLAY.
start_xvfb()
{
    # The toolkit wants a private runtime directory and warns on every start without one.
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    local _
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
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
