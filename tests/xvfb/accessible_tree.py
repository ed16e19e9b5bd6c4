"""Prints the accessibility tree of the running application whose name contains the
first argument, a line a node: depth, role, name, description and whether it shows."""
import sys
import time

import pyatspi


def walk(node, depth, lines):
    states = node.getState()
    shown = states.contains(pyatspi.STATE_VISIBLE) and states.contains(pyatspi.STATE_SHOWING)
    lines.append("%d|%s|%s|%s|%s" % (depth, node.getRoleName(), node.name, node.description,
                                     "shown" if shown else "hidden"))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, lines)


def application(wanted):
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and wanted in (app.name or "") and app.childCount > 0:
                return app
        time.sleep(0.05)
    return None


app = application(sys.argv[1])
if app is None:
    sys.exit("no application named like " + sys.argv[1])
lines = []
walk(app, 0, lines)
print("\n".join(lines))
