# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the accessible tree of a running application as a screen reader reads it over AT-SPI:
one object a line, indented by depth, as role, "name", value and description. With --press,
runs the first action of the push button of that name instead, as a screen reader user would.
Usage: python3 atspi_tree.py APPLICATION_NAME [--press BUTTON_NAME]"""

import sys
import time

import pyatspi


def application(name, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"no application named {name} on the accessibility bus")


def describe(accessible):
    line = f'{accessible.getRoleName()} "{accessible.name}"'
    try:
        value = accessible.queryValue()
        line += f" value={value.currentValue:g} range={value.minimumValue:g}..{value.maximumValue:g}"
    except NotImplementedError:
        pass
    if accessible.description:
        line += f" description={accessible.description!r}"
    return line


def walk(accessible, depth=0):
    print("  " * depth + describe(accessible))
    for child in accessible:
        if child is not None:
            walk(child, depth + 1)


def find_button(accessible, name):
    # AT-SPI 2.46 calls the role "push button", later versions "button".
    if accessible.getRoleName() in ("push button", "button") and accessible.name == name:
        return accessible
    for child in accessible:
        found = find_button(child, name) if child is not None else None
        if found is not None:
            return found
    return None


if len(sys.argv) == 4 and sys.argv[2] == "--press":
    button = find_button(application(sys.argv[1]), sys.argv[3])
    if button is None:
        sys.exit(f"no push button named {sys.argv[3]}")
    button.queryAction().doAction(0)
else:
    walk(application(sys.argv[1]))
