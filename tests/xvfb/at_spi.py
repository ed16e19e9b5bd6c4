"""A running application as assistive technology reaches it, for the real-window tests.
usage: at_spi.py APP busy|idle SECONDS  waits until APP's picture is busy with a run
                                       (or not); exits 1 when the time ran out
       at_spi.py APP press NAME        presses APP's control named NAME
       at_spi.py APP drawn SECONDS     waits until APP's picture says what a run drew it with
       at_spi.py APP centre NAME       prints the screen position of the centre of APP's
                                       control named NAME (waits for it up to 20 s)
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
if verb == "drawn":
    def drawn():
        picture = first(application(app_name), lambda n: n.getRoleName() == "image")
        return picture is not None and "Nakresleno s nastavením" in (picture.description or "")
    sys.exit(0 if until(float(sys.argv[3]), drawn) else 1)
if verb == "centre":
    found = []

    def placed():
        control = first(application(app_name), lambda n: n.name == sys.argv[3] and n.queryAction().nActions > 0)
        if control is None:
            return False
        box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box.width <= 0 or box.height <= 0:
            return False
        found.append((box.x + box.width // 2, box.y + box.height // 2))
        return True
    if not until(20, placed):
        sys.exit("no control named " + sys.argv[3])
    print("%d %d" % found[0])
    sys.exit(0)
sys.exit(__doc__)
