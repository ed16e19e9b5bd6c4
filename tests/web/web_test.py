#!/usr/bin/python3
"""The suite in a real browser: headless Chromium opens the site the web build wrote,
runs every program at its defaults and compares the canvas with the desktop's golden
picture, checks that input made during a run waits for its end, answers the question
both ways, and goes back to the launcher with "Konec".

    /usr/bin/python3 tests/web/web_test.py [SITE_DIR [GOLDEN_DIR]] [TEST ...]
"""
import base64
import gzip
import hashlib
import io
import json
import os
import shutil
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import VIEWPORT, Site, browser, programs

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FOLDERS = [a for a in sys.argv[1:] if os.path.isdir(a)]  # the rest names tests to run
SITE = os.path.abspath(FOLDERS[0]) if FOLDERS else os.path.join(ROOT, 'build-web', 'site')
GOLDEN = os.path.abspath(FOLDERS[1]) if len(FOLDERS) > 1 else os.path.join(ROOT, 'tests', 'golden')
RUN_TIMEOUT = 90  # seconds; the longest run at the start-up speed takes about 12

# What each program's golden picture was drawn with: the options clicked before each Start.
GOLDEN_RUNS = {
    'vidivizur': ('vidivizur_default', [[]]),
    'parabola': ('parabola_default', [[]]),
    'pathways': ('pathways_default', [[]]),
    'lupa': ('lupa_default', [[]]),
    'interference': ('interference_default', [[]]),
    'fringeworks': ('fringeworks_default', [[]]),
    'glassecho': ('glassecho_red', [[]]),
    'rozavezavu': ('rozavezavu_reconstruction', [['opPravdepod'], ['opRekonstrukce']]),
}


class Browser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.mkdtemp(prefix='svetlo-web-')
        cls.site = Site(SITE).__enter__()
        cls.driver = browser(cls.profile)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.__exit__(None, None, None)
        shutil.rmtree(cls.profile, ignore_errors=True)

    def open(self, program, viewport=VIEWPORT):
        self.driver.get(self.site.url + program + '.html')
        self.wait(lambda d: d.execute_script(
            "const c = document.getElementById('picture'); return c && c.dataset.runs === '0'"), 20)
        self.assertEqual(self.js('return [innerWidth, innerHeight]'), list(viewport))

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, timeout=RUN_TIMEOUT):
        return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(condition)

    def runs(self):
        return int(self.js("return document.getElementById('picture').dataset.runs"))

    def running(self):
        return self.js("return document.getElementById('picture').getAttribute('aria-busy')") == 'true'

    def start_button(self):
        return self.js("return document.querySelector('button[title^=\"Spustí\"]')")

    def click(self, name):
        self.driver.find_element('id', name).click()

    def run_to_end(self):
        before = self.runs()
        self.start_button().click()
        self.wait(lambda d: self.runs() > before and not self.running())

    def picture(self):
        data = self.js("return document.getElementById('picture').toDataURL('image/png')")
        return Image.open(io.BytesIO(base64.b64decode(data.split(',', 1)[1]))).convert('RGB')

    def share_like(self, picture, golden_name):
        """The share of the golden picture's pixels that the canvas has alike."""
        golden = Image.open(os.path.join(GOLDEN, golden_name + '.png')).convert('RGB')
        width, height = min(golden.width, picture.width), min(golden.height, picture.height)
        a = picture.crop((0, 0, width, height)).tobytes()
        b = golden.crop((0, 0, width, height)).tobytes()
        alike = sum(1 for i in range(0, len(a), 3) if a[i:i + 3] == b[i:i + 3])
        return alike / (width * height), (width, height)


class Pictures(Browser):
    def test_every_program_draws_its_desktop_picture(self):
        for folder, _, title, *_ in programs():
            with self.subTest(program=folder):
                self.open(folder)
                self.assertTrue(self.js('return document.title').startswith(title))
                golden, steps = GOLDEN_RUNS[folder]
                for options in steps:
                    for option in options:
                        self.click(option)
                    self.run_to_end()
                picture = self.picture()
                share, area = self.share_like(picture, golden)
                print('%s: %.5f of %dx%d pixels alike' % (folder, share, *area), file=sys.stderr)
                if share < 0.999:
                    picture.save('/tmp/%s-web.png' % folder)
                self.assertGreaterEqual(share, 0.999, '%s: %.4f of %s alike (the canvas is in /tmp/%s-web.png)'
                                        % (folder, share, area, folder))
                # The designed pace: never faster than the reference machine, and on
                # any machine that keeps up not much slower.
                took, designed, gap = (float(self.js("return document.getElementById('picture').dataset." + key))
                                       for key in ('seconds', 'designedSeconds', 'longestFrameGap'))
                print('%s: the last run took %.2f s, designed %.2f s; frames at most %.0f ms apart'
                      % (folder, took, designed, gap), file=sys.stderr)
                self.assertGreater(designed, 0.5)
                self.assertGreaterEqual(took, designed * 0.97)
                self.assertLessEqual(took, designed * 2 + 1)
                self.assertIn('Nakresleno s nastavením:', self.js(
                    "return document.getElementById('picture').getAttribute('aria-description')"))


class RunSemantics(Browser):
    def test_an_option_clicked_during_a_run_takes_effect_in_the_next_run(self):
        self.open('interference')
        chosen = self.js("return Array.from(document.querySelectorAll('#frmnRozteč input')).map(e => e.checked)")
        other = ['op60', 'op40', 'op20', 'op0'][chosen.index(False)]
        self.start_button().click()
        self.assertTrue(self.running())
        self.click(other)
        self.assertFalse(self.js('return document.getElementById(arguments[0]).checked', other),
                         'the option waits for the run')
        self.wait(lambda d: self.runs() == 1 and not self.running())
        self.assertTrue(self.js('return document.getElementById(arguments[0]).checked', other),
                        'served after the run')
        share, _ = self.share_like(self.picture(), 'interference_default')
        self.assertGreaterEqual(share, 0.999, 'the run drew with the options it began with')
        self.run_to_end()
        share, _ = self.share_like(self.picture(), 'interference_default')
        self.assertLess(share, 0.99, 'the next run draws with the option')

    def test_the_speed_bar_paces_the_rest_of_a_run_and_tells_its_setting(self):
        self.open('interference')
        steps = "return Number(document.getElementById('picture').dataset.steps)"

        def pace():
            """Steps a second, over a second of the run."""
            before, at = self.js(steps), time.monotonic()
            self.wait(lambda d: time.monotonic() > at + 1, 5)
            return (self.js(steps) - before) / (time.monotonic() - at)

        self.start_button().click()
        self.wait(lambda d: self.js(steps) > 5, 10)
        before = pace()
        bar = self.driver.find_element('id', 'HScroll1')
        ActionChains(self.driver).move_to_element_with_offset(bar, bar.size['width'] // 2 - 2, 0).click().perform()
        self.click('op20')  # waits for the run's end, the bar's move does not
        after = pace()
        print(f'interference: {before:.1f} steps/s, {after:.1f} after the move to the slowest end',
              file=sys.stderr)
        self.assertTrue(self.running())
        self.assertGreater(before, 10 * after, 'the rest of the run goes at the new speed')
        self.assertGreater(after, 0)
        self.assertEqual(self.js("return document.getElementById('HScroll1').getAttribute('aria-valuetext')"),
                         '20\u00D7 pomaleji než výchozí')
        self.assertIn('20\u00D7 pomaleji', self.js("return document.getElementById('HScroll1').title"))
        self.assertFalse(self.js("return document.getElementById('op20').checked"), 'the option waits')
        self.driver.switch_to.active_element.send_keys('\ue00c')  # Esc
        self.wait(lambda d: not self.running(), 5)
        self.wait(lambda d: self.js("return document.getElementById('op20').checked"), 5)

    def test_esc_stops_a_run_and_cancels_the_starts_clicked_meanwhile(self):
        self.open('parabola')
        start = self.start_button()
        start.click()
        start.click()  # held: a second run after this one
        self.driver.switch_to.active_element.send_keys('\ue00c')  # Esc
        self.wait(lambda d: self.runs() == 1 and not self.running(), 10)
        self.assertEqual(self.js("return document.getElementById('question').open"), False,
                         'the held Start was cancelled: no second run, no question')
        share, _ = self.share_like(self.picture(), 'parabola_default')
        self.assertLess(share, 0.999, 'stopped before its end')

    def test_konec_returns_to_the_launcher_and_the_launcher_opens_every_program(self):
        self.open('lupa')
        self.js("Array.from(document.querySelectorAll('#page button')).find(b => b.textContent === 'Konec').click()")
        self.wait(lambda d: d.current_url.endswith('/index.html'), 10)
        cards = self.js("return Array.from(document.querySelectorAll('#demonstrations a')).map(a => a.id)")
        self.assertEqual(cards, ['card-' + p[0] for p in programs()])
        self.click('card-glassecho')
        self.wait(lambda d: d.current_url.endswith('/glassecho.html'), 10)


class Links(Browser):
    """A link opens every page in its set-up and draws the desktop's picture of it
    (tests/links.list), the address follows the set-up, a bad link is told."""

    def links(self):
        with open(os.path.join(ROOT, 'tests', 'links.list'), encoding='utf-8') as f:
            return [line.split('|') for line in f.read().splitlines() if line and not line.startswith('#')]

    def test_a_link_opens_every_page_in_its_set_up_and_draws_the_desktops_picture(self):
        for program, link, written in self.links():
            with self.subTest(program=program):
                self.driver.get(self.site.url + program + '.html?' + link + '&start')
                self.wait(lambda d: d.execute_script(
                    "const c = document.getElementById('picture'); return c && c.dataset.runs === '1'"))
                share, size = self.share_like(self.picture(), 'link_' + program)
                print(f'{program}: {share:.5f} of {size[0]}x{size[1]} pixels alike', file=sys.stderr)
                self.assertEqual(share, 1.0, 'the picture the desktop draws from the same link')
                self.assertEqual(self.js('return location.search'), '?' + written,
                                 'the address the desktop copies for the same set-up')
                self.assertFalse(self.js("return !!document.getElementById('linkProblem')"))

    def test_the_address_follows_the_options_and_a_bad_link_is_told(self):
        self.open('interference')
        self.assertEqual(self.js('return location.search'), '')
        self.assertFalse(self.js("return !!document.getElementById('linkProblem')"), 'a page without a set-up is fine')
        self.click('op20')
        self.wait(lambda d: self.js('return location.search') == '?op20', 5)
        self.click('op60')
        self.wait(lambda d: self.js('return location.search') == '', 5)
        self.driver.get(self.site.url + 'interference.html?op20&op99&HScroll1=1000')
        self.wait(lambda d: d.execute_script("return !!document.getElementById('linkProblem')"), 20)
        message = self.js("return document.getElementById('linkProblem').textContent")
        self.assertIn('\u201Eop99\u201C', message)
        self.assertTrue(self.js("return document.getElementById('op20').checked"), 'what could be read is applied')
        self.assertEqual(self.js("return document.getElementById('HScroll1').value"), '1', 'the rest stays')
        self.assertEqual(self.js('return location.search'), '?op20', 'the address keeps what was applied')
        # The launcher opens a link pasted into it.
        self.driver.get(self.site.url + 'index.html')
        self.js("const data = new DataTransfer(); data.setData('text', arguments[0]);"
                "document.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data}))",
                'https://svetlo-a-sipky.example.org/fringeworks.html?opFot10&seed=42')
        self.wait(lambda d: self.js('return location.pathname').endswith('/fringeworks.html'), 10)
        self.wait(lambda d: d.execute_script(
            "const c = document.getElementById('picture'); return c && c.dataset.runs === '0'"), 20)
        self.assertTrue(self.js("return document.getElementById('opFot10').checked"))
        self.assertEqual(self.js('return location.search'), '?opFot10&seed=42')


    def test_the_picture_saved_is_the_window_as_seen_with_its_description_and_link(self):
        folder = tempfile.mkdtemp(prefix='svetlo-saved-')
        try:
            self.driver.execute_cdp_cmd('Page.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': folder})
            self.driver.get(self.site.url + 'fringeworks.html?opFot10&seed=42&start')
            self.wait(lambda d: d.execute_script(
                "const c = document.getElementById('picture'); return c && c.dataset.runs === '1'"))
            # Ctrl+S (the page's button does the same, once the run's end has settled).
            ActionChains(self.driver).key_down(Keys.CONTROL).send_keys('s').key_up(Keys.CONTROL).perform()
            path = os.path.join(folder, 'fringeworks_opFot10_seed-42.png')
            self.wait(lambda d: os.path.exists(path) and os.path.getsize(path) > 0, 10)
            saved = Image.open(path)
            saved.load()
            seen = self.js("return suitePage.pictureAsSeen().toDataURL('image/png')")
            seen = Image.open(io.BytesIO(base64.b64decode(seen.split(',', 1)[1]))).convert('RGB')
            self.assertEqual(saved.convert('RGB').tobytes(), seen.tobytes(), 'the window as seen, labels included')
            self.assertTrue(saved.text['Description'].startswith('Interference složená z jednotlivých'))
            self.assertIn('Počet fotonů na bod: 10', saved.text['Description'])
            self.assertTrue(saved.text['URL'].endswith('/fringeworks.html' + self.js('return location.search')))
        finally:
            shutil.rmtree(folder, ignore_errors=True)


    def test_a_recorded_run_is_the_desktops_animation_byte_for_byte(self):
        with open(os.path.join(GOLDEN, 'recordings.list'), encoding='utf-8') as f:
            recordings = [line.split('|') for line in f.read().splitlines() if line and not line.startswith('#')]
        folder = tempfile.mkdtemp(prefix='svetlo-recorded-')
        try:
            self.driver.execute_cdp_cmd('Page.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': folder})
            for program, link, digest in recordings:
                with self.subTest(program=program):
                    self.open(program)
                    self.driver.get(self.site.url + program + '.html?' + link)
                    self.wait(lambda d: d.execute_script(
                        "const c = document.getElementById('picture'); return c && c.dataset.runs === '0'"), 20)
                    before = set(os.listdir(folder))
                    ActionChains(self.driver).key_down(Keys.CONTROL).send_keys('r').key_up(Keys.CONTROL).perform()
                    self.wait(lambda d: self.runs() == 1 and not self.running())
                    self.wait(lambda d: [n for n in set(os.listdir(folder)) - before if n.endswith('.gif')], 10)
                    name = [n for n in set(os.listdir(folder)) - before if n.endswith('.gif')][0]
                    with open(os.path.join(folder, name), 'rb') as f:
                        gif = f.read()
                    self.assertEqual(hashlib.sha256(gif).hexdigest(), digest, name)
                    # Chromium decodes it as an image of the designed area.
                    self.js("window.played = new Image(); window.played.src = arguments[0]",
                            'data:image/gif;base64,' + base64.b64encode(gif).decode())
                    self.wait(lambda d: self.js('return played.complete && played.naturalWidth > 0'), 10)
                    self.assertEqual(self.js('return [played.naturalWidth, played.naturalHeight]'), [800, 600])
        finally:
            shutil.rmtree(folder, ignore_errors=True)


class Refit(Browser):
    """A tablet turned: the page fits its new viewport and draws its picture at the new scale."""
    LANDSCAPE, PORTRAIT = (1024, 768), (768, 1024)

    def turn(self, size):
        width, height = size
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False,
            'screenOrientation': {'type': 'portraitPrimary', 'angle': 0} if height > width
            else {'type': 'landscapePrimary', 'angle': 90}})

    def tearDown(self):
        self.driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})

    def drawn(self, folder, size):
        """The golden picture's runs, drawn in a page opened at `size`."""
        self.turn(size)
        self.open(folder, size)
        for options in GOLDEN_RUNS[folder][1]:
            for option in options:
                self.click(option)
            self.run_to_end()
        return self.picture()

    def fitted(self, size):
        """Waits until the page has fitted `size` and drawn its picture again; then the whole
        window is in the viewport, with no scroll bars."""
        width = min(size[0] / 800, size[1] / 600) * 800
        self.wait(lambda d: self.js("const c = document.getElementById('picture');"
                                    "return c.width === arguments[0] && c.dataset.redrawn === 'yes'",
                                    round(min(width, 800) * max(1, width / 800))), 10)
        inside = self.js("const r = document.getElementById('window').getBoundingClientRect();"
                         "const e = document.documentElement;"
                         "return [r.left >= 0, r.top >= 0, r.right <= innerWidth, r.bottom <= innerHeight,"
                         "        e.scrollWidth <= innerWidth, e.scrollHeight <= innerHeight]")
        self.assertEqual(inside, [True] * 6, 'window within the viewport, no scroll bars')

    def test_every_page_turned_to_portrait_and_back_draws_its_picture_at_the_new_scale(self):
        for folder, *_ in programs():
            with self.subTest(program=folder):
                portrait = self.drawn(folder, self.PORTRAIT)
                landscape = self.drawn(folder, self.LANDSCAPE)
                self.turn(self.PORTRAIT)
                self.fitted(self.PORTRAIT)
                print('%s: fitted to portrait in %s ms, its picture drawn again in %s ms' % (
                    folder, *self.js("const d = document.getElementById('picture').dataset;"
                                     "return [d.refitMs, d.redrawMs]")), file=sys.stderr)
                self.assertEqual(self.picture().tobytes(), portrait.tobytes(), 'turned, as drawn in portrait')
                self.turn(self.LANDSCAPE)
                self.fitted(self.LANDSCAPE)
                self.assertEqual(self.picture().tobytes(), landscape.tobytes(), 'turned back, as before')

    def test_a_page_turned_during_a_run_fits_when_the_run_ends(self):
        portrait = self.drawn('interference', self.PORTRAIT)
        self.turn(self.LANDSCAPE)
        self.open('interference', self.LANDSCAPE)
        self.start_button().click()
        self.wait(lambda d: self.running())
        self.turn(self.PORTRAIT)
        self.assertTrue(self.running())
        self.wait(lambda d: not self.running())
        self.fitted(self.PORTRAIT)
        self.assertEqual(self.picture().tobytes(), portrait.tobytes())


class Question(Browser):
    def dialog(self):
        return self.js("const q = document.getElementById('question');"
                       "return q.open ? [q.querySelector('.title').textContent, q.querySelector('.question').textContent]"
                       " : null")

    def red_in_graph(self):
        picture = self.picture().crop((590, 180, 790, 560))
        return sum(1 for p in picture.getdata() if p == (255, 0, 0))

    def answer(self, button):
        before = self.runs()
        self.start_button().click()
        self.assertEqual(self.wait(lambda d: self.dialog(), 20),
                         ['glassecho', 'Vyčistit graf pravděpodobnosti pro novou animaci?'])
        self.assertTrue(self.running(), 'the run waits for the answer')
        self.click(button)
        self.wait(lambda d: self.runs() > before and not self.running())

    def test_the_question_is_answered_both_ways(self):
        self.open('glassecho')
        self.run_to_end()  # the first run asks nothing
        self.assertIsNone(self.dialog())
        red = self.red_in_graph()
        self.assertGreater(red, 100, 'the red graph')
        self.click('op03')  # blue light
        self.answer('ne')
        self.assertGreater(self.red_in_graph(), red // 2, '"Ne" keeps the red graph (the blue one covers a part)')
        self.answer('ano')
        self.assertEqual(self.red_in_graph(), 0, '"Ano" clears it')


class Touch:
    """A page used with a finger: taps, the run's state and its picture."""

    def open(self, program):
        self.driver.get(self.site.url + program + '.html')
        self.wait(lambda d: d.execute_script(
            "const c = document.getElementById('picture'); return c && c.dataset.runs === '0'"), 20)

    def tap(self, name):
        x, y = self.js("const e = document.getElementById(arguments[0]);"
                       "if (!e.closest('#actions, #runBar')) e.scrollIntoView({block: 'center'});"
                       "const r = e.getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", name)
        for kind, points in (('touchStart', [{'x': x, 'y': y}]), ('touchEnd', [])):
            self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': points})

    def state(self):
        return self.js("const c = document.getElementById('picture');"
                       "return [c.dataset.runState, Number(c.dataset.steps)]")

    def pixels(self):
        return self.js("const c = document.getElementById('picture');"
                       "return c.toDataURL('image/png')")

    def start(self):
        """Start tapped (a question a second run asks is answered "Ano"); the run is going."""
        runs = self.runs()
        self.tap(self.start_button().get_attribute('id'))
        self.wait(lambda d: self.running() or self.runs() > runs
                  or self.js("return document.getElementById('question').open"), 20)
        if self.js("return document.getElementById('question').open"):
            self.tap('ano')
        self.wait(lambda d: self.state()[0] == 'Running', 20)


class RunByTouch(Touch, Browser):
    """A tablet's viewport (1024 x 768, touch): every page's run started, paused, stepped,
    resumed and stopped with taps alone, no key pressed."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', dict(
            width=1024, height=768, deviceScaleFactor=1, mobile=True,
            screenOrientation={'type': 'landscapePrimary', 'angle': 90}))
        cls.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', dict(enabled=True, maxTouchPoints=5))

    def test_every_run_is_paused_stepped_and_stopped_by_taps(self):
        for folder, *_ in programs():
            with self.subTest(program=folder):
                options = GOLDEN_RUNS[folder][1]
                # A run left alone, with the options its golden picture was drawn with.
                self.open(folder)
                for chosen in options:
                    for option in chosen:
                        self.tap(option)
                    self.start()
                    self.wait(lambda d: not self.running())
                alone = self.pixels()
                # The same run paused, stepped five times and resumed.
                self.open(folder)
                for n, chosen in enumerate(options):
                    for option in chosen:
                        self.tap(option)
                    self.start()
                    if n + 1 < len(options):
                        self.wait(lambda d: not self.running())
                self.assertTrue(self.js("return !document.getElementById('runBar').hidden"))
                paused_at = time.monotonic()
                self.tap('runPause')
                self.assertEqual(self.state()[0], 'Paused')
                self.assertFalse(self.js("return document.getElementById('runStep').disabled"))
                # The picture stops changing within 50 ms of the tap.
                time.sleep(max(0.0, paused_at + 0.05 - time.monotonic()))
                held = self.pixels()
                time.sleep(0.3)
                self.assertEqual(self.pixels(), held, 'nothing is drawn while paused')
                steps = self.state()[1]
                for step in range(1, 6):
                    self.tap('runStep')
                    self.wait(lambda d: self.state() == ['Paused', steps + step], 20)
                self.assertNotEqual(self.pixels(), held, 'the steps drew')
                self.tap('runPause')
                self.wait(lambda d: not self.running())
                self.assertTrue(self.js("return document.getElementById('runBar').hidden"), 'the bar goes')
                self.assertEqual(self.pixels(), alone, 'paused and stepped, the run draws what it draws alone')
                # A second run stopped.
                runs = self.runs()
                self.start()
                self.tap('runStop')
                self.wait(lambda d: not self.running() and self.runs() == runs + 1, 2)


class Phone(Touch, Browser):
    """A phone held upright (390 x 844, three device pixels to a pixel, touch): every page
    arranged for it, the picture across the width and the controls readable and a finger's
    size below it; a run started, paused and stopped with taps; turned, the window again."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', dict(enabled=True, maxTouchPoints=5))

    def hold(self, width, height):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', dict(
            width=width, height=height, deviceScaleFactor=3, mobile=True,
            screenOrientation={'type': 'portraitPrimary', 'angle': 0} if height > width
            else {'type': 'landscapePrimary', 'angle': 90}))

    def tearDown(self):
        self.driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})

    # Every visible control a finger operates, with its text's size and its target's size.
    OPERATED = (
        "return Array.from(document.querySelectorAll("
        "  '#panel legend, #panel .option, #panel .check, #panel input[type=range], #actions button, #panel #pageBar button'))"
        ".filter(e => e.getClientRects().length)"
        ".map(e => { const r = e.getBoundingClientRect();"
        "  const text = e.matches('input[type=range]') ? e.previousElementSibling : e;"
        "  return [e.id || e.textContent.trim(), parseFloat(getComputedStyle(text).fontSize),"
        "          e.matches('legend') ? null : [r.width, r.height]]; })")

    def test_every_page_is_arranged_for_a_phone_held_upright(self):
        for folder, *_ in programs():
            with self.subTest(program=folder):
                self.hold(390, 844)
                self.open(folder)
                self.assertIn('phone', self.js('return document.body.className'))
                picture = self.js("const r = document.getElementById('picture').getBoundingClientRect();"
                                  "return [r.left, r.width]")
                self.assertEqual([round(v, 1) for v in picture], [0, 390], 'the picture across the width')
                operated = self.js(self.OPERATED)
                self.assertGreaterEqual(len(operated), 6)
                for name, text, target in operated:
                    self.assertGreaterEqual(text, 14, '%s: text of %s px' % (name, text))
                    if target:
                        self.assertGreaterEqual(min(target), 44, '%s: a target of %s' % (name, target))
                self.assertEqual(self.js("return document.documentElement.scrollWidth"), 390, 'nothing sideways')
                # Start and Konec stay within reach at the foot of the screen.
                bar = self.js("const r = document.getElementById('actions').getBoundingClientRect();"
                              "return [r.bottom, Array.from(document.querySelectorAll('#actions button'), b => b.id)]")
                self.assertEqual(bar[0], 844)
                self.assertIn(self.start_button().get_attribute('id'), bar[1])
                # A run started, paused and stopped with taps; the options stay the program's.
                moved = self.js("return Array.from(document.querySelectorAll('#panel [id], #actions [id]'), e => e.id)")
                for option in GOLDEN_RUNS[folder][1][-1]:  # rozavezavu's run of many steps
                    self.tap(option)
                self.start()
                self.tap('runPause')
                self.wait(lambda d: self.state()[0] == 'Paused', 5)
                self.assertGreater(self.js("return document.getElementById('runBar').getBoundingClientRect().top"),
                                   0, 'the run bar on the screen')
                runs = self.runs()
                self.tap('runStop')
                self.wait(lambda d: not self.running() and self.runs() == runs + 1, 5)
                # Turned to landscape: the window's arrangement, the same controls in the design.
                self.hold(844, 390)
                self.wait(lambda d: 'phone' not in self.js('return document.body.className'), 5)
                self.assertEqual(self.js("return arguments[0].filter(id => !document.getElementById(id)"
                                         "  || !(document.getElementById(id).closest('#page')"
                                         "       || document.getElementById(id).closest('#pageBar')))", moved), [])
                self.assertIsNone(self.js("return document.getElementById('panel')"))


class PageCommands(Browser):
    def test_about_tells_the_keys_and_the_copy_holds_the_captions_but_no_buttons(self):
        self.open('parabola')
        about = "return document.getElementById('about').open"
        self.driver.switch_to.active_element.send_keys(Keys.F1)
        self.wait(lambda d: self.js(about), 2)
        text = self.js("return document.getElementById('about').innerText")
        self.assertIn('K posune pozastavenou animaci', text)
        self.assertIn('verze', text)
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.wait(lambda d: not self.js(about), 2)
        self.click('pageAbout')
        self.wait(lambda d: self.js(about), 2)
        self.click('about-ok')
        # Before any run the canvas is grey; the picture as seen has the captions on it.
        counts = self.js("""
            const seen = suitePage.pictureAsSeen(), g = seen.getContext('2d');
            const page = document.getElementById('picture').getBoundingClientRect();
            const k = seen.width / page.width;
            const inked = (element) => {
              const r = element.getBoundingClientRect();
              const d = g.getImageData((r.left - page.left) * k, (r.top - page.top) * k, r.width * k, r.height * k).data;
              let n = 0;
              for (let i = 0; i < d.length; i += 4) n += d[i] !== 192 || d[i + 1] !== 192 || d[i + 2] !== 192;
              return n;
            };
            const caption = Array.from(document.querySelectorAll('#page div'))
              .find(e => e.textContent.trim() === 'Pravděpodobnost');
            return [inked(caption), inked(document.getElementById('cmdStart'))];""")
        self.assertGreater(counts[0], 20, 'the caption is in the copy')
        self.assertEqual(counts[1], 0, 'Start is not')


class HighDensity(Browser):
    PIXEL_RATIO = 2

    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.mkdtemp(prefix='svetlo-web-')
        cls.site = Site(SITE).__enter__()
        cls.driver = browser(cls.profile, cls.PIXEL_RATIO)

    def test_the_picture_is_drawn_in_the_screens_own_pixels(self):
        self.open('vidivizur')
        size = self.js("const c = document.getElementById('picture');"
                       "const r = c.getBoundingClientRect(); return [c.width, c.height, r.width, r.height]")
        self.assertEqual(size, [1600, 1200, 800, 600], 'device pixels of the canvas, and its place on the page')
        self.run_to_end()
        # The desktop's picture at twice the density: where it has a black pixel, the
        # canvas has black in that pixel's 2 x 2 square.
        picture = self.picture()
        golden = Image.open(os.path.join(GOLDEN, 'vidivizur_default.png')).convert('RGB')
        black = [(x, y) for y in range(100, 300) for x in range(0, 800) if golden.getpixel((x, y)) == (0, 0, 0)]
        self.assertGreater(len(black), 1000)
        covered = sum(1 for x, y in black if (0, 0, 0) in [picture.getpixel((2 * x + i, 2 * y + j))
                                                            for i in (0, 1) for j in (0, 1)])
        self.assertGreater(covered / len(black), 0.95)


class Offline(Browser):
    def test_once_opened_the_site_works_without_its_server(self):
        self.driver.get(self.site.url + 'index.html')
        self.driver.set_script_timeout(30)
        self.assertTrue(self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "navigator.serviceWorker.ready.then(() => done(true), () => done(false));"))
        self.site.__exit__(None, None, None)
        self.open('fringeworks')
        self.run_to_end()
        share, _ = self.share_like(self.picture(), 'fringeworks_default')
        self.assertGreaterEqual(share, 0.999)
        loaded = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "document.fonts.ready.then(() => done(Array.from(document.fonts)"
            ".filter(f => f.status === 'loaded').map(f => f.family + ' ' + f.weight)));")
        self.assertIn('Liberation Serif bold', loaded, 'the captions\' web font, from the cache')

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile, ignore_errors=True)


class Installable(Browser):
    def test_the_site_is_an_app_a_browser_offers_to_install(self):
        for page in ('index', 'lupa'):
            with self.subTest(page=page):
                self.driver.get(self.site.url + page + '.html')
                self.driver.set_script_timeout(30)
                self.assertTrue(self.driver.execute_async_script(
                    "const done = arguments[arguments.length - 1];"
                    "navigator.serviceWorker.ready.then(() => done(true), () => done(false));"))
                manifest = self.driver.execute_cdp_cmd('Page.getAppManifest', {})
                self.assertEqual(manifest['errors'], [])
                self.assertTrue(manifest['url'].endswith('/manifest.webmanifest'))
                parsed = json.loads(manifest['data'])
                self.assertEqual((parsed['name'], parsed['display'], parsed['orientation']),
                                 ('Světlo a šipky', 'standalone', 'any'))
                self.assertIn('Light and Arrows', parsed['translations']['en']['name'])
                sizes = {icon['sizes'] for icon in parsed['icons']}
                self.assertLessEqual({'192x192', '512x512'}, sizes)
                for icon in parsed['icons']:
                    if icon['type'] == 'image/png':
                        width, height = map(int, icon['sizes'].split('x'))
                        with Image.open(os.path.join(SITE, icon['src'])) as image:
                            self.assertEqual(image.size, (width, height), icon['src'])
                installable = self.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
                self.assertEqual(installable['installabilityErrors'], [])


class SizeAndSpeed(unittest.TestCase):
    def test_every_page_is_small_and_paints_at_once(self):
        """Each page opened in a browser that has not seen the site: nothing comes from a cache."""
        report = []
        with Site(SITE) as site:
            for folder, *_ in programs():
                size = 0
                for suffix in ('.html', '.js', '.wasm'):
                    with open(os.path.join(SITE, folder + suffix), 'rb') as f:
                        size += len(gzip.compress(f.read(), 9))
                profile = tempfile.mkdtemp(prefix='svetlo-web-')
                driver = browser(profile)
                try:
                    driver.get(site.url + folder + '.html')
                    paint, shown = WebDriverWait(driver, 20, poll_frequency=0.05).until(lambda d: d.execute_script(
                        "const p = performance.getEntriesByName('first-contentful-paint')[0];"
                        "const w = performance.getEntriesByName('window-shown')[0];"
                        "return p && w ? [p.startTime, w.startTime] : null"))
                finally:
                    driver.quit()
                    shutil.rmtree(profile, ignore_errors=True)
                report.append('%s: html, js and wasm %.0f KB compressed; first paint %.0f ms, window made %.0f ms'
                              % (folder, size / 1024, paint, shown))
                self.assertLess(size, 400 * 1024, folder)
        print('\n' + '\n'.join(report), file=sys.stderr)


if __name__ == '__main__':
    unittest.main(argv=[sys.argv[0], '-v'] + [a for a in sys.argv[1:] if a not in FOLDERS])
