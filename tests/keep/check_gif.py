#!/usr/bin/python3
"""Decodes a saved animation with Pillow, independently of the program that wrote it:
its last frame must be the picture the run left (PIXELS, raw RGB) and its frames' delays
must add up to the run's designed time within 5 %. Exit 0 when they do.

    check_gif.py ANIMATION.gif PIXELS.rgb WIDTH HEIGHT DESIGNED_SECONDS
"""
import sys

from PIL import Image


def main():
    gif, raw, width, height, designed = sys.argv[1:6]
    image = Image.open(gif)
    problems = []
    if image.size != (int(width), int(height)):
        problems.append(f'size {image.size}, not {width}x{height}')
    total = 0
    for n in range(image.n_frames):
        image.seek(n)
        total += image.info.get('duration', 0)
    last = image.convert('RGB').tobytes()
    with open(raw, 'rb') as f:
        if last != f.read():
            problems.append('the last frame is not the picture the run left')
    seconds = total / 1000
    if abs(seconds - float(designed)) > 0.05 * float(designed):
        problems.append(f'the frames last {seconds:.2f} s, the run {float(designed):.2f} s')
    print('; '.join(problems) or f'ok: {image.n_frames} frames, {seconds:.2f} s')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
