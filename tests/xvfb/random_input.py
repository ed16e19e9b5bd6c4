"""Seeded random input for one program of the suite, or the launcher, in a real window.

usage: random_input.py PROGRAM_EXE EVENTS SEED --close-request PATH [--work DIR]

Starts the program, sends it EVENTS random events through XTEST (clicks on the controls
the accessibility tree shows, Start storms, clicks anywhere, the speed bar, keys, the
window manager's moves, resizes, minimising and maximising, closes, answers to the
yes/no question) and watches it over AT-SPI: its picture is BUSY while a run draws.
After every exit it starts the program again. It fails on a crash, a sanitizer report,
a leak, a hang (not idle after Esc) and a lost close (alive past the deadline after a
close). Every event's choices come from the seed and the event's number, so a seed
replays the same input as far as the program answers the same way.
"""
import argparse
import collections
import os
import random
import shutil
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402
from Xlib import X, XK, Xatom, display as xdisplay, error as xerror, protocol  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

# The programs' titles (the picture's accessible name, the question box's title), in the
# launcher's order, from the suite's list; the window's caption is the title, a separator
# and the address.
def read_titles():
    titles = {}
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "..", "..", "programs.list"), encoding="utf-8") as listing:
        for line in listing:
            if line.strip() and not line.startswith("#"):
                fields = line.rstrip("\n").split("|")
                titles[fields[0]] = fields[2]
    return titles


TITLES = read_titles()
LAUNCHER_TITLE = "Světlo a šipky"
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer")

# How long a close may take before the program counts as still alive: what the program
# owes (0.5 s) and, in the sanitizer build, what the sanitizers add to an exit (the
# leak check at exit above all: a close ended a program within 0.25 s on a 2-core
# machine, within 0.4 s while other tests loaded it).
CLOSE_DEADLINE = 0.5
SANITIZER_MARGIN = 0.5
PLAIN_MARGIN = 0.1
# "Konec" ends the program after the run and the input held before it: after the Esc
# that stops the run, this long for what was held to be served.
KONEC_ALLOWANCE = 2.0
# After the Esc of an idle check the program is idle within the longest run seen and this.
HANG_MARGIN = 5.0
# The longest run a program's speed bar allows (its slowest end), and what a run may
# take when none has been seen to its end yet.
SLOWEST_RUN = 110.0
FIRST_RUN_GUESS = 10.0
# A program that does not answer over AT-SPI this long is hung.
SILENCE = 20.0


def now():
    return time.monotonic()


class Failure(Exception):
    pass


# ---------------------------------------------------------------------------- X11

class X11:
    """The display: XTEST input, the window manager's EWMH requests, the windows of a pid."""

    def __init__(self):
        self.d = xdisplay.Display()
        self.root = self.d.screen().root
        if not self.d.has_extension("XTEST"):
            raise SystemExit("the X server has no XTEST")
        self.atoms = {}
        self.keycodes = {}
        # A program answers a ping on the root window (StructureNotify); a window of the
        # driver's own, never shown, asks the window manager for its frame extents.
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        self.helper = self.root.create_window(0, 0, 1, 1, 0, self.d.screen().root_depth)
        self.token = 0

    def atom(self, name):
        if name not in self.atoms:
            self.atoms[name] = self.d.intern_atom(name)
        return self.atoms[name]

    def window(self, wid):
        return self.d.create_resource_object("window", wid)

    def property(self, w, name, kind=X.AnyPropertyType):
        try:
            p = w.get_full_property(self.atom(name), kind)
        except xerror.XError:
            return None
        return p.value if p else None

    def wm_ready(self):
        return self.property(self.root, "_NET_SUPPORTING_WM_CHECK") is not None

    def clients(self):
        return list(self.property(self.root, "_NET_CLIENT_LIST", Xatom.WINDOW) or [])

    def name(self, w):
        value = self.property(w, "_NET_WM_NAME", self.atom("UTF8_STRING"))
        if value is None:
            return ""
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)

    def windows_of(self, pid):
        """The managed top-level windows of a process: (window, name)."""
        found = []
        for wid in self.clients():
            w = self.window(wid)
            p = self.property(w, "_NET_WM_PID", Xatom.CARDINAL)
            if p is not None and len(p) and p[0] == pid:
                found.append((w, self.name(w)))
        return found

    def geometry(self, w):
        """The window's client area on the screen: x, y, width, height (None if gone)."""
        try:
            g = w.get_geometry()
            t = self.root.translate_coords(w, 0, 0)
            attributes = w.get_attributes()
        except xerror.XError:
            return None
        if attributes.map_state != X.IsViewable:
            return None
        return t.x, t.y, g.width, g.height

    def managed(self, w):
        """Shown or minimised (ICCCM WM_STATE Normal or Iconic), not withdrawn."""
        value = self.property(w, "WM_STATE")
        return value is not None and len(value) > 0 and value[0] in (1, 3)

    def active(self):
        value = self.property(self.root, "_NET_ACTIVE_WINDOW", Xatom.WINDOW)
        return value[0] if value is not None and len(value) else 0

    def state(self, w):
        return set(self.property(w, "_NET_WM_STATE", Xatom.ATOM) or [])

    def screen_size(self):
        s = self.d.screen()
        return s.width_in_pixels, s.height_in_pixels

    # Input.
    def keycode(self, keysym_name):
        if keysym_name not in self.keycodes:
            code = self.d.keysym_to_keycode(XK.string_to_keysym(keysym_name))
            if not code:
                raise SystemExit("no key for " + keysym_name)
            self.keycodes[keysym_name] = code
        return self.keycodes[keysym_name]

    def key(self, *names):
        """Presses the keys in order and releases them in reverse (a chord)."""
        codes = [self.keycode(n) for n in names]
        for c in codes:
            xtest.fake_input(self.d, X.KeyPress, c)
        for c in reversed(codes):
            xtest.fake_input(self.d, X.KeyRelease, c)
        self.d.sync()

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=int(x), y=int(y))
        self.d.sync()

    def press(self, button=1):
        xtest.fake_input(self.d, X.ButtonPress, button)
        self.d.sync()

    def release(self, button=1):
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()

    def click(self, x, y, button=1):
        self.move(x, y)
        xtest.fake_input(self.d, X.ButtonPress, button)
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()

    # The window manager's requests (EWMH), as a pager or wmctrl makes them.
    def _to_wm(self, w, name, data):
        event = protocol.event.ClientMessage(window=w, client_type=self.atom(name),
                                             data=(32, [v & 0xFFFFFFFF for v in (list(data) + [0] * 5)[:5]]))
        self.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.d.sync()

    def activate(self, w):
        self._to_wm(w, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime, 0])

    def close_through_wm(self, w):  # wmctrl -c
        self._to_wm(w, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2])

    def wm_round_trip(self, seconds=3.0):
        """Waits until the window manager has handled every request made before (the
        driver's and the programs'): it answers a request for a window's frame extents
        in its turn. Whether it answered within the time."""
        self.helper.delete_property(self.atom("_NET_FRAME_EXTENTS"))
        self._to_wm(self.helper, "_NET_REQUEST_FRAME_EXTENTS", [])
        return until(lambda: self.property(self.helper, "_NET_FRAME_EXTENTS") is not None, seconds, 0.002)

    def decoration(self):
        """The window manager's frame around a normal window: left, right, top, bottom."""
        value = self.property(self.helper, "_NET_FRAME_EXTENTS")
        return tuple(value) if value is not None and len(value) == 4 else (0, 0, 0, 0)

    def ping(self, w, seconds=3.0):
        """Whether the program of the window answers a ping within the time (None: the
        window is gone). It answers in its turn, after it has read the input sent to it
        before (at a run's frames too); its answer comes to the root window."""
        self.token = self.token % 0x7FFFFFFF + 1
        token = self.token
        event = protocol.event.ClientMessage(window=w, client_type=self.atom("WM_PROTOCOLS"),
                                             data=(32, [self.atom("_NET_WM_PING"), token, w.id, 0, 0]))
        gone = xerror.CatchError(xerror.BadWindow)
        w.send_event(event, event_mask=0, onerror=gone)
        self.d.sync()
        if gone.get_error():
            return None
        deadline = now() + seconds
        while now() < deadline:
            while self.d.pending_events():
                e = self.d.next_event()
                if (e.type == X.ClientMessage and e.client_type == self.atom("WM_PROTOCOLS")
                        and e.data[1][0] == self.atom("_NET_WM_PING") and e.data[1][1] == token):
                    return True
            time.sleep(0.002)
        return False

    def minimise(self, w):
        self._to_wm(w, "WM_CHANGE_STATE", [3])  # IconicState

    def set_state(self, w, action, *names):  # action: 0 remove, 1 add, 2 toggle
        atoms = [self.atom(n) for n in names] + [0, 0]
        self._to_wm(w, "_NET_WM_STATE", [action, atoms[0], atoms[1], 2])

    def move_resize(self, w, x=None, y=None, width=None, height=None):
        flags = 0
        values = []
        for bit, value in ((8, x), (9, y), (10, width), (11, height)):
            if value is not None:
                flags |= 1 << bit
            values.append(int(value or 0))
        self._to_wm(w, "_NET_MOVERESIZE_WINDOW", [flags | (2 << 12) | X.NorthWestGravity] + values)


# ------------------------------------------------------------------------- AT-SPI

Atspi.set_timeout(4000, 15000)


def states(node):
    try:
        return node.getState()
    except Exception:
        return None


def fresh_states(node):
    """The node's states as they are now, not as cached (None: no answer)."""
    try:
        node.clearCache()
    except Exception:
        pass
    return states(node)


def extents(node):
    try:
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height
    except Exception:
        return None


def role(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def name(node):
    try:
        return node.name or ""
    except Exception:
        return ""


def children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    found = []
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            child = None
        if child is not None:
            found.append(child)
    return found


def descendants(node, depth=0):
    yield node, depth
    for child in children(node):
        yield from descendants(child, depth + 1)


def application_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


class Mapping:
    """From the accessible extents of a window (Qt gives them in its own, unscaled pixels)
    to the screen: the window's client area on the screen and its accessible extents."""

    def __init__(self, client, logical, screen):
        cx, cy, cw, ch = client
        # What of the window is on the screen (a window moved past the screen's edge).
        x0, y0 = max(cx, 0), max(cy, 0)
        x1, y1 = min(cx + cw, screen[0]), min(cy + ch, screen[1])
        self.shown = (x0, y0, max(0, x1 - x0), max(0, y1 - y0))
        lx, ly, lw, lh = logical
        self.sx = cw / lw if lw > 0 else 1.0
        self.sy = ch / lh if lh > 0 else 1.0
        self.cx, self.cy, self.lx, self.ly = cx, cy, lx, ly
        self.client = client

    def point(self, lx, ly):
        return self.cx + (lx - self.lx) * self.sx, self.cy + (ly - self.ly) * self.sy

    def rect(self, e):
        x0, y0 = self.point(e[0], e[1])
        x1, y1 = self.point(e[0] + e[2], e[1] + e[3])
        return x0, y0, x1 - x0, y1 - y0

    def inside(self, x, y):
        """On the part of the window that is on the screen."""
        cx, cy, cw, ch = self.shown
        return cx <= x < cx + cw and cy <= y < cy + ch

    def clip(self, rect):
        """The part of a rectangle on the screen that the window shows."""
        x0, y0 = max(rect[0], self.shown[0]), max(rect[1], self.shown[1])
        x1 = min(rect[0] + rect[2], self.shown[0] + self.shown[2])
        y1 = min(rect[1] + rect[3], self.shown[1] + self.shown[3])
        return x0, y0, max(0, x1 - x0), max(0, y1 - y0)


# ------------------------------------------------------------------------ the tally

class Tally:
    def __init__(self):
        self.events = collections.Counter()
        self.closes = collections.Counter()  # (kind, state)
        self.close_times = collections.defaultdict(list)  # kind -> seconds to exit
        self.answers = collections.Counter()
        self.failures = []  # (kind, text)
        self.runs = 0
        self.exits = 0
        self.exits_asked = collections.Counter()  # exits after what may have reached Konec
        self.unsettled = 0  # changes to the window the program did not follow within the bounds
        self.restarts = 0
        self.storm_clicks = 0
        self.longest_run = 0.0
        self.opened = collections.Counter()  # launcher: programs started
        self.spent = collections.Counter()  # seconds: starting, pauses, closes

    def fail(self, kind, text):
        self.failures.append((kind, text))


# -------------------------------------------------------------------- the program

class Instance:
    """One start of the program: its process, its windows and its accessible tree."""

    def __init__(self, driver, number):
        self.driver = driver
        self.number = number
        self.err_path = os.path.join(driver.work, "%s.%d.err" % (driver.program, number))
        self.err = open(self.err_path, "wb")
        self.proc = subprocess.Popen([driver.exe], stdout=self.err, stderr=subprocess.STDOUT,
                                     stdin=subprocess.DEVNULL, cwd=driver.work)
        self.pid = self.proc.pid
        self.main = None
        self.app = None
        self.picture = None
        self.frame = None  # the main window's accessible
        self.controls = []  # (role, name, accessible)
        self.controls_at = 0
        self.scale = 0  # the window's pixels per pixel of its accessible extents
        self.expected_end = False  # a close or Konec was sent: an exit is expected
        self.killed = False
        # What sent since the program was last seen idle with its input handled may end
        # it: a click that may reach Konec, Space or Enter that Konec may take.
        self.may_end = None

    def alive(self):
        return self.proc.poll() is None

    def kill(self):
        self.killed = True
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(3)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.err.close()

    def wait_open(self):
        x = self.driver.x
        title = self.driver.title
        deadline = now() + 90
        while now() < deadline:
            if not self.alive():
                return False
            for w, caption in x.windows_of(self.pid):
                if self.driver.is_main(caption) and x.geometry(w):
                    self.main = w
            if self.main is not None:
                break
            time.sleep(0.02)
        if self.main is None:
            raise Failure("no window titled '%s...' within 90 s" % title)
        while now() < deadline:
            if not self.alive():
                return False
            self.app = application_of(self.pid)
            if self.app is not None and self.refresh():
                break
            time.sleep(0.05)
        else:
            raise Failure("no accessible picture named '%s' within 90 s" % title)
        # The window manager gives the new window the focus.
        until(lambda: x.active() == self.main.id, 5)
        m = self.mapping()
        self.scale = m.sx if m else 0
        return True

    def refresh(self):
        """Reads the shown controls and the picture from the accessibility tree."""
        frame = None
        for child in children(self.app):
            if self.driver.is_main(name(child)):
                frame = child
        if frame is None:
            return False
        controls = []
        picture = None
        for node, _ in descendants(frame):
            r = role(node)
            if r in ("push button", "radio button", "check box", "scroll bar", "list item"):
                s = states(node)
                if s is not None and s.contains(pyatspi.STATE_SHOWING):
                    controls.append((r, name(node), node))
            elif r == "image" and name(node) == self.driver.title:
                picture = node
            elif r == "list":
                controls.append((r, name(node), node))
        if picture is None and not self.driver.launcher:
            return False
        self.frame, self.picture, self.controls = frame, picture, controls
        self.controls_at = now()
        return True

    def frame_active(self):
        """Whether the program takes its window as the active one (None: no answer)."""
        if self.frame is None:
            return None
        s = fresh_states(self.frame)
        return None if s is None else s.contains(pyatspi.STATE_ACTIVE)

    def mapping(self):
        client = self.driver.x.geometry(self.main)
        logical = extents(self.frame)
        if client is None or logical is None:
            return None
        return Mapping(client, logical, self.driver.x.screen_size())

    def control(self, wanted_role, wanted_name):
        for r, n, node in self.controls:
            if r == wanted_role and n.startswith(wanted_name):
                return node
        return None

    def busy(self):
        """True while a run draws; None when the program does not answer."""
        if self.picture is None:
            return False
        s = fresh_states(self.picture)
        if s is None:
            return None
        return s.contains(pyatspi.STATE_BUSY)

    def question(self):
        """The yes/no question box, when one is open (shown, or minimised with its
        window): its X window."""
        for w, caption in self.driver.x.windows_of(self.pid):
            if caption == self.driver.title and (self.main is None or w.id != self.main.id):
                if self.driver.x.managed(w):
                    return w
        return None

    def other_windows(self):
        return [(w, caption) for w, caption in self.driver.x.windows_of(self.pid)
                if self.main is None or w.id != self.main.id]

    def question_frame(self):
        """The question box's accessible, when one is open."""
        for child in children(self.app) if self.app is not None else []:
            if name(child) == self.driver.title:
                return child
        return None

    def question_buttons(self):
        """Ano and Ne of the open question box, on the screen: {name: (x, y)}."""
        box = self.question()
        if box is None or self.app is None:
            return {}
        client = self.driver.x.geometry(box)
        for child in children(self.app):
            if name(child) != self.driver.title:
                continue
            logical = extents(child)
            if client is None or logical is None:
                continue
            m = Mapping(client, logical, self.driver.x.screen_size())
            found = {}
            for node, _ in descendants(child):
                if role(node) == "push button" and name(node).replace("&", "") in ("Ano", "Ne"):
                    e = extents(node)
                    if e:
                        x0, y0, w, h = m.rect(e)
                        found[name(node).replace("&", "")] = (x0 + w / 2, y0 + h / 2)
            if found:
                return found
        return {}


def until(condition, seconds, step=0.01):
    deadline = now() + seconds
    while True:
        if condition():
            return True
        if now() >= deadline:
            return False
        time.sleep(step)


# --------------------------------------------------------------------- the driver

KEYS = [  # (what is pressed, weight)
    (("Tab",), 3), (("Shift_L", "Tab"), 2), (("space",), 2), (("Return",), 2), (("Escape",), 1.5),
    (("p",), 2), (("Left",), 2), (("Right",), 2), (("Prior",), 1), (("Next",), 1),
    (("Control_L", "c"), 1), (("F11",), 1),
]
LAUNCHER_KEYS = [
    (("Tab",), 1), (("Shift_L", "Tab"), 1), (("Left",), 3), (("Right",), 3), (("Up",), 2), (("Down",), 2),
    (("Home",), 1), (("End",), 1), (("space",), 1), (("Escape",), 1), (("F11",), 1),
]


def weighted(rng, pairs):
    """One of the (item, weight) pairs' items, as likely as its weight."""
    return rng.choices([item for item, _ in pairs], [w for _, w in pairs])[0]


class Driver:
    def __init__(self, args):
        self.exe = os.path.abspath(args.exe)
        self.program = os.path.basename(self.exe)
        self.launcher = self.program == "svetlo"
        self.title = LAUNCHER_TITLE if self.launcher else TITLES.get(self.program)
        if self.title is None:
            raise SystemExit("unknown program " + self.program)
        self.events = args.events
        self.seed = args.seed
        self.close_request = args.close_request
        self.work = args.work
        self.x = X11()
        with open(self.exe, "rb") as f:
            sanitized = b"libasan.so" in f.read()
        self.margin = SANITIZER_MARGIN if sanitized else PLAIN_MARGIN
        self.tally = Tally()
        self.last = collections.deque(maxlen=40)  # the last events, for a failure's report
        self.instance = None
        self.number = 0
        self.sent = 0
        self.begun = now()
        # Runs and the bound on their time.
        self.busy_since = None
        self.run_budget = 0
        self.starts_in_run = 0
        self.escaped_in_run = False
        self.question_since = None
        self.question_keep = 0
        self.silent_since = None  # since when the program has not answered over AT-SPI
        self.f11_pending = 0
        self.f11_unsure = False  # an F11 sent may not have changed the window yet
        self.minimised = False
        # The time the whole test may take, for the bound on runs: a long run is let go
        # on only while the time left allows it.
        self.time_budget = args.seconds if args.seconds > 0 else max(60.0, self.events * 0.06)
        # The launcher: where its stubs write who was started.
        self.opened_log = args.opened_log
        self.last_open = {}  # row -> when it was opened
        self.layout_changed = 0  # when the window last changed (a start, the window manager)

    def is_main(self, caption):
        """The main window's caption: the launcher's title, or a program's title, its
        separator and the address (the question box has the title alone)."""
        if self.launcher:
            return caption == self.title
        return caption.startswith(self.title + " -")

    # -- logging
    def note(self, text):
        stamp = "%7.2f #%d" % (now() - self.begun, self.sent)
        self.last.append("%s %s" % (stamp, text))

    def fail(self, kind, text):
        self.tally.fail(kind, text)
        print("FAIL %s: %s: %s (seed %d, event %d)" % (self.program, kind, text, self.seed, self.sent), flush=True)
        print("  the last events:", flush=True)
        for line in list(self.last)[-40:]:
            print("    " + line, flush=True)

    # -- the program's life
    def start(self):
        self.number += 1
        if self.number > 1:
            self.tally.restarts += 1
        self.instance = Instance(self, self.number)
        self.busy_since = None
        self.question_since = None
        self.silent_since = None
        self.f11_pending = 0
        self.f11_unsure = False
        self.minimised = False
        self.last_open = {}
        self.layout_changed = now()
        self.note("start %s (pid %d)" % (self.program, self.instance.pid))
        t = now()
        try:
            opened = self.instance.wait_open()
            self.tally.spent["starting"] += now() - t
        except Failure as f:
            self.fail("hang", str(f))
            self.instance.kill()
            self.ended()
            return
        if not opened:
            self.ended()
            return
        self.settle()  # a window maximised as it opens

    def ended(self):
        """The program has exited: how, and what its stderr says."""
        inst = self.instance
        code = inst.proc.wait()
        if not inst.err.closed:
            inst.err.close()
        how = "code %d" % code if code >= 0 else "signal %d" % -code
        self.note("exit, %s" % how)
        self.tally.exits += 1
        with open(inst.err_path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        reported = any(mark in text for mark in SANITIZER_MARKS)
        if not inst.killed:
            if code != 0 and not reported:
                kind = "leak" if "ERROR: LeakSanitizer" in text else "crash"
                self.fail(kind, "the program ended with %s (instance %d, its output in %s)" % (how, inst.number, inst.err_path))
            elif not inst.expected_end:
                if inst.may_end:
                    self.tally.exits_asked[inst.may_end] += 1
                else:
                    self.fail("crash", "the program ended on its own, with no close, Space, Enter or click "
                              "on Konec sent (instance %d)" % inst.number)
        for mark in SANITIZER_MARKS:
            if mark in text:
                kind = "leak" if mark == "ERROR: LeakSanitizer" else "sanitizer"
                at = text.index(mark)
                self.fail(kind, "%s in instance %d (%s):\n%s" % (mark, inst.number, inst.err_path,
                                                                 text[max(0, at - 200):at + 2500]))
                break
        self.keep_output(inst, code != 0 or any(m in text for m in SANITIZER_MARKS))
        self.instance = None

    def keep_output(self, inst, failed):
        kept = os.environ.get("RANDOM_INPUT_KEEP")
        if failed and kept:
            os.makedirs(kept, exist_ok=True)
            shutil.copy(inst.err_path, kept)

    # -- observation
    def observe(self):
        """Busy, question open, alive; keeps the runs' count and bounds a run's time."""
        inst = self.instance
        if self.gone():
            return
        question = inst.question() is not None
        if question and self.question_since is None:
            self.question_since = now()
            self.tally.answers["asked"] += 1
            r = random.Random("%s:%d:q:%d" % (self.program, self.seed, self.tally.answers["asked"]))
            # Answered at once, after a few events, or left open for a while.
            self.question_keep = weighted(r, [(0, 4), (r.uniform(0.2, 1.5), 3), (r.uniform(3, 8), 1)])
            self.note("question box open (answered after %.1f s)" % self.question_keep)
        elif not question and self.question_since is not None:
            self.question_since = None
            self.note("question box gone")
        busy = inst.busy()
        t = now()
        if busy is None:
            # A program that serves no event (a run shows its picture every frame) is hung.
            self.note("no answer over AT-SPI")
            self.silent_since = self.silent_since or t
            if t - self.silent_since > SILENCE:
                self.fail("hang", "no answer over AT-SPI for %.0f s (%s)" % (t - self.silent_since, self.describe()))
                self.dispose("hang")
            return
        self.silent_since = None
        if busy and self.busy_since is None:
            self.busy_since = t
            self.tally.runs += 1
            self.escaped_in_run = False
            self.starts_in_run = 0
            left = self.time_budget - (t - self.begun)
            r = random.Random("%s:%d:run:%d" % (self.program, self.seed, self.tally.runs))
            budget = weighted(r, [(r.uniform(0.3, 3), 10), (r.uniform(3, 12), 3), (SLOWEST_RUN, 1)])
            # A run let go on to its end only while the time left allows it.
            self.run_budget = min(budget, max(3.0, left / 4))
            self.note("run %d begins (let go on for %.1f s)" % (self.tally.runs, self.run_budget))
        elif not busy and self.busy_since is not None:
            took = t - self.busy_since
            if not self.escaped_in_run and self.starts_in_run == 0:
                self.tally.longest_run = max(self.tally.longest_run, took)
            self.note("run ends after %.2f s" % took)
            self.busy_since = None

    def gone(self):
        """The program has ended (or the test ended it)."""
        return self.instance is None or not self.instance.alive()

    def question_open(self):
        return self.question_since is not None

    def state(self):
        if self.silent_since is not None:
            return "silent"
        if self.question_open():
            return "question"
        if self.busy_since is not None:
            return "run"
        return "idle"

    def hang_allowance(self):
        longest = self.tally.longest_run or FIRST_RUN_GUESS
        return min(longest, SLOWEST_RUN) + HANG_MARGIN

    # -- input helpers
    def rng(self):
        """The choices of the event being sent: from the program, the seed and the
        event's number alone."""
        return random.Random("%s:%d:%d" % (self.program, self.seed, self.sent))

    def ensure_shown(self):
        """The main window restored and active (a click or a key reaches it)."""
        inst = self.instance
        if self.minimised or self.x.active() != inst.main.id:
            self.x.activate(inst.main)
            until(lambda: self.x.geometry(inst.main) is not None and self.x.active() == inst.main.id, 1)
            self.minimised = False
            self.layout_changed = now()
            self.settle()

    def settle(self, box=None):
        """Waits until what was asked of the window is done: the program has handled the
        input sent before (two pings answered in turn: what the first one's round of
        events asked of the window manager has gone out by the second), the window
        manager has handled every request made before (the driver's and the program's),
        and the program has laid its window out where the window now is (its accessible
        extents are the window's geometry at the program's scale). Whether all of it
        came within its bounds; a minimised window has no layout to wait for. With the
        question box: until its layout is where it stands."""
        inst = self.instance
        answered = self.x.ping(inst.main) and self.x.ping(inst.main)
        if answered is None:
            return False  # the window is gone: the program is ending
        if not (answered and self.x.wm_round_trip()):
            self.note("the window did not settle: no answer")
            self.tally.unsettled += 1
            return False
        window, node = (inst.main, inst.frame) if box is None else (box, inst.question_frame())
        if self.x.geometry(window) is None or node is None or not inst.scale:
            return True

        def agree():
            g, e = self.x.geometry(window), extents(node)
            return g is not None and e is not None and all(abs(e[i] * inst.scale - g[i]) <= 3 for i in range(4))
        if until(agree, 3, 0.02):
            return True
        self.note("the window did not settle: its layout %s, its geometry %s"
                  % (extents(node), self.x.geometry(window)))
        self.tally.unsettled += 1
        return False

    def confirm_idle(self):
        """Whether the program is idle with everything sent so far handled: then nothing
        sent before can still end it or change its window, and the doubts it left are
        cleared. (An accessible's answer comes after the window's input that the pings
        saw has been delivered; a run or a question shows as busy.)"""
        inst = self.instance
        if self.gone() or self.state() != "idle" or not self.settle():
            return False
        if inst.busy() is not False or inst.question() is not None or not self.x.managed(inst.main):
            return False
        if inst.may_end:
            self.note("idle: what may have ended it (%s) did not" % inst.may_end)
        inst.may_end = None
        self.f11_unsure = False
        return True

    # Around Konec's place, what may still reach it (a pixel's rounding, an edge).
    KONEC_MARGIN = 6

    def judge_click(self, x, y):
        """Whether a click at x, y on the screen may reach Konec: at its place in the window
        as it stands, and while an F11 may be on its way, also at its place in the window
        full screen or maximised (the window's layout in it stays; only where it stands
        changes), or on the maximised window's title bar (its close button)."""
        inst = self.instance
        self.judge_question_close(x, y)
        konec = inst.control("push button", "Konec")
        m = inst.mapping()
        if konec is None or m is None:
            return
        e = extents(konec)
        if e is None:
            inst.may_end = inst.may_end or "a click on the window, Konec unknown"
            return
        kx, ky, kw, kh = m.rect(e)
        local = (kx - m.cx, ky - m.cy)
        origins = [(m.cx, m.cy)]
        left, _, top, _ = self.x.decoration()
        if self.f11_unsure:
            origins += [(0, 0), (left, top)]
            if y < top + self.KONEC_MARGIN:
                inst.may_end = inst.may_end or "a click where a title bar may be"
        r = self.KONEC_MARGIN
        for ox, oy in origins:
            if ox + local[0] - r <= x <= ox + local[0] + kw + r and oy + local[1] - r <= y <= oy + local[1] + kh + r:
                inst.may_end = inst.may_end or "a click that may reach Konec"

    def judge_question_close(self, x, y):
        """The question box's title bar holds its close button, and the window manager's
        close of the box closes the program too (as Alt+F4 on it does): a click on that band,
        with a margin, may end the program."""
        box = self.instance.question() if self.question_since is not None else None
        g = self.x.geometry(box) if box is not None else None
        if g is None:
            return
        left, right, top, _ = self.x.decoration()
        r = self.KONEC_MARGIN
        if g[0] - left - r <= x <= g[0] + g[2] + right + r and g[1] - top - r <= y <= g[1] + r:
            self.note("the click may reach the question box's close button")
            self.instance.may_end = self.instance.may_end or "a click on the question box's title bar"

    def click(self, x, y):
        self.judge_click(x, y)
        self.x.click(x, y)

    def point_of(self, node, rng, centre=False):
        m = self.instance.mapping()
        e = extents(node)
        if m is None or e is None:
            return None
        x0, y0, w, h = m.clip(m.rect(e))
        if w < 2 or h < 2:
            return None
        if centre:
            return x0 + w / 2, y0 + h / 2
        return x0 + w * rng.uniform(0.3, 0.7), y0 + h * rng.uniform(0.3, 0.7)

    def count_start(self):
        if self.busy_since is not None:
            self.starts_in_run += 1

    # -- the events of a program
    def event(self):
        rng = self.rng()
        inst = self.instance
        if inst.controls_at < now() - 5 and self.state() == "idle":
            inst.refresh()
        if self.question_open() and now() - self.question_since >= self.question_keep:
            return self.answer(rng)
        if (inst.may_end or self.f11_unsure) and self.state() == "idle":
            self.confirm_idle()
        if self.f11_pending and rng.random() < 0.3:
            self.f11_pending -= 1
            self.f11_unsure = True
            self.x.key("F11")
            self.tally.events["key F11"] += 1
            self.note("key F11 (back)")
            return
        kinds = [("control", 22), ("storm", 2), ("anywhere", 10), ("bar", 8), ("key", 34), ("wm", 5),
                 ("close", 0.9), ("pause", 1.2)]
        kind = weighted(rng, kinds)
        if kind == "control":
            self.click_control(rng)
        elif kind == "storm":
            self.storm(rng)
        elif kind == "anywhere":
            self.click_anywhere(rng)
        elif kind == "bar":
            self.speed_bar(rng)
        elif kind == "key":
            self.press_key(rng, KEYS)
        elif kind == "wm":
            self.window_manager(rng)
        elif kind == "close":
            self.close(rng)
        else:
            self.pause(rng)

    def click_control(self, rng):
        inst = self.instance
        pool = [(c, 6 if c[1] == "Start" else 1) for c in inst.controls
                if c[0] in ("push button", "radio button", "check box") and c[1] != "Konec"]
        if not pool:
            return
        r, n, node = weighted(rng, pool)
        if rng.random() < 0.8:
            self.ensure_shown()
        p = self.point_of(node, rng)
        if p is None:
            return
        self.click(*p)
        if n == "Start":
            self.count_start()
            self.tally.events["Start"] += 1
        else:
            self.tally.events["control"] += 1
        self.note("click %s '%s' at %d,%d" % (r, n, p[0], p[1]))

    def storm(self, rng):
        inst = self.instance
        start = inst.control("push button", "Start")
        if start is None:
            return
        self.ensure_shown()
        p = self.point_of(start, rng, centre=True)
        if p is None:
            return
        clicks = rng.randint(5, 20)
        for _ in range(clicks):
            self.click(*p)
            self.count_start()
            time.sleep(rng.uniform(0.005, 0.04))
        self.tally.events["Start storm"] += 1
        self.tally.storm_clicks += clicks
        self.note("Start storm: %d clicks at %d,%d" % (clicks, p[0], p[1]))

    def click_anywhere(self, rng):
        inst = self.instance
        if rng.random() < 0.8:
            self.ensure_shown()
        m = inst.mapping()
        if m is None or m.shown[2] < 1 or m.shown[3] < 1:
            return
        cx, cy, cw, ch = m.shown
        x, y = cx + rng.uniform(0, cw - 1), cy + rng.uniform(0, ch - 1)
        self.click(x, y)
        self.tally.events["click anywhere"] += 1
        self.note("click at %d,%d" % (x, y))

    def speed_bar(self, rng):
        inst = self.instance
        bars = [c for c in inst.controls if c[0] == "scroll bar" and c[1].startswith("Rychlost animace")]
        if not bars:
            return
        _, n, node = rng.choice(bars)
        self.ensure_shown()
        m = inst.mapping()
        e = extents(node)
        if m is None or e is None:
            return
        x0, y0, w, h = m.rect(e)
        if w < 4 or h < 2:
            return
        y = y0 + h / 2
        arrow = min(h, w / 4)  # the arrow buttons are as wide as the bar is high
        what = weighted(rng, [("left arrow", 2), ("right arrow", 2), ("trough", 3), ("drag", 3)])
        if what == "left arrow":
            self.click(x0 + arrow / 2, y)
        elif what == "right arrow":
            self.click(x0 + w - arrow / 2, y)
        elif what == "trough":
            self.click(x0 + arrow + rng.uniform(0, w - 2 * arrow), y)
        else:
            # From the thumb (where the value puts it) to anywhere along the bar, or past its ends.
            try:
                v = node.queryValue()
                low, high, value = v.minimumValue, v.maximumValue, v.currentValue
            except Exception:
                low, high, value = 0, 1, 0
            trough = w - 2 * arrow
            thumb = max(h / 2, trough / 11)
            at = 0 if high <= low else (value - low) / (high - low)
            sx = x0 + arrow + thumb / 2 + at * (trough - thumb)
            to = x0 + rng.uniform(-0.2, 1.3) * w
            self.judge_click(sx, y)
            self.x.move(sx, y)
            self.x.press()
            steps = rng.randint(3, 12)
            for i in range(1, steps + 1):
                self.x.move(sx + (to - sx) * i / steps, y + rng.uniform(-3, 3))
                time.sleep(0.01)
            self.judge_click(to, y)
            self.x.release()
        self.tally.events["speed bar " + what] += 1
        self.note("speed bar '%s': %s" % (n, what))

    def press_key(self, rng, keys):
        chord = weighted(rng, keys)
        inst = self.instance
        if rng.random() < 0.8:
            self.ensure_shown()
        if chord == ("F11",):
            self.f11_pending += 1
            self.f11_unsure = True
        if chord in (("space",), ("Return",)):
            if not self.launcher:
                self.count_start()  # Start may have the focus
                self.judge_key()
        if chord == ("Escape",):
            self.escaped_in_run = self.busy_since is not None or self.escaped_in_run
        self.x.key(*chord)
        label = "+".join(k.replace("_L", "") for k in chord)
        self.tally.events["key " + label] += 1
        self.note("key " + label)
        if chord == ("F11",) and not self.launcher and self.state() == "idle":
            self.confirm_idle()  # the window full screen or back before the next event

    def judge_key(self):
        """Whether Space or Enter about to be sent may reach Konec: with the program idle and
        all input before handled, when Konec has the focus; during a run or a question,
        where input waits and keys held before it may move the focus, always."""
        inst = self.instance
        if not self.confirm_idle():
            inst.may_end = inst.may_end or "Space or Enter while input waits"
            return
        konec = inst.control("push button", "Konec")
        s = fresh_states(konec) if konec is not None else None
        if s is None or s.contains(pyatspi.STATE_FOCUSED):
            inst.may_end = "Space or Enter on Konec"

    def window_manager(self, rng):
        inst = self.instance
        w = inst.main
        what = weighted(rng, [("resize", 3), ("move", 2), ("minimise", 2), ("maximise", 2), ("restore", 1)])
        sw, sh = self.x.screen_size()
        if what == "resize":
            self.x.set_state(w, 0, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")
            self.x.move_resize(w, rng.randint(0, sw // 3), rng.randint(0, sh // 3),
                               rng.randint(sw // 4, sw), rng.randint(sh // 4, sh))
        elif what == "move":
            self.x.set_state(w, 0, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")
            self.x.move_resize(w, x=rng.randint(-sw // 4, sw // 2), y=rng.randint(-sh // 8, sh // 2))
        elif what == "minimise":
            self.x.minimise(w)
            self.minimised = True
        elif what == "maximise":
            self.x.set_state(w, 2, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")
        else:
            self.x.set_state(w, 1, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")
            self.x.activate(w)
            self.minimised = False
        self.tally.events["window " + what] += 1
        self.note("window manager: " + what)
        self.settle()
        self.layout_changed = now()

    # -- the question box
    def answer(self, rng):
        inst = self.instance
        box = inst.question()
        if box is None:
            return
        how = weighted(rng, [("click Ano", 3), ("click Ne", 3), ("Return", 2), ("Escape", 2), ("Alt+F4", 1.5),
                             ("close of the window", 1)])
        if how in ("Alt+F4", "close of the window"):
            return self.close(rng, force=("Alt+F4 question" if how == "Alt+F4" else None))
        self.tally.events["question " + how] += 1
        if self.x.geometry(box) is None:  # minimised with its window
            self.ensure_shown()
            until(lambda: self.x.geometry(box) is not None, 2)
        if how.startswith("click"):
            self.settle(box)
            buttons = inst.question_buttons()
            p = buttons.get(how.split()[1])
            if p is None:
                self.note("question: no button %s" % how)
                return
            self.x.click(*p)
        else:
            self.x.activate(box)
            until(lambda: self.x.active() == box.id, 2)
            self.x.key(how)
        self.note("question answered: " + how)
        if until(lambda: inst.question() is None, 3 + self.margin):
            self.tally.answers[how] += 1
            self.question_since = None
        else:
            self.note("the question box stayed open after " + how)

    # -- waiting, the idle check
    def pause(self, rng):
        """Lets the program be: waits for the run to end (within its bound), then the
        idle check: Esc, and idle within the longest run and a margin."""
        self.tally.events["pause"] += 1
        self.note("pause")
        t = now()
        limit = now() + weighted(rng, [(rng.uniform(0.2, 1), 3), (rng.uniform(1, 5), 1)])
        while now() < limit and not self.gone():
            self.observe()
            if self.state() == "idle":
                break
            time.sleep(0.02)
        self.idle_check("pause")
        self.tally.spent["pauses"] += now() - t

    def idle_check(self, why):
        inst = self.instance
        if self.gone():
            return
        self.observe()
        if self.gone() or self.question_open():
            return  # the question waits for its answer; checked once answered
        allowance = self.hang_allowance()
        t = now()
        # A Start held since before the Esc starts no run; one the program served while
        # the Esc was on its way may open its question: Esc in the window answers it "Ne"
        # and stops that run too.
        for attempt in range(3):
            self.ensure_shown()
            self.escaped_in_run = True
            self.x.key("Escape")
            self.note("Esc (%s)" % why)
            if self.question_open():  # the question that opened after the last Esc goes first
                until(lambda: (self.observe(), self.gone() or not self.question_open())[1], 1 + self.margin)
            asked = False
            while now() - t < allowance:
                self.observe()
                if self.gone():
                    return
                if self.state() == "idle":
                    return
                if self.question_open():
                    self.note("a question box opened after Esc")
                    asked = True
                    break
                time.sleep(0.02)
            if not asked:
                break
        self.fail("hang", "%s: not idle %.1f s after Esc (%s; the longest run seen %.1f s)"
                  % (why, now() - t, self.describe(), self.tally.longest_run))
        self.dispose("hang")

    def describe(self):
        """What the program shows: busy or not, and its windows with their states."""
        inst = self.instance
        busy = inst.busy()
        names = {self.x.atom(n): n.replace("_NET_WM_STATE_", "").lower() for n in
                 ("_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_FULLSCREEN", "_NET_WM_STATE_MAXIMIZED_VERT",
                  "_NET_WM_STATE_MODAL")}
        windows = []
        for w, caption in self.x.windows_of(inst.pid):
            shown = "shown" if self.x.geometry(w) else "not shown"
            st = ",".join(names.get(a, str(a)) for a in self.x.state(w) if a in names)
            windows.append("'%s' %s%s%s" % (caption, shown, " " + st if st else "",
                                           " active" if self.x.active() == w.id else ""))
        return "%s; windows: %s" % ("busy" if busy else "no answer" if busy is None else "not busy",
                                    "; ".join(windows) or "none")

    def dispose(self, why):
        """Ends an instance that failed, so that the test goes on with a new one."""
        inst = self.instance
        self.note("ending the program (%s)" % why)
        inst.kill()
        self.ended()

    # -- closes
    def close(self, rng, force=None):
        inst = self.instance
        state = self.state()
        kinds = [("Alt+F4", 3), ("WM_DELETE_WINDOW", 3), ("_NET_CLOSE_WINDOW", 2)]
        if not self.launcher:
            kinds.append(("Konec", 3))
        kind = force or weighted(rng, kinds)
        label = kind
        if kind == "Alt+F4":
            self.ensure_shown()
            if self.x.active() != inst.main.id:
                self.note("the window is not active for Alt+F4")
        elif kind == "Alt+F4 question":
            box = inst.question()
            if box is not None:
                self.x.activate(box)
                until(lambda: self.x.active() == box.id, 2)
            label = "Alt+F4 on the question box"
        self.tally.events["close " + label] += 1
        inst.expected_end = True
        target = self.x.active() if kind.startswith("Alt+F4") else inst.main.id
        t0 = now()
        deadline = CLOSE_DEADLINE + self.margin
        if kind.startswith("Alt+F4"):
            self.x.key("Alt_L", "F4")
        elif kind == "WM_DELETE_WINDOW":
            subprocess.run([self.close_request, str(inst.main.id)], check=False)
        elif kind == "_NET_CLOSE_WINDOW":
            self.x.close_through_wm(inst.main)
        else:
            if not self.konec(rng):
                inst.expected_end = False
                return
            t0 = now()
            deadline = KONEC_ALLOWANCE + CLOSE_DEADLINE + self.margin
        self.note("close: %s (%s)" % (label, state))
        self.tally.closes[(label, state)] += 1
        if until(lambda: not inst.alive(), deadline, 0.002):
            took = now() - t0
            self.tally.spent["closes"] += took
            self.tally.close_times[label].append(took)
            self.note("ended %.3f s after the close" % took)
            if kind == "Alt+F4 question":
                self.tally.answers["Alt+F4"] += 1
            self.ended()
            return
        self.fail("lost close", "%s in state %s: the program was alive %.2f s after it (%s)"
                  % (label, state, deadline, self.describe()))
        if kind.startswith("Alt+F4") or kind == "_NET_CLOSE_WINDOW":
            # Whether the window manager's close reached the program: the same close
            # straight to the window the manager would have closed.
            for wid in dict.fromkeys([target, inst.main.id]):
                caption = "the question box" if wid != inst.main.id else "the window"
                subprocess.run([self.close_request, str(wid)], check=False)
                direct = now()
                if until(lambda: not inst.alive(), deadline, 0.002):
                    print("  a WM_DELETE_WINDOW sent straight to %s (0x%x) ended it in %.3f s"
                          % (caption, wid, now() - direct), flush=True)
                    self.ended()
                    return
                print("  a WM_DELETE_WINDOW sent straight to %s (0x%x) did not end it either (%s)"
                      % (caption, wid, self.describe()), flush=True)
        if until(lambda: not inst.alive(), 10):
            print("  it ended %.2f s after the close" % (now() - t0), flush=True)
            self.ended()
        else:
            print("  still alive 10 s later (%s): ended by the test" % self.describe(), flush=True)
            self.dispose("lost close")

    def konec(self, rng):
        """Konec: clicked; Esc stops the run (and the Starts held before it); a question
        box open meanwhile is answered first."""
        inst = self.instance
        node = inst.control("push button", "Konec")
        if node is None:
            return False
        self.ensure_shown()
        self.settle()
        p = self.point_of(node, rng)
        m = inst.mapping()
        sw, sh = self.x.screen_size()
        if p is None or m is None or not m.inside(*p) or not (0 <= p[0] < sw and 0 <= p[1] < sh):
            # A window moved or made small may hide Konec: maximised first.
            self.x.set_state(inst.main, 1, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")
            self.settle()
            p = self.point_of(node, rng)
            m = inst.mapping()
            if p is None or m is None or not m.inside(*p) or not (0 <= p[0] < sw and 0 <= p[1] < sh):
                self.note("Konec is not on the screen")
                return False
        self.x.click(*p)
        self.note("click 'Konec' at %d,%d" % p)
        if not inst.alive():
            return True
        if inst.question() is not None:
            box = inst.question()
            self.x.activate(box)
            until(lambda: self.x.active() == box.id, 2)
            self.x.key("Escape")
            self.note("Esc to the question box after Konec")
            until(lambda: inst.question() is None or not inst.alive(), 3)
        if inst.alive():
            self.ensure_shown()
            self.x.key("Escape")
            self.note("Esc after Konec")
        return True

    # -- the launcher
    def opened(self):
        try:
            with open(self.opened_log) as f:
                return [line.split()[0] for line in f if line.strip()]
        except FileNotFoundError:
            return []

    def launcher_event(self):
        rng = self.rng()
        inst = self.instance
        if inst.controls_at < now() - 3:
            inst.refresh()
        others = inst.other_windows()
        if others:
            self.fail("crash", "the launcher opened a window of its own: %s" % [c for _, c in others])
            return self.dispose("a window of its own")
        kind = weighted(rng, [("card", 5), ("double", 1.5), ("enter", 3.5), ("anywhere", 8), ("key", 30),
                              ("wm", 6), ("close", 1)])
        if kind in ("card", "double", "enter"):
            self.open_card(rng, kind)
        elif kind == "anywhere":
            self.launcher_click_anywhere(rng)
        elif kind == "key":
            self.press_key(rng, LAUNCHER_KEYS)
        elif kind == "wm":
            self.window_manager(rng)
        else:
            self.close(rng)

    def settled_cards(self):
        """The cards once they stand still: the list lays its cards out anew a moment
        after its window is shown or changes size, so after a start or a window
        manager's change two looks 150 ms apart must agree (at most two seconds)."""
        if now() - self.layout_changed > 1.5:
            return self.cards()
        def look():
            return self.x.geometry(self.instance.main), self.cards()
        last = [look()]

        def still():
            g, c = look()
            same = g == last[0][0] and [r[2] for r in c] == [r[2] for r in last[0][1]]
            last[0] = (g, c)
            return same
        until(still, 2, 0.15)
        self.layout_changed = 0
        return last[0][1]

    def cards(self):
        """The cards on the screen: [(row, program, (x, y, w, h))]."""
        inst = self.instance
        listed = inst.control("list", "")
        m = inst.mapping()
        if listed is None or m is None:
            return []
        found = []
        for row, node in enumerate(children(listed)):
            e = extents(node)
            if e is None or row >= 8:
                continue
            found.append((row, node, m.clip(m.rect(e))))
        return found

    def current_row(self):
        listed = self.instance.control("list", "")
        for row, node in enumerate(children(listed) if listed is not None else []):
            s = states(node)
            if s is not None and s.contains(pyatspi.STATE_SELECTED):
                return row
        return None

    def open_card(self, rng, kind):
        inst = self.instance
        self.ensure_shown()
        if self.x.active() != inst.main.id:
            return
        order = list(TITLES)  # the cards stand in the suite's order
        before = len(self.opened())

        def clear_of_the_last_opening(r):
            # The same card again within a second of its opening does not open it again
            # (the second click of a double click); the test keeps clear of that second.
            last = self.last_open.get(r)
            if last is not None:
                until(lambda: now() - last > 1.6, 2)
        if kind == "enter":
            row = None
            current = self.current_row()
            if current in self.last_open and now() - self.last_open[current] < 1.6:
                return self.press_key(rng, LAUNCHER_KEYS)
            self.x.key("Return")
            label = "Enter"
        else:
            cards = [c for c in self.settled_cards() if c[2][2] > 8 and c[2][3] > 8]
            if not cards:
                return
            clear = [c for c in cards if now() - self.last_open.get(c[0], -10) > 1.6]
            row, _, (x0, y0, w, h) = rng.choice(clear or cards)
            p = (x0 + w * rng.uniform(0.2, 0.8), y0 + h * rng.uniform(0.2, 0.8))
            self.aimed = (p, [(c[0], tuple(int(v) for v in c[2])) for c in cards])
            clear_of_the_last_opening(row)
            self.x.click(*p)
            if kind == "double":
                time.sleep(0.05)
                self.x.click(*p)
            label = "double click" if kind == "double" else "click"
        self.tally.events["card " + label] += 1
        self.note("card %s%s" % (label, "" if row is None else " on row %d (%s)" % (row, order[row])))
        if not until(lambda: len(self.opened()) > before, 5):
            if kind == "enter" and self.x.active() != inst.main.id:
                return
            self.fail("lost open", "%s on a card (row %s) started no program" % (
                label, row if row is not None else self.current_row()))
            return
        if row is None:
            row = self.current_row()
        # Anything held behind the opening is served before a key's effect shows: a second
        # start from the same input would be in the log by then.
        self.sync_launcher()
        started = self.opened()[before:]
        self.tally.opened.update(started)
        expected = [order[row]] if row is not None else started[:1]
        if started != expected:
            aimed = getattr(self, "aimed", None)
            self.fail("lost open", "%s on row %s started %s, expected %s once (clicked at %s on the cards %s; "
                      "the cards now %s; the window %s)" % (
                          label, row, started, expected, aimed and tuple(int(v) for v in aimed[0]), aimed and aimed[1],
                          [(c[0], tuple(int(v) for v in c[2])) for c in self.cards()], self.x.geometry(inst.main)))
        self.last_open[row] = now()

    def sync_launcher(self):
        row = self.current_row()
        if row is None:
            return
        key = "Left" if row % 4 else "Right"
        self.x.key(key)
        until(lambda: self.current_row() != row, 3)

    def launcher_click_anywhere(self, rng):
        inst = self.instance
        self.ensure_shown()
        m = inst.mapping()
        if m is None or m.shown[2] < 1 or m.shown[3] < 1:
            return
        cx, cy, cw, ch = m.shown
        x, y = cx + rng.uniform(0, cw - 1), cy + rng.uniform(0, ch - 1)
        # A click that lands on a card opens it: those are the card clicks; the rest is
        # anywhere else.
        for row, _, (x0, y0, w, h) in self.settled_cards():
            if x0 - 3 <= x <= x0 + w + 3 and y0 - 3 <= y <= y0 + h + 3:
                return self.open_card(rng, "card")
        before = len(self.opened())
        self.x.click(x, y)
        self.tally.events["click anywhere"] += 1
        self.note("click at %d,%d" % (x, y))
        self.sync_launcher()
        if len(self.opened()) != before:
            self.fail("lost open", "a click beside the cards at %d,%d started %s" % (x, y, self.opened()[before:]))

    # -- the whole test
    def run(self):
        print("random input: %s, %d events, seed %d (replay: random_input_test.sh .../%s %d %d)"
              % (self.program, self.events, self.seed, self.program, self.events, self.seed), flush=True)
        until(self.x.wm_ready, 10)
        while self.sent < self.events:
            if self.instance is None:
                self.start()
                continue
            if not self.instance.alive():
                self.ended()
                continue
            if self.launcher:
                self.launcher_event()
                self.sent += 1
                continue
            self.observe()
            if self.gone():
                continue
            # A run is let go on for its bound, then stopped.
            if (self.busy_since is not None and not self.question_open()
                    and now() - self.busy_since > self.run_budget):
                self.ensure_shown()
                self.x.key("Escape")
                self.escaped_in_run = True
                self.tally.events["Esc (bound)"] += 1
                self.note("Esc: the run's bound of %.1f s" % self.run_budget)
                self.busy_since = now()
                self.run_budget = 3.0
                self.sent += 1
                continue
            self.event()
            self.sent += 1
            time.sleep(self.rng().uniform(0.002, 0.02))
        self.finish()
        return self.report()

    def finish(self):
        """After the last event: the program idle after Esc, the launcher's openings
        counted, and the program closed, its exit checked as every other."""
        if self.instance is not None and not self.instance.alive():
            self.ended()
        if self.instance is None:
            self.start()
        inst = self.instance
        if not self.gone() and not self.launcher:
            for attempt in range(2):
                self.observe()
                if not self.gone() and self.question_open():
                    self.answer(random.Random(self.seed + attempt))
            self.idle_check("the end")
        if self.launcher and inst is not None and inst.alive():
            # Every program the cards opened, once an opening.
            opened = collections.Counter(self.opened())
            if opened != self.tally.opened:
                self.fail("lost open", "programs started %s, the cards opened %s" % (dict(opened), dict(self.tally.opened)))
        inst = self.instance
        if inst is not None and inst.alive():
            # The last close: with the sanitizers' leak check at exit.
            self.close(random.Random(self.seed), force="WM_DELETE_WINDOW")
        if self.instance is not None:
            self.dispose("the end")

    def report(self):
        """One line: the events by kind, runs, closes, exits, restarts, questions, failures."""
        t = self.tally
        groups = collections.OrderedDict()
        for kind, n in sorted(t.events.items()):
            for prefix in ("key ", "speed bar ", "window ", "close ", "question ", "card "):
                if kind.startswith(prefix):
                    groups.setdefault(prefix.strip(), []).append((kind[len(prefix):], n))
                    break
            else:
                groups.setdefault(kind, [])
                groups[kind].append(("", n))
        events = []
        for group, items in groups.items():
            total = sum(n for _, n in items)
            detail = ", ".join("%s %d" % item for item in items if item[0])
            events.append("%s %d%s" % (group, total, " (%s)" % detail if detail else ""))
        if t.storm_clicks:
            events.append("Start clicks in storms %d" % t.storm_clicks)
        closes = ", ".join("%s while %s %d" % (k, "asking" if s == "question" else "running" if s == "run" else s, n)
                           for (k, s), n in sorted(t.closes.items()))
        times = ", ".join("%s %.3f s" % (k, max(v)) for k, v in sorted(t.close_times.items()))
        kinds = collections.Counter(k for k, _ in t.failures)
        names = ("crash", "hang", "lost close", "sanitizer", "leak") + (("lost open",) if self.launcher else ())
        failures = ", ".join("%s %d" % (k, kinds.get(k, 0)) for k in names)
        parts = ["%s: seed %d, %d events in %.0f s" % (self.program, self.seed, self.sent, now() - self.begun),
                 "events: " + "; ".join(events)]
        if not self.launcher:
            parts.append("runs seen %d (the longest that ended by itself %s)"
                         % (t.runs, "%.2f s" % t.longest_run if t.longest_run else "none"))
        parts.append("closes %d (%s; the slowest exit after each kind: %s)" % (sum(t.closes.values()), closes, times))
        asked = ", ".join("%s %d" % kv for kv in sorted(t.exits_asked.items()))
        parts.append("exits %d%s, restarts %d" % (
            t.exits, " (after %s)" % asked if asked else "", t.restarts))
        if not self.launcher:
            answers = ", ".join("%s %d" % kv for kv in sorted(t.answers.items()) if kv[0] != "asked")
            parts.append("question boxes %d, answered %s" % (t.answers["asked"], answers or "none"))
        else:
            parts.append("programs started by the cards %s" % dict(sorted(t.opened.items())))
        parts.append("windows not settled within their bounds %d" % t.unsettled)
        parts.append("failures %d (%s)" % (len(t.failures), failures))
        parts.append("time: " + ", ".join("%s %.0f s" % kv for kv in sorted(t.spent.items())))
        print(" | ".join(parts), flush=True)
        if t.failures:
            print("FAILED: %s, seed %d: %d failures" % (self.program, self.seed, len(t.failures)), flush=True)
            return 1
        return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("events", type=int)
    parser.add_argument("seed", type=int)
    parser.add_argument("--close-request", required=True)
    parser.add_argument("--work", default=os.getcwd())
    parser.add_argument("--opened-log", default="")
    parser.add_argument("--seconds", type=float, default=0)
    args = parser.parse_args()
    driver = Driver(args)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(3))
    try:
        code = driver.run()
    finally:
        if driver.instance is not None and driver.instance.alive():
            driver.instance.kill()
    sys.exit(code)


if __name__ == "__main__":
    main()
