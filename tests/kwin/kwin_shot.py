"""One output of a KWin as a PPM picture on standard output, in the output's own pixels:
KWin's ScreenShot2 (which KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 opens to any client) writes
the raw pixels into a pipe and answers with their shape.
Usage: kwin_shot.py OUTPUT          the picture
       kwin_shot.py --lit OUTPUT    only how many of its colour values are above 0: none when all
                                    is black (the bench's sign that a program shows)"""
import os
import sys

import dbus

FORMATS_BGRA = {4, 5, 6}  # QImage's RGB32, ARGB32, ARGB32_Premultiplied: B G R A in memory


def main():
    screenshot = dbus.Interface(
        dbus.SessionBus().get_object("org.kde.KWin.ScreenShot2", "/org/kde/KWin/ScreenShot2"),
        "org.kde.KWin.ScreenShot2")
    lit = sys.argv[1] == "--lit"
    reading, writing = os.pipe()
    shape = screenshot.CaptureScreen(sys.argv[-1], {"native-resolution": True},
                                     dbus.types.UnixFd(writing))
    os.close(writing)
    with os.fdopen(reading, "rb") as pipe:
        raw = pipe.read()
    width, height, stride = int(shape["width"]), int(shape["height"]), int(shape["stride"])
    if int(shape["format"]) not in FORMATS_BGRA or len(raw) < stride * height:
        sys.exit(f"kwin_shot: {len(raw)} bytes of format {int(shape['format'])} for {width}x{height}")
    if lit:
        print(sum(len(raw[c::4]) - raw[c::4].count(0) for c in range(3)))
        return
    rows = b"".join(raw[y * stride:y * stride + width * 4] for y in range(height))
    rgb = bytearray(width * height * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = rows[2::4], rows[1::4], rows[0::4]
    sys.stdout.buffer.write(b"P6 %d %d 255\n" % (width, height) + rgb)


main()
