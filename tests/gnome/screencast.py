#!/usr/bin/python3
"""Writes one frame of a monitor as a PNG on standard output, as GNOME's screen recording gets
it: mutter's ScreenCast records the monitor into a PipeWire stream, and GStreamer's
pipewiresrc takes a frame of it. screencast.py CONNECTOR (Meta-0, Meta-1, ...)"""
import glob
import os
import subprocess
import sys
import tempfile

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.gnome.Mutter.ScreenCast"
DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
cast = dbus.Interface(bus.get_object(NAME, "/org/gnome/Mutter/ScreenCast"), NAME)
session_path = cast.CreateSession(dbus.Dictionary({}, signature="sv"))
session = dbus.Interface(bus.get_object(NAME, session_path), NAME + ".Session")
stream_path = session.RecordMonitor(sys.argv[1], dbus.Dictionary({}, signature="sv"))
stream = bus.get_object(NAME, stream_path)
loop = GLib.MainLoop()
nodes = []
stream.connect_to_signal("PipeWireStreamAdded", lambda node: (nodes.append(node), loop.quit()),
                         dbus_interface=NAME + ".Stream")
session.Start()
GLib.timeout_add_seconds(10, loop.quit)
loop.run()
if not nodes:
    sys.exit("screencast.py: no stream of " + sys.argv[1])
# The first buffers of a new stream may come before the monitor's picture: the last is kept.
# A monitor where nothing moves sends its picture once, so the wait for more is short.
with tempfile.TemporaryDirectory(dir=os.environ.get("XDG_RUNTIME_DIR")) as folder:
    pipeline = ["gst-launch-1.0", "-q", "pipewiresrc", f"path={nodes[0]}", "num-buffers=3", "!",
                "videoconvert", "!", "pngenc", "snapshot=false", "!", "multifilesink",
                f"location={folder}/%d.png"]
    with subprocess.Popen(pipeline) as gst:
        try:
            rc = gst.wait(timeout=4)
        except subprocess.TimeoutExpired:
            gst.terminate()
            gst.wait()
            rc = 0
    session.Stop()
    frames = sorted(glob.glob(folder + "/*.png"), key=lambda f: int(os.path.basename(f)[:-4]))
    if rc != 0 or not frames:
        sys.exit(f"screencast.py: gst-launch-1.0 ended with {rc}, {len(frames)} frames")
    with open(frames[-1], "rb") as frame:
        sys.stdout.buffer.write(frame.read())
