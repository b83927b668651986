#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command as a screen reader user's session would host it: a private D-Bus session bus,
# the AT-SPI accessibility bus with its registry, the screen reader's switch on, and a private X
# server with the toolkit's xcb platform.
# Usage: a11y_session.sh COMMAND [ARGUMENTS]
set -euo pipefail

launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${NETROUTE_A11Y_SESSION:-}" ]; then
    for tool in dbus-run-session dbus-send Xvfb "$launcher"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/install-deps test installs it)"
            exit 77
        fi
    done
    NETROUTE_A11Y_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
source "$(dirname "$0")/xsession.sh"
launcher_pid=
trap '[ -n "$launcher_pid" ] && kill "$launcher_pid"; stop_session; rm -rf "$work"' EXIT
start_xvfb

"$launcher" --launch-immediately 2>"$work/launcher.log" &
launcher_pid=$!
bus_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 100); do
    bus_ready && break
    sleep 0.05
done
bus_ready || fail "the AT-SPI bus did not start: $(cat "$work/launcher.log")"
# What a screen reader does when it starts: the toolkit then exports its accessible tree. The
# setting is stored through dconf on its way, and the toolkit reads it once at start, so wait
# for it.
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true
reader_on() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:ScreenReaderEnabled |
        grep -q 'boolean true'
}
for _ in $(seq 200); do
    reader_on && break
    sleep 0.05
done
reader_on || fail "the screen reader switch did not turn on"

QT_QPA_PLATFORM=xcb "$@"
