# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
"""Prints what AT-SPI offers of the running program: `tree` walks the main window,
`dialog` reads the message box that is open, `status` the status bar."""
import sys

import pyatspi


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("recallix"):
            return app
    sys.exit("Recallix is not on the accessibility bus")


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return ""


def walk(node, depth=0):
    role = node.getRoleName()
    if role not in ("filler", "panel") or node.name:
        states = node.getState()
        focusable = "focusable" if states.contains(pyatspi.STATE_FOCUSABLE) else ""
        print("%s%s name=%r description=%r text=%r %s" % (
            "  " * depth, role, node.name, node.description, text_of(node), focusable))
    if role == "menu bar":
        return
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def main():
    app = application()
    if sys.argv[1] == "tree":
        walk(app[0])
        return
    if sys.argv[1] == "status":
        for child in app[0]:
            if child is not None and child.getRoleName() == "status bar":
                print("status bar reads:", [c.name for c in child if c is not None and c.name])
        return
    for window in app:
        if window is not None and window.getRoleName() in ("dialog", "alert"):
            print("open box: role=%s name=%r description=%r" % (
                window.getRoleName(), window.name, window.description))
            walk(window, 1)


main()
