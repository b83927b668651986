# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the accessible tree of a running application as a screen reader reads it over AT-SPI:
one object a line, indented by depth, as role, "name", value and description. With --press,
runs the first action of the push button of that name instead, and with --do the named action
of the named object, as a screen reader user would.
Usage: python3 atspi_tree.py APPLICATION_NAME [--press BUTTON_NAME | --do NAME ACTION]"""

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


def find(accessible, name, roles=None):
    if accessible.name == name and (roles is None or accessible.getRoleName() in roles):
        return accessible
    for child in accessible:
        found = find(child, name, roles) if child is not None else None
        if found is not None:
            return found
    return None


def act(name, action=None, roles=None):
    target = find(application(sys.argv[1]), name, roles)
    if target is None:
        sys.exit(f"no object named {name}")
    actions = target.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action is not None and action not in names:
        sys.exit(f"{name} has no action {action}, only {names}")
    actions.doAction(names.index(action) if action is not None else 0)


if len(sys.argv) == 4 and sys.argv[2] == "--press":
    # AT-SPI 2.46 calls the role "push button", later versions "button".
    act(sys.argv[3], roles=("push button", "button"))
elif len(sys.argv) == 5 and sys.argv[2] == "--do":
    act(sys.argv[3], sys.argv[4])
else:
    walk(application(sys.argv[1]))
