"""What the browser tests share: the suite's list, the site served on the loopback, and
headless Chromium."""
import http.server
import os
import socketserver
import sys
import threading
from functools import partial

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
VIEWPORT = (800, 600)


def programs():
    """The suite's programs, in the launcher's order: the fields of programs.list."""
    with open(os.path.join(ROOT, 'programs.list'), encoding='utf-8') as f:
        return [line.split('|') for line in f.read().splitlines() if line and not line.startswith('#')]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that drops a connection it no longer needs is no fault of the site's.
        if not isinstance(sys.exc_info()[1], (BrokenPipeError, ConnectionResetError)):
            super().handle_error(request, client_address)


class Site:
    """The site in a folder, served on a free port of the loopback by a thread of this process."""

    def __init__(self, directory):
        self.directory = directory

    def __enter__(self):
        handler = partial(QuietHandler, directory=self.directory)
        self.server = Server(('127.0.0.1', 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]
        return self

    def __exit__(self, *exc):
        self.server.shutdown()
        self.server.server_close()


def browser(profile, pixel_ratio=1, console=False):
    """Headless Chromium with its profile in a folder, its page's viewport 800 x 600; with
    console, what the pages write to their consoles is kept for get_log('browser')."""
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for a in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
              '--disable-background-networking', '--disable-component-update', '--disable-sync',
              '--force-device-scale-factor=%g' % pixel_ratio, '--user-data-dir=' + profile):
        options.add_argument(a)
    if console:
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    # The window that gives the page a viewport of 800 x 600.
    driver.set_window_size(*VIEWPORT)
    inner = driver.execute_script('return [innerWidth, innerHeight]')
    driver.set_window_size(2 * VIEWPORT[0] - inner[0], 2 * VIEWPORT[1] - inner[1])
    return driver
