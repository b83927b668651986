#!/usr/bin/env bash
# Starts the real netroute binary on a private X server, types on it through that server and
# checks the window's geometry, the reports it prints, the end of a series, restart and exit.
# Usage: gui_acceptance.sh PATH_TO_NETROUTE
set -euo pipefail

app=$1
for tool in Xvfb xdotool xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps test installs it)"
        exit 77
    fi
done
unset QT_QPA_PLATFORM

# Without any display the program must say so in one line, not abort inside Qt.
status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$app" 2>&1 >/dev/null) || status=$?
if [ "$status" -ne 1 ] || [ "$(wc -l <<<"$message")" -ne 1 ] || ! grep -q xvfb-run <<<"$message"; then
    echo "FAIL: with no display: exit code $status, message: $message"
    exit 1
fi
echo "with no display: $message"

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- standard output:"
    cat "$work/out"
    echo "--- standard error:"
    cat "$work/err"
    exit 1
}

# Xvfb picks a free display number itself and writes it to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

"$app" >"$work/out" 2>"$work/err" &
app_pid=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1) ||
    fail "no window appeared"

info=$(xwininfo -id "$window")
geometry=$(awk -F: '/Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
    /Width/ {w=$2} /Height/ {h=$2} END {gsub(/ /, "", x); gsub(/ /, "", y);
    gsub(/ /, "", w); gsub(/ /, "", h); print w "x" h "+" x "+" y}' <<<"$info")
[ "$geometry" = "800x560+100+100" ] || fail "window geometry is $geometry"
echo "window $window at $geometry"

# With no window manager, focusing the window directly is what works.
xdotool windowfocus --sync "$window"

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

xdotool key ctrl+q
status=0
timeout 10 tail --pid="$app_pid" -f /dev/null || fail "Ctrl+Q did not end the program"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit code $status after Ctrl+Q"
echo "Ctrl+Q ended the program with exit code 0"
