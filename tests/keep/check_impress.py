#!/usr/bin/python3
"""Whether LibreOffice Impress takes a saved animation as one: Impress, headless, loads
the GIF as a graphic (animated, at its size) and puts it on a slide of a new presentation,
which it writes with the GIF's own bytes inside. Needs libreoffice-impress and
python3-uno, which the test command does not install; exit 0 when all holds.

    check_impress.py ANIMATION.gif
"""
import hashlib
import os
import subprocess
import sys
import tempfile
import time
import zipfile

import uno
from com.sun.star.beans import PropertyValue


def connect(pipe):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext('com.sun.star.bridge.UnoUrlResolver', local)
    deadline = time.monotonic() + 60
    while True:
        try:
            return resolver.resolve('uno:pipe,name=%s;urp;StarOffice.ComponentContext' % pipe)
        except Exception:
            if time.monotonic() > deadline:
                raise
            time.sleep(0.2)


def main():
    gif = os.path.abspath(sys.argv[1])
    with open(gif, 'rb') as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    folder = tempfile.mkdtemp(prefix='svetlo-impress-')
    pipe = 'svetlo%d' % os.getpid()
    office = subprocess.Popen(['soffice', '--headless', '--invisible', '--norestore',
                               '-env:UserInstallation=' + uno.systemPathToFileUrl(folder),
                               '--accept=pipe,name=%s;urp;' % pipe], stderr=subprocess.DEVNULL)
    problems = []
    try:
        ctx = connect(pipe)
        graphics = ctx.ServiceManager.createInstanceWithContext('com.sun.star.graphic.GraphicProvider', ctx)
        source = (PropertyValue(Name='URL', Value=uno.systemPathToFileUrl(gif)),)
        graphic = graphics.queryGraphic(source)
        if not graphic.getPropertyValue('Animated'):
            problems.append('not taken as an animation')
        desktop = ctx.ServiceManager.createInstanceWithContext('com.sun.star.frame.Desktop', ctx)
        show = desktop.loadComponentFromURL('private:factory/simpress', '_blank', 0,
                                            (PropertyValue(Name='Hidden', Value=True),))
        shape = show.createInstance('com.sun.star.drawing.GraphicObjectShape')
        show.DrawPages.getByIndex(0).add(shape)
        shape.Graphic = graphic
        written = os.path.join(folder, 'show.odp')
        show.storeToURL(uno.systemPathToFileUrl(written), (PropertyValue(Name='FilterName', Value='impress8'),))
        show.close(True)
        with zipfile.ZipFile(written) as z:
            inside = [hashlib.sha256(z.read(n)).hexdigest() for n in z.namelist() if n.startswith('Pictures/')]
        if digest not in inside:
            problems.append('the presentation does not hold the animation as it is')
        desktop.terminate()
    finally:
        try:
            office.wait(timeout=30)
        except subprocess.TimeoutExpired:
            office.kill()
    print('; '.join(problems) or 'ok: Impress takes it as an animation and keeps it whole on a slide')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
