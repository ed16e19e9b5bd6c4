#!/usr/bin/python3
"""Seeded random input for the suite's pages in headless Chromium: every program's page
and the launcher's, each in a browser of its own, two at a time.

    /usr/bin/python3 tests/web/random_input.py SITE_DIR EVENTS SEED [PAGE ...]

PAGE is a program's folder or "index" (the launcher); without any, all nine. Each page
gets EVENTS events through the browser's own input (the DevTools protocol): mouse clicks
and touch taps on the controls and anywhere, storms of Start clicks, the speed bar
dragged, tapped and keyed, the run bar and the page's own buttons, keys (Esc, P, K, Tab, Shift+Tab, Space, Enter, the arrows, the
Page keys, F1, F11), the question answered every way or left open, the viewport resized
and turned as a phone or tablet turns, reloads, history back and forward, and "Konec".
It fails on an uncaught exception or an error on the console (a WebAssembly trap is
one), a page not idle within a bound after Esc (a page in full screen has it twice: the
browser takes the first to leave full screen), a "Konec" that does not bring the
launcher within a bound, a page that leaves for another on its own (not after a Konec
the page saw clicked, nor after a sideways swipe, on which the browser steps back in its
history) or stops answering,
a card that opens another program than its own, and a picture blank as a run that was
let go to its end ends (before what was held during it is served). Every event's choices
come from the seed, the page and the event's number: a seed replays the same input as far
as the page answers the same way.
"""
import collections
import faulthandler
import os
import random
import shutil
import sys
import tempfile
import threading
import time
import traceback
from concurrent.futures import ThreadPoolExecutor

from selenium.common.exceptions import JavascriptException, TimeoutException, WebDriverException

from browser import Site, browser, programs

LAUNCHER = 'index'
VERBOSE = os.environ.get('RANDOM_INPUT_VERBOSE') == '1'  # every event as it is sent
# A run stops at its next frame after Esc; what was held before it is served then.
IDLE_AFTER_ESC = 10.0
# "Konec" clicked during a run is served when the run ends: after the Esc that stops it.
KONEC_BOUND = 10.0
# A page loads its module and draws its window within this.
LOAD_BOUND = 30.0
# A run let go on for this long at most (its slowest end takes minutes).
SLOWEST_RUN = 60.0

# Keys as the browser's input takes them: key, code, virtual key code, the text typed.
KEYS = {
    'Escape': ('Escape', 'Escape', 27, ''), 'p': ('p', 'KeyP', 80, 'p'), 'k': ('k', 'KeyK', 75, 'k'),
    'Tab': ('Tab', 'Tab', 9, ''),
    'Space': (' ', 'Space', 32, ' '), 'Enter': ('Enter', 'Enter', 13, '\r'),
    'ArrowLeft': ('ArrowLeft', 'ArrowLeft', 37, ''), 'ArrowRight': ('ArrowRight', 'ArrowRight', 39, ''),
    'ArrowUp': ('ArrowUp', 'ArrowUp', 38, ''), 'ArrowDown': ('ArrowDown', 'ArrowDown', 40, ''),
    'PageUp': ('PageUp', 'PageUp', 33, ''), 'PageDown': ('PageDown', 'PageDown', 34, ''),
    'Home': ('Home', 'Home', 36, ''), 'End': ('End', 'End', 35, ''),
    'F1': ('F1', 'F1', 112, ''), 'F11': ('F11', 'F11', 122, ''),
}
PROGRAM_KEYS = [('Tab', 3), ('Shift+Tab', 2), ('Space', 3), ('Enter', 2), ('Escape', 1.5), ('p', 2), ('k', 1),
                ('ArrowLeft', 2), ('ArrowRight', 2), ('ArrowUp', 0.5), ('ArrowDown', 0.5), ('PageUp', 1),
                ('PageDown', 1), ('Home', 0.3), ('End', 0.3), ('F1', 0.5), ('F11', 0.5)]
LAUNCHER_KEYS = [('Tab', 1), ('Shift+Tab', 1), ('ArrowLeft', 3), ('ArrowRight', 3), ('ArrowUp', 2),
                 ('ArrowDown', 2), ('Enter', 1.5), ('Space', 0.5), ('Escape', 0.5), ('F1', 0.3), ('F11', 0.3)]
# Viewports: desktops, a tablet and phones, each also turned.
SCREENS = [(800, 600, 1, False), (1280, 800, 1, False), (1024, 768, 2, True), (390, 844, 3, True),
           (360, 640, 2, True), (640, 480, 1, False)]

# What the page is doing, in one look.
LOOK = """
const c = document.getElementById('picture'), q = document.getElementById('question');
const a = document.activeElement;
return {url: location.pathname.split('/').pop(), konec: window.randomInputKonec || 0, stops: window.randomInputStops || 0, ready: !!(c && c.dataset.runs !== undefined),
        busy: !!c && c.getAttribute('aria-busy') === 'true', runs: c ? Number(c.dataset.runs || 0) : 0,
        state: c ? c.dataset.runState : '', full: !!document.fullscreenElement, question: !!(q && q.open), cards: document.querySelectorAll('#demonstrations a').length,
        focus: a ? (a.id || a.tagName) : ''};
"""
# The shown controls of a program's page and where they are on the viewport.
CONTROLS = """
return Array.from(document.querySelectorAll('#page button, #page input, #page label, #panel button, #panel input, #panel label, #actions button, #runBar button, #pageBar button, #about button')).map(e => {
  const r = e.getBoundingClientRect();
  return {id: e.id || (e.htmlFor ? 'label:' + e.htmlFor : ''), tag: e.tagName, type: e.type || '',
          text: (e.textContent || '').trim(), x: r.left, y: r.top, w: r.width, h: r.height,
          value: e.type === 'range' ? [Number(e.min), Number(e.max), Number(e.value)] : null};
}).filter(c => c.w > 1 && c.h > 1);
"""
# What a point of the layout (client coordinates) reaches: "Konec" (in the window, or in the
# phone's bar of buttons), a launcher's card (its
# id) or nothing of the two; without a point, what has the focus. A finger reaches what is
# near (the browser moves a tap onto a control beside it): with a margin, a point that
# near Konec's box counts as reaching it.
TARGET = """
const e = arguments.length ? document.elementFromPoint(arguments[0], arguments[1]) : document.activeElement;
const b = e && e.closest ? e.closest('button') : null;
if (b && b.closest('#page, #actions') && b.textContent.trim() === 'Konec') return 'Konec';
const margin = arguments[2] || 0;
const konec = Array.from(document.querySelectorAll('#page button, #actions button')).find(k => k.textContent.trim() === 'Konec');
if (margin && konec) {
  const r = konec.getBoundingClientRect();
  if (arguments[0] > r.left - margin && arguments[0] < r.right + margin && arguments[1] > r.top - margin
      && arguments[1] < r.bottom + margin)
    return 'Konec';
}
const card = e && e.closest ? e.closest('#demonstrations a') : null;
return card ? card.id : '';
"""
# Whether the picture is blank: every pixel of the canvas alike.
BLANK = """
const c = document.getElementById('picture');
const d = new Uint32Array(c.getContext('2d').getImageData(0, 0, c.width, c.height).data.buffer);
for (let i = 1; i < d.length; ++i) if (d[i] !== d[0]) return false;
return true;
"""
# The page's own word on what reached Konec: a click on it (a press, a tap the browser
# moved onto it, Space or Enter with the focus on it), seen before the page serves it or
# holds it for after a run; and on the run bar's stop, which ends a run as Esc does. And
# whether the picture was blank as a run ended, before the input held during it is served
# (a held click on an option that erases the picture may blank it after the run).
WATCH_KONEC = """
window.addEventListener('click', (e) => {
  const b = e.target instanceof Element ? e.target.closest('#page button, #actions button') : null;
  if (b && b.textContent.trim() === 'Konec') window.randomInputKonec = (window.randomInputKonec || 0) + 1;
  if (e.target instanceof Element && e.target.closest('#runStop'))
    window.randomInputStops = (window.randomInputStops || 0) + 1;
}, true);
if (window.suitePage && !suitePage.randomInputWatched) {
  const run = suitePage.run;
  const blank = () => { %s };
  suitePage.run = function (running) {
    const result = run.apply(this, arguments);
    if (!running)
      window.randomInputBlankAtEnd = blank();
    return result;
  };
  suitePage.randomInputWatched = true;
}
""" % BLANK.strip()
# How far from Konec's box a finger may reach it.
TOUCH_MARGIN = 24
# A page left this soon after a sideways swipe may have been left by the browser's history.
SWIPE_BACK = 3.0
# Where the page stands: its scroll, its viewport's size, and where the part a phone shows
# of it (the visual viewport, zoomed and panned) begins. The browser's input comes in the
# page's own pixels from where that part begins.
VIEW = "const v = visualViewport; return [scrollX, scrollY, innerWidth, innerHeight, v.offsetLeft, v.offsetTop];"
SCREEN = "return [screen.width, screen.height];"


def now():
    return time.monotonic()


def weighted(rng, pairs):
    """One of the (item, weight) pairs' items, as likely as its weight."""
    return rng.choices([item for item, _ in pairs], [w for _, w in pairs])[0]


class Failure(Exception):
    pass


class Tab:
    """The browser's tab: the page's script, and input as the browser takes it from a user."""

    def __init__(self, driver):
        self.d = driver
        self.cdp('Emulation.setTouchEmulationEnabled', enabled=True, maxTouchPoints=5)

    def cdp(self, command, **params):
        return self.d.execute_cdp_cmd(command, params)

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def click(self, x, y, count=1):
        self.cdp('Input.dispatchMouseEvent', type='mouseMoved', x=x, y=y)
        for n in range(1, count + 1):
            self.cdp('Input.dispatchMouseEvent', type='mousePressed', x=x, y=y, button='left', buttons=1,
                     clickCount=n)
            self.cdp('Input.dispatchMouseEvent', type='mouseReleased', x=x, y=y, button='left', buttons=0,
                     clickCount=n)

    def drag(self, x0, y0, x1, y1, steps):
        self.cdp('Input.dispatchMouseEvent', type='mouseMoved', x=x0, y=y0)
        self.cdp('Input.dispatchMouseEvent', type='mousePressed', x=x0, y=y0, button='left', buttons=1,
                 clickCount=1)
        for i in range(1, steps + 1):
            self.cdp('Input.dispatchMouseEvent', type='mouseMoved', x=x0 + (x1 - x0) * i / steps,
                     y=y0 + (y1 - y0) * i / steps, button='left', buttons=1)
        self.cdp('Input.dispatchMouseEvent', type='mouseReleased', x=x1, y=y1, button='left', buttons=0,
                 clickCount=1)

    def tap(self, x, y):
        self.cdp('Input.dispatchTouchEvent', type='touchStart', touchPoints=[{'x': x, 'y': y}])
        self.cdp('Input.dispatchTouchEvent', type='touchEnd', touchPoints=[])

    def swipe(self, x0, y0, x1, y1, steps):
        self.cdp('Input.dispatchTouchEvent', type='touchStart', touchPoints=[{'x': x0, 'y': y0}])
        for i in range(1, steps + 1):
            self.cdp('Input.dispatchTouchEvent', type='touchMove',
                     touchPoints=[{'x': x0 + (x1 - x0) * i / steps, 'y': y0 + (y1 - y0) * i / steps}])
        self.cdp('Input.dispatchTouchEvent', type='touchEnd', touchPoints=[])

    def only_this_window(self):
        """Closes what the browser opened beside the page (F1 on the launcher opens the
        browser's help, About's link its text) and comes back to the page's: how many."""
        mine = self.d.current_window_handle
        others = [h for h in self.d.window_handles if h != mine]
        for h in others:
            self.d.switch_to.window(h)
            self.d.close()
        self.d.switch_to.window(mine)
        return len(others)

    def key(self, chord):
        shift = chord.startswith('Shift+')
        key, code, vk, text = KEYS[chord[6:] if shift else chord]
        common = dict(key=key, code=code, windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk,
                      modifiers=8 if shift else 0)
        if text and not shift:
            self.cdp('Input.dispatchKeyEvent', type='keyDown', text=text, unmodifiedText=text, **common)
        else:
            self.cdp('Input.dispatchKeyEvent', type='rawKeyDown', **common)
        self.cdp('Input.dispatchKeyEvent', type='keyUp', **common)

    def viewport(self, width, height, ratio, mobile, portrait):
        self.cdp('Emulation.setDeviceMetricsOverride', width=width, height=height, deviceScaleFactor=ratio,
                 mobile=mobile, screenOrientation={'type': 'portraitPrimary' if portrait else 'landscapePrimary',
                                                   'angle': 0 if portrait else 90})

    def desktop_viewport(self):
        self.cdp('Emulation.clearDeviceMetricsOverride')


class PageTest:
    """One page under random input, in a browser of its own."""

    def __init__(self, page, events, seed, url):
        self.page = page
        self.launcher = page == LAUNCHER
        self.events = events
        self.seed = seed
        self.url = url
        self.file = 'index.html' if self.launcher else page + '.html'
        self.sent = 0
        self.begun = now()
        self.last = collections.deque(maxlen=40)
        self.failures = []
        self.counts = collections.Counter()
        self.profile = tempfile.mkdtemp(prefix='svetlo-random-')
        self.tab = None
        # What the driver knows of the page.
        self.look = {}
        self.controls = []
        self.controls_at = 0
        self.busy_since = None
        self.run_budget = 0
        self.runs_seen = 0
        self.escaped = False  # an Esc (or a reload) since the run began
        self.konec_sent = False  # what may bring the launcher: Konec clicked, tapped or pressed
        self.konec_seen = 0  # the clicks on Konec the page saw
        self.stops_seen = 0  # the clicks on the run bar's stop
        self.swiped = -SWIPE_BACK  # when a finger last swiped sideways
        self.question_since = None
        self.question_keep = 0
        self.longest_run = 0.0
        self.moving = True  # the page may be scrolling or laid out anew
        self.screen = None  # the screen a viewport event asked for, until the page has it
        self.native_screen = None  # the browser window's own, without emulation

    # -- reporting
    def note(self, text):
        self.last.append('%7.2f #%d %s' % (now() - self.begun, self.sent, text))
        if VERBOSE:
            print('%s %s' % (self.page, self.last[-1]), flush=True)

    def fail(self, kind, text):
        self.failures.append((kind, text))
        lines = ['FAIL %s: %s: %s (seed %d, event %d)' % (self.page, kind, text, self.seed, self.sent),
                 '  the last events:'] + ['    ' + line for line in self.last]
        print('\n'.join(lines), flush=True)

    def rng(self, *what):
        return random.Random('%s:%d:%d%s' % (self.page, self.seed, self.sent, ''.join(':' + str(w) for w in what)))

    # -- the page's life
    def open(self, why):
        self.tab.d.get(self.url + self.file)
        self.note('open %s (%s)' % (self.file, why))
        self.wait_loaded(why)

    def wait_loaded(self, why):
        """Waits for the page to stand: a program's window made, or the launcher's cards. A
        page the browser kept whole while it was away (its back-forward cache) comes back
        as it was, with its run and what it held: what the driver knows of it stays."""
        deadline = now() + LOAD_BOUND
        while now() < deadline:
            try:
                self.look = self.tab.js(LOOK)
            except (JavascriptException, WebDriverException):
                self.look = {}
            if self.look.get('ready') or self.look.get('cards'):
                break
            time.sleep(0.05)
        else:
            raise Failure('%s: %s did not load within %.0f s (%s)' % (why, self.file, LOAD_BOUND, self.look))
        if self.native_screen is None:
            self.native_screen = self.tab.js(SCREEN)
        self.moving = True
        if self.look.get('url') != self.file:
            # Another page came instead (a reload or a history step overtaken by a Konec
            # the page served meanwhile): what the driver knows stays, for observe to judge.
            self.note('%s came instead of %s' % (self.look.get('url'), self.file))
            return
        if self.tab.js('return window.randomInputMark === true'):
            self.note('the page came back as it was')
            self.counts['pages kept by the browser'] += 1
            return
        self.tab.js('window.randomInputMark = true')
        if not self.launcher:
            self.tab.js(WATCH_KONEC)
        self.busy_since = None
        self.question_since = None
        self.escaped = False
        self.konec_sent = False
        self.konec_seen = 0
        self.stops_seen = 0
        self.runs_seen = self.look.get('runs', 0)
        self.controls_at = 0
        self.start = self.tab.js("const b = document.querySelector('#page button[title^=\"Spustí\"], #actions button[title^=\"Spustí\"]');"
                                 "return b ? b.id : ''")
        self.console()

    def console(self):
        """Errors on the console since the last look: uncaught exceptions, WebAssembly traps,
        what the page reported."""
        for entry in self.tab.d.get_log('browser'):
            if entry.get('level') == 'SEVERE':
                self.fail('error', entry.get('message', '').strip())

    def observe(self):
        try:
            look = self.tab.js(LOOK)
        except TimeoutException:
            raise Failure('the page does not answer its script (%s)' % self.file)
        self.look = look
        t = now()
        if look['url'] != self.file:
            return self.left(look['url'])
        if look['konec'] > self.konec_seen:
            self.konec_seen = look['konec']
            if not self.konec_sent:
                self.konec_sent = True
                self.note('the page saw a click on Konec')
        if self.launcher:
            return
        if look['stops'] > self.stops_seen:
            self.stops_seen = look['stops']
            self.escaped = True
        if look['question'] and self.question_since is None:
            self.question_since = t
            r = self.rng('question')
            self.question_keep = weighted(r, [(0, 4), (r.uniform(0.2, 1.5), 3), (r.uniform(3, 8), 1)])
            self.counts['questions'] += 1
            self.note('question open (answered after %.1f s)' % self.question_keep)
        elif not look['question']:
            self.question_since = None
        if look['busy'] and self.busy_since is None:
            self.busy_since = t
            self.escaped = False
            r = self.rng('run')
            budget = weighted(r, [(r.uniform(0.3, 3), 10), (r.uniform(3, 10), 3), (SLOWEST_RUN, 0.5)])
            self.run_budget = min(budget, max(3.0, self.time_left() / 4))
            self.note('run begins (let go on for %.1f s)' % self.run_budget)
        elif not look['busy'] and self.busy_since is not None:
            self.note('run ends after %.2f s' % (t - self.busy_since))
            if not self.escaped:
                self.longest_run = max(self.longest_run, t - self.busy_since)
            self.busy_since = None
        if look['runs'] > self.runs_seen:
            self.counts['runs'] += look['runs'] - self.runs_seen
            self.runs_seen = look['runs']
            if not self.escaped and not look['busy'] and self.tab.js('return window.randomInputBlankAtEnd === true'):
                self.fail('blank', 'the picture is blank after a run let go to its end (run %d)' % look['runs'])
            if not look['busy']:
                self.escaped = False

    def time_left(self):
        return max(0.0, self.events * 0.12 - (now() - self.begun))

    def left(self, where):
        """The page was left: for the launcher after "Konec", or by history; else a fault."""
        self.note('the page is now %s' % where)
        if not self.launcher and self.konec_sent:
            # The launcher, or a program its cards opened: input sent after a Konec that
            # waited for a run may reach the launcher's page.
            self.counts['back to the launcher'] += 1
        elif now() - self.swiped < SWIPE_BACK:
            # The browser steps back (or forward) in its history on a finger's sideways
            # swipe that no control takes.
            self.counts['history steps by a swipe'] += 1
        elif self.launcher and where.endswith('.html') and where != 'index.html':
            self.fail('lost open', 'the launcher opened %s by itself' % where)
        else:
            self.fail('left', '%s became %s with no Konec, card or history step sent' % (self.file, where))
        self.open('again after leaving for %s' % where)

    # -- the events
    def run(self):
        print('random input: %s, %d events, seed %d (replay: random_input.py SITE %d %d %s)'
              % (self.file, self.events, self.seed, self.events, self.seed, self.page), flush=True)
        self.tab = Tab(browser(self.profile, console=True))
        try:
            self.open('start')
            while self.sent < self.events:
                try:
                    self.step()
                except Failure as f:
                    self.fail('hang', str(f))
                    self.open('after a failure')
                self.sent += 1
                if self.tab.only_this_window():
                    self.note('closed what the page opened beside it')
                self.console()
            self.finish()
        finally:
            self.tab.d.quit()
            shutil.rmtree(self.profile, ignore_errors=True)
        return self.report()

    def step(self):
        self.observe()
        if self.launcher:
            return self.launcher_event()
        if self.question_since is not None and now() - self.question_since >= self.question_keep:
            return self.answer()
        if (self.busy_since is not None and self.question_since is None
                and now() - self.busy_since > self.run_budget):
            self.leave_full_screen()
            self.note('Esc: the run\'s bound of %.1f s' % self.run_budget)
            self.counts['Esc (bound)'] += 1
            self.escaped = True
            self.tab.key('Escape')
            self.busy_since = now()
            self.run_budget = 3.0
            return
        rng = self.rng()
        kind = weighted(rng, [('control', 20), ('tap', 8), ('storm', 2), ('anywhere', 8), ('bar', 7),
                              ('key', 30), ('viewport', 2.5), ('reload', 0.6), ('history', 0.6),
                              ('konec', 0.8), ('pause', 1.2)])
        getattr(self, 'event_' + kind)(rng)
        time.sleep(rng.uniform(0.002, 0.02))

    def shown_controls(self):
        self.still()
        if now() - self.controls_at > 2:
            self.controls = self.tab.js(CONTROLS)
            self.controls_at = now()
        return self.controls

    def still(self):
        """Waits until the page stands still (keys and focus scroll it smoothly, a new viewport
        lays it out anew): the screen a viewport event asked for has come (a busy page may
        take it later; until then the page stands as it was), then two looks 50 ms apart
        agree; at most two seconds each."""
        if not self.moving:
            return
        if self.screen:
            deadline = now() + 2
            while self.tab.js(SCREEN) != self.screen and now() < deadline:
                time.sleep(0.02)
            if self.tab.js(SCREEN) != self.screen:
                self.note('the screen %s asked for had not come within 2 s' % self.screen)
            self.screen = None
        last = self.tab.js(VIEW)
        deadline = now() + 2
        while now() < deadline:
            time.sleep(0.05)
            seen = self.tab.js(VIEW)
            if seen == last:
                break
            last = seen
        self.moving = False
        self.controls_at = 0

    def pointer(self, act, x, y, *more, touch=None):
        """Sends a click, tap or drag at a point of the viewport: what it reaches is read
        before and after (a page scrolled or laid out anew meanwhile may have taken it
        elsewhere: both count), at its first point and at its last (a short drag is a
        click where it ends); a finger reaches what is near. It may reach Konec (not while
        the question keeps the page inert); what it reaches is returned. A point beside
        the viewport is not sent: None."""
        touch = act == self.tab.tap if touch is None else touch
        margin = TOUCH_MARGIN if touch else 0
        points = [(x, y)] + ([tuple(more[:2])] if more else [])
        before = self.tab.js(VIEW)
        if not (0 <= x < before[2] and 0 <= y < before[3]):
            self.note('beside the viewport: %d,%d' % (x, y))
            return None
        reached = {self.tab.js(TARGET, px, py, margin) for px, py in points}
        shift = before[4:6]
        act(x - shift[0], y - shift[1], *[v - shift[i % 2] for i, v in enumerate(more)])
        after = self.tab.js(VIEW)
        if after != before:
            # Where the same input lands in the page as it stands now.
            reached |= {self.tab.js(TARGET, px - shift[0] + after[4], py - shift[1] + after[5], margin)
                        for px, py in points}
            self.note('the page moved under the pointer: %s then %s' % (before, after))
        if 'Konec' in reached and not self.look.get('question'):
            self.konec_sent = True
        return reached

    def point_in(self, c, rng):
        return c['x'] + c['w'] * rng.uniform(0.25, 0.75), c['y'] + c['h'] * rng.uniform(0.25, 0.75)

    def pick_control(self, rng):
        pool = [(c, 6 if c['id'] == self.start else 1) for c in self.shown_controls()
                if c['text'] != 'Konec' and c['type'] != 'range']
        return weighted(rng, pool) if pool else None

    def event_control(self, rng, touch=False):
        c = self.pick_control(rng)
        if c is None:
            return
        x, y = self.point_in(c, rng)
        self.pointer(self.tab.tap if touch else self.tab.click, x, y)
        self.counts[('tap ' if touch else 'click ') + ('Start' if c['id'] == self.start else 'control')] += 1
        self.note('%s %s at %d,%d' % ('tap' if touch else 'click', c['id'] or c['text'], x, y))

    def event_tap(self, rng):
        if rng.random() < 0.7:
            return self.event_control(rng, touch=True)
        x, y = self.anywhere(rng)
        self.pointer(self.tab.tap, x, y)
        self.counts['tap anywhere'] += 1
        self.note('tap at %d,%d' % (x, y))

    def event_storm(self, rng):
        start = [c for c in self.shown_controls() if c['id'] == self.start]
        if not start:
            return
        x, y = self.point_in(start[0], rng)
        clicks = rng.randint(5, 20)
        touch = rng.random() < 0.3
        for _ in range(clicks):
            self.pointer(self.tab.tap if touch else self.tab.click, x, y)
        self.counts['Start storm'] += 1
        self.counts['Start clicks in storms'] += clicks
        self.note('Start storm: %d %s at %d,%d' % (clicks, 'taps' if touch else 'clicks', x, y))

    def anywhere(self, rng):
        """A point of the viewport."""
        self.still()
        v = self.tab.js(VIEW)
        return rng.uniform(0, v[2] - 1), rng.uniform(0, v[3] - 1)

    def event_anywhere(self, rng):
        x, y = self.anywhere(rng)
        double = rng.random() < 0.15
        self.pointer(lambda px, py: self.tab.click(px, py, 2 if double else 1), x, y)
        self.counts['click anywhere'] += 1
        self.note('%sclick at %d,%d' % ('double ' if double else '', x, y))

    def event_bar(self, rng):
        bars = [c for c in self.shown_controls() if c['type'] == 'range']
        if not bars:
            return
        c = rng.choice(bars)
        y = c['y'] + c['h'] / 2
        what = weighted(rng, [('drag', 3), ('click', 2), ('tap', 2), ('swipe', 1), ('keys', 3)])
        low, high, value = c['value']
        at = c['x'] + c['w'] * ((value - low) / (high - low) if high > low else 0)
        to = c['x'] + c['w'] * rng.uniform(-0.2, 1.2)
        steps = rng.randint(2, 10)
        if what == 'drag':
            self.pointer(lambda *p: self.tab.drag(*p, steps), at, y, to, y + rng.uniform(-4, 4))
        elif what == 'click':
            self.pointer(self.tab.click, c['x'] + c['w'] * rng.random(), y)
        elif what == 'tap':
            self.pointer(self.tab.tap, c['x'] + c['w'] * rng.random(), y)
        elif what == 'swipe':
            self.pointer(lambda *p: self.tab.swipe(*p, steps), at, y, to, y, touch=True)
            self.swiped = now()
        else:
            self.tab.js("document.getElementById(arguments[0]).focus()", c['id'])
            for _ in range(rng.randint(1, 4)):
                self.tab.key(rng.choice(['ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'End']))
        self.controls_at = 0
        self.counts['speed bar ' + what] += 1
        self.note('speed bar %s: %s' % (c['id'], what))

    def event_key(self, rng, keys=PROGRAM_KEYS):
        chord = weighted(rng, keys)
        if chord in ('Space', 'Enter') and not self.look.get('question') and self.tab.js(TARGET) == 'Konec':
            self.konec_sent = True
        if chord == 'Escape':
            self.escaped = True
        focus = self.tab.js("const a = document.activeElement; return a ? a.id || a.tagName : ''")
        self.moving = True
        self.tab.key(chord)
        self.counts['key ' + chord] += 1
        self.note('key %s (the focus on %s)' % (chord, focus))

    def event_viewport(self, rng):
        what = weighted(rng, [('screen', 3), ('turn', 2), ('desktop', 1)])
        if what == 'desktop':
            self.tab.desktop_viewport()
            self.screen = self.native_screen
            self.note('viewport: the window\'s own')
        else:
            width, height, ratio, mobile = rng.choice(SCREENS)
            portrait = height > width
            if what == 'turn':
                width, height, portrait = height, width, not portrait
            self.tab.viewport(width, height, ratio, mobile, portrait)
            self.screen = [width, height]
            self.note('viewport %dx%d at %g%s%s' % (width, height, ratio, ' mobile' if mobile else '',
                                                    ' turned' if what == 'turn' else ''))
        self.controls_at = 0
        self.moving = True
        self.counts['viewport ' + what] += 1

    def event_reload(self, rng):
        self.counts['reload'] += 1
        self.note('reload')
        self.tab.js('location.reload()')
        time.sleep(0.05)
        self.wait_loaded('a reload')

    def event_history(self, rng):
        """Back, and forward again to the page (or the page opened anew when it was the first)."""
        self.counts['history back and forward'] += 1
        self.note('history back')
        self.tab.js('history.back()')
        time.sleep(rng.uniform(0.05, 0.5))
        self.note('history forward')
        self.tab.js('history.forward()')
        deadline = now() + LOAD_BOUND
        here = ''
        while now() < deadline:
            try:
                here = self.tab.js('return location.pathname.split("/").pop()')
            except WebDriverException:
                here = ''
            if here == self.file:
                break
            time.sleep(0.05)
        if here != self.file:
            self.open('after history back and forward, on %r' % here)
        else:
            self.wait_loaded('history back and forward')

    def event_konec(self, rng):
        """"Konec": clicked or tapped; a run it waits for is stopped; the launcher comes."""
        konec = self.konec_button()
        if konec is None:
            # A viewport smaller than the window may leave Konec out of reach: the window's own first.
            self.tab.desktop_viewport()
            self.screen = self.native_screen
            self.moving = True
            self.controls_at = 0
            self.note('viewport: the window\'s own, to reach Konec')
            konec = self.konec_button()
        if konec is None:
            return
        if self.look.get('question') and not self.answer() and not self.answer('click Ne'):
            raise Failure('the question does not close before Konec (%s)' % self.look)
        x, y = self.point_in(konec, rng)
        touch = rng.random() < 0.4
        self.konec_sent = True
        clicks = self.tab.js(LOOK)['konec']
        reached = self.pointer(self.tab.tap if touch else self.tab.click, x, y)
        self.note('Konec %s at %d,%d (reaching %s)' % ('tapped' if touch else 'clicked', x, y, reached))
        if reached != {'Konec'}:
            return  # the page moved away under the pointer: nothing certain to wait for
        # The page's word: a question that opened meanwhile takes the click instead.
        deadline = now() + 1
        while now() < deadline:
            look = self.tab.js(LOOK)
            if look['url'] != self.file or look['konec'] > clicks:
                break
            time.sleep(0.02)
        else:
            self.note('the click did not reach Konec (the page: %s)' % look)
            return
        self.counts['Konec'] += 1
        t = now()
        while now() - t < KONEC_BOUND:
            look = self.tab.js(LOOK)
            if look['url'] == 'index.html' and look.get('cards'):
                self.counts['back to the launcher'] += 1
                return self.open('after Konec')
            if look['question']:
                self.answer('click Ne')
            elif look['busy'] and now() - t > 0.2:
                self.escaped = True
                self.tab.key('Escape')
                self.note('Esc after Konec')
            time.sleep(0.05)
        raise Failure('Konec did not bring the launcher within %.0f s (the page: %s)' % (KONEC_BOUND, look))

    def konec_button(self):
        """Konec, when it is on the viewport."""
        size = self.tab.js('return [innerWidth, innerHeight]')
        for c in self.shown_controls():
            if (c['tag'] == 'BUTTON' and c['text'] == 'Konec' and c['x'] >= 0 and c['y'] >= 0
                    and c['x'] + c['w'] <= size[0] and c['y'] + c['h'] <= size[1]):
                return c
        return None

    def answer(self, how=None):
        """The question answered (Enter and Space press the button with the focus, if one
        has it); whether it closed. One that stays open is answered again at the next event."""
        rng = self.rng('answer')
        how = how or weighted(rng, [('click Ano', 3), ('click Ne', 3), ('tap Ano', 1), ('tap Ne', 1), ('Enter', 2),
                                    ('Escape', 2), ('Space', 1)])
        if how.startswith(('click', 'tap')):
            button = 'ano' if how.endswith('Ano') else 'ne'
            r = self.tab.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                            "return [r.left + r.width / 2, r.top + r.height / 2]", button)
            if self.pointer(self.tab.tap if how.startswith('tap') else self.tab.click, *r) is None:
                how = 'Escape'  # the box is beside what the screen shows
                self.tab.key(how)
        else:
            self.tab.key(how)
        self.counts['question ' + how] += 1
        self.note('question answered: ' + how)
        deadline = now() + 3
        while now() < deadline and self.tab.js(LOOK)['question']:
            time.sleep(0.02)
        if self.tab.js(LOOK)['question']:
            self.note('the question stayed open (the focus on %s)' % self.tab.js(LOOK)['focus'])
            self.question_keep = 0
            return False
        self.question_since = None
        return True

    def event_pause(self, rng):
        """Lets the page be a moment, then the idle check: Esc, and idle within a bound."""
        self.counts['pause'] += 1
        self.note('pause')
        limit = now() + weighted(rng, [(rng.uniform(0.2, 1), 3), (rng.uniform(1, 4), 1)])
        while now() < limit:
            self.observe()
            if self.busy_since is None and self.question_since is None:
                break
            time.sleep(0.05)
        self.idle_check('pause')

    def leave_full_screen(self):
        """In full screen the browser takes Esc for itself: it leaves full screen, and the
        page never sees that Esc."""
        if not self.look.get('full'):
            return
        self.tab.key('Escape')
        self.note('Esc: the browser leaves full screen')
        deadline = now() + 2
        while self.tab.js(LOOK)['full'] and now() < deadline:
            time.sleep(0.02)

    def idle_check(self, why):
        for attempt in range(3):
            self.observe()
            if self.look['question'] and not self.answer() and not self.answer('click Ne'):
                raise Failure('%s: the question does not close (%s)' % (why, self.look))
            self.leave_full_screen()
            self.escaped = True
            self.tab.key('Escape')
            self.note('Esc (%s)' % why)
            t = now()
            while now() - t < IDLE_AFTER_ESC:
                self.observe()
                if not self.look['busy'] and not self.look['question']:
                    return
                if self.look['question']:
                    break  # a run that held Starts served after the Esc asks: answered, then again
                time.sleep(0.05)
            else:
                raise Failure('%s: not idle %.0f s after Esc (%s)' % (why, IDLE_AFTER_ESC, self.look))
        raise Failure('%s: still asking after three Esc (%s)' % (why, self.look))

    # -- the launcher
    def launcher_event(self):
        rng = self.rng()
        kind = weighted(rng, [('card', 4), ('card tap', 2), ('key', 30), ('anywhere', 6), ('viewport', 3),
                              ('reload', 0.8), ('history', 0.8)])
        if kind.startswith('card'):
            return self.open_card(rng, touch=kind == 'card tap')
        if kind == 'key':
            chord = weighted(rng, LAUNCHER_KEYS)
            focused = self.tab.js("const a = document.activeElement; return a && a.id.startsWith('card-') ? a.id : ''")
            if chord in ('Enter',) and focused:
                return self.opened_by(lambda: (self.tab.key(chord), {focused})[1], 'Enter on ' + focused)
            self.moving = True
            self.tab.key(chord)
            self.counts['key ' + chord] += 1
            self.note('key ' + chord)
        elif kind == 'anywhere':
            x, y = self.anywhere(rng)
            self.opened_by(lambda: self.pointer(self.tab.click, x, y), 'click at %d,%d' % (x, y))
        else:
            getattr(self, 'event_' + kind)(rng)

    def open_card(self, rng, touch):
        self.still()
        cards = self.tab.js("return Array.from(document.querySelectorAll('#demonstrations a')).map(a => {"
                            "const r = a.getBoundingClientRect(); return [a.id, r.left, r.top, r.width, r.height];})"
                            ".filter(c => c[3] > 4 && c[4] > 4 && c[2] >= 0 && c[2] + c[4] <= innerHeight)")
        if not cards:
            return self.tab.js('scrollTo(0, 0)')
        card, x0, y0, w, h = rng.choice(cards)
        x, y = x0 + w * rng.uniform(0.2, 0.8), y0 + h * rng.uniform(0.2, 0.8)
        self.opened_by(lambda: self.pointer(self.tab.tap if touch else self.tab.click, x, y),
                       '%s on %s' % ('tap' if touch else 'click', card))

    def opened_by(self, act, label):
        """What a click, tap or key reached: a card opens its program's page (and the launcher
        comes again), anything else opens nothing."""
        reached = act()
        cards = {r for r in reached or () if r.startswith('card-')}
        self.note('%s (reaching %s)' % (label, ', '.join(sorted(cards)) or 'no card'))
        deadline = now() + (LOAD_BOUND if cards else 0.3)
        look = self.tab.js(LOOK)
        while now() < deadline:
            look = self.tab.js(LOOK)
            if look['url'] != 'index.html' and look.get('ready'):
                break
            time.sleep(0.05)
        opened = look.get('url') if look.get('url') != 'index.html' else None
        if opened is None and not cards:
            self.counts['clicks beside the cards'] += 1
            return
        self.counts['cards opened'] += 1
        if opened not in {c[5:] + '.html' for c in cards}:
            self.fail('lost open', '%s opened %s, expected %s' % (label, opened or 'nothing',
                                                                  ' or '.join(sorted(cards)) or 'nothing'))
        self.open('back from %s' % opened)

    # -- the end
    def finish(self):
        if not self.launcher:
            self.observe()
            self.idle_check('the end')
        self.console()

    def report(self):
        kinds = collections.Counter(k for k, _ in self.failures)
        line = ('%s: seed %d, %d events in %.0f s | %s | the longest run let go to its end %.1f s | failures %d (%s)'
                % (self.file, self.seed, self.sent, now() - self.begun,
                   ', '.join('%s %d' % kv for kv in sorted(self.counts.items())), self.longest_run,
                   len(self.failures), ', '.join('%s %d' % kv for kv in sorted(kinds.items())) or 'none'))
        return line, len(self.failures)


def main():
    faulthandler.register(15, all_threads=True)  # a test that is ended says where it stood
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    site_dir, events, seed = os.path.abspath(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    pages = sys.argv[4:] or [p[0] for p in programs()] + [LAUNCHER]
    print('browser random input: %d pages, %d events each, seed %d' % (len(pages), events, seed), flush=True)
    lock = threading.Lock()
    results = {}
    with Site(site_dir) as site:
        def one(page):
            try:
                line, failed = PageTest(page, events, seed, site.url).run()
            except Exception:  # the driver's own fault or the browser's end: reported, not hidden
                line, failed = '%s: the test broke off:\n%s' % (page, traceback.format_exc()), 1
            with lock:
                results[page] = (line, failed)
                print(line, flush=True)
        with ThreadPoolExecutor(2) as pool:
            list(pool.map(one, pages))
    failed = sum(f for _, f in results.values())
    print('browser random input, seed %d: %d pages, %d failures%s'
          % (seed, len(pages), failed, '' if not failed else ' (replay: random_input.py SITE %d %d PAGE)'
             % (events, seed)), flush=True)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
