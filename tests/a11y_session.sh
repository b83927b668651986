#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command as a screen reader user's session would host it: a private D-Bus session bus,
# the AT-SPI accessibility bus with its registry, the toolkit exporting its accessible tree, and
# a private X server with the toolkit's xcb platform.
# Usage: a11y_session.sh COMMAND [ARGUMENTS]
set -euo pipefail

launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${NETROUTE_A11Y_SESSION:-}" ]; then
    # shellcheck source=tests/testlib.sh
    source "$(dirname "$0")/testlib.sh"
    require_tools dbus-run-session dbus-send Xvfb "$launcher"
    NETROUTE_A11Y_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
# shellcheck source=tests/xsession.sh
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
# A screen reader announces itself through a setting that the launcher keeps in GSettings, which
# a fresh minimal system does not reliably carry through. The toolkit's own switch for clients
# that do not announce themselves makes it export its tree to the bus just the same.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$@"
