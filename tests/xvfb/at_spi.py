"""A running application as assistive technology reaches it, for the real-window tests.
usage: at_spi.py APP busy|idle SECONDS  waits until APP's picture is busy with a run
                                       (or not); exits 1 when the time ran out
       at_spi.py APP press NAME        presses APP's control named NAME
APP: a part of the application's name."""
import sys
import time

import pyatspi


def first(node, wanted, depth=0):
    """The first node under `node` for which `wanted` holds, depth first."""
    if node is None or depth > 8:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = first(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    return first(desktop, lambda n: n.getRoleName() == "application" and name in (n.name or ""), 0)


def until(seconds, condition):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if condition():
                return True
        except Exception:  # the application is still starting or has just ended
            pass
        time.sleep(0.02)
    return False


app_name, verb = sys.argv[1], sys.argv[2]
if verb in ("busy", "idle"):
    def picture_state():
        picture = first(application(app_name), lambda n: n.getRoleName() == "image")
        return picture is not None and picture.getState().contains(pyatspi.STATE_BUSY) == (verb == "busy")
    sys.exit(0 if until(float(sys.argv[3]), picture_state) else 1)
if verb == "press":
    control = first(application(app_name), lambda n: n.name == sys.argv[3] and n.queryAction().nActions > 0)
    if control is None:
        sys.exit("no control named " + sys.argv[3])
    control.queryAction().doAction(0)
    sys.exit(0)
sys.exit(__doc__)
