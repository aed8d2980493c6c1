#!/usr/bin/env python3
"""Prints the accessibility tree of a running program, as a screen reader
sees it over the accessibility bus: role, name and, for a few roles, the
description. Usage: atspi_tree.py PROGRAM-NAME"""
import sys

import pyatspi


def show(node, depth):
    try:
        role = node.getRoleName()
        name = node.name
        description = node.description
        states = node.getState()
        focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    except Exception as error:  # a node that went away meanwhile
        print("  " * depth + "? " + str(error))
        return
    line = "  " * depth + "[%s] %r" % (role, name)
    if description:
        line += " desc=%r" % description
    if focusable:
        line += " focusable"
    print(line)
    for i in range(node.childCount):
        show(node.getChildAtIndex(i), depth + 1)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else ""
    desktop = pyatspi.Registry.getDesktop(0)
    found = False
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and wanted in (app.name or ""):
            found = True
            show(app, 0)
    if not found:
        names = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]
        print("no application named %r; the bus has %r" % (wanted, names))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
