#!/usr/bin/python3
"""How soon the user's hands on a run show in the browser: interference's page in headless
Chromium with touch, its run paused with P, stepped with K and with a tap on the run bar's
step, resumed with a tap, its speed bar keyed and the run stopped with a tap, each at a
random moment. Each is timed in the page from the moment the page takes the event to the
first frame the browser paints after the page shows its effect (the run bar's state, the
steps, the speed bar's setting, the run's end).

    /usr/bin/python3 bench/web_response.py [SITE_DIR] [ROUNDS]
"""
import os
import random
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'tests', 'web'))
from browser import ROOT, Site, browser  # noqa: E402

# Times each event the page takes (capture listeners run first) to the frame after its effect.
WATCH = r"""
window.responses = [];
const picture = document.getElementById('picture'), bar = document.getElementById('HScroll1');
// What shows each event's effect.
const effect = {p: () => picture.dataset.runState, k: () => picture.dataset.steps,
                runStep: () => picture.dataset.steps, runPause: () => picture.dataset.runState,
                ArrowRight: () => bar.getAttribute('aria-valuetext'), runStop: () => picture.dataset.runs};
let pending = null;
// On the window, before the page's own listeners act on the event.
const took = (e) => {
  const name = e.type === 'keydown' ? e.key : (e.target.closest && e.target.closest('button') || {}).id;
  if (effect[name])
    pending = {kind: e.type + ':' + name, at: performance.now(), shows: effect[name], was: effect[name]()};
};
window.addEventListener('keydown', took, true);
window.addEventListener('pointerup', took, true);
new MutationObserver(() => {
  const p = pending;
  if (!p || p.shows() === p.was)
    return;
  pending = null;
  requestAnimationFrame(() => window.responses.push([p.kind, performance.now() - p.at]));
}).observe(document.body, {attributes: true, subtree: true,
                           attributeFilter: ['data-run-state', 'data-steps', 'data-runs', 'aria-valuetext']});
"""


def main():
    args = sys.argv[1:]
    site_dir = args[0] if args and os.path.isdir(args[0]) else os.path.join(ROOT, 'build-web', 'site')
    rounds = int(args[-1]) if args and args[-1].isdigit() else 10
    profile = tempfile.mkdtemp(prefix='svetlo-response-')
    rng = random.Random(7)
    with Site(site_dir) as site:
        driver = browser(profile)
        try:
            cdp = driver.execute_cdp_cmd
            cdp('Emulation.setTouchEmulationEnabled', dict(enabled=True, maxTouchPoints=5))
            js = driver.execute_script

            def key(name, code):
                for kind in ('rawKeyDown', 'keyUp'):
                    cdp('Input.dispatchKeyEvent', dict(type=kind, key=name, code=code,
                                                       windowsVirtualKeyCode=ord(name.upper()) if len(name) == 1
                                                       else 39))

            def tap(element):
                x, y = js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                          "return [r.left + r.width / 2, r.top + r.height / 2]", element)
                cdp('Input.dispatchTouchEvent', dict(type='touchStart', touchPoints=[dict(x=x, y=y)]))
                cdp('Input.dispatchTouchEvent', dict(type='touchEnd', touchPoints=[]))

            driver.get(site.url + 'interference.html')
            deadline = time.monotonic() + 20
            while js("const c = document.getElementById('picture'); return !c || c.dataset.runs !== '0'"):
                if time.monotonic() > deadline:
                    raise SystemExit('the page did not open')
                time.sleep(0.05)
            js(WATCH)
            acts = [lambda: key('p', 'KeyP'), lambda: key('k', 'KeyK'), lambda: tap('runStep'),
                    lambda: tap('runPause'), lambda: key('ArrowRight', 'ArrowRight'), lambda: tap('runStop')]
            for _ in range(rounds):
                runs = int(js("return document.getElementById('picture').dataset.runs"))
                js("document.getElementById('cmdStart').click(); document.getElementById('HScroll1').focus()")
                for act in acts:
                    time.sleep(rng.uniform(0.1, 0.3))
                    act()
                while int(js("return document.getElementById('picture').dataset.runs")) == runs:
                    time.sleep(0.02)
                js("document.getElementById('HScroll1').value = 1")
                time.sleep(0.2)
            times = {}
            for kind, ms in js('return window.responses'):
                times.setdefault(kind, []).append(ms)
        finally:
            driver.quit()
            shutil.rmtree(profile, ignore_errors=True)
    print('%-24s %6s %10s %8s' % ('event', 'count', 'median ms', 'max ms'))
    for kind, ms in sorted(times.items()):
        ms.sort()
        print('%-24s %6d %10.1f %8.1f' % (kind, len(ms), ms[len(ms) // 2], ms[-1]))


if __name__ == '__main__':
    main()
