# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the accessible tree of a running application as a screen reader reads it over AT-SPI:
one object a line, indented by depth, as role, "name", value and description.
Usage: python3 atspi_tree.py APPLICATION_NAME"""

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


walk(application(sys.argv[1]))
