#!/usr/bin/python3
"""Decodes a saved picture with Pillow, independently of the program that wrote it, and
compares it with the pixels and texts the window had: exit 0 when all agree.

    check_png.py PICTURE.png PIXELS.rgb WIDTH HEIGHT DESCRIPTION LINK
"""
import sys

from PIL import Image


def main():
    png, raw, width, height, description, link = sys.argv[1:7]
    image = Image.open(png)
    image.load()
    problems = []
    if image.size != (int(width), int(height)):
        problems.append(f'size {image.size}, not {width}x{height}')
    with open(raw, 'rb') as f:
        if image.convert('RGB').tobytes() != f.read():
            problems.append('the pixels differ from the window as shown')
    texts = getattr(image, 'text', {})
    if texts.get('Description') != description:
        problems.append(f'Description is {texts.get("Description")!r}')
    if texts.get('URL') != link:
        problems.append(f'URL is {texts.get("URL")!r}')
    print('; '.join(problems) or 'ok')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
