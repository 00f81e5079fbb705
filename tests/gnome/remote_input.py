#!/usr/bin/python3
"""Input as a user at the machine makes it, through mutter's RemoteDesktop, in the order given:
remote_input.py key CODE | move DX DY ...  (evdev key codes, pressed and released; relative
pointer motion in logical pixels). A headless mutter's seat gets a keyboard at a remote
session's first key, which no client has taken up yet: a Shift goes first, and the clients are
given time to take the keyboard up before the keys that count."""
import sys
import time

import dbus

NAME = "org.gnome.Mutter.RemoteDesktop"
bus = dbus.SessionBus()
desktop = dbus.Interface(bus.get_object(NAME, "/org/gnome/Mutter/RemoteDesktop"), NAME)
session = dbus.Interface(bus.get_object(NAME, desktop.CreateSession()), NAME + ".Session")
session.Start()
session.NotifyKeyboardKeycode(dbus.UInt32(42), True)
session.NotifyKeyboardKeycode(dbus.UInt32(42), False)
time.sleep(0.5)
args = sys.argv[1:]
while args:
    if args[0] == "key":
        session.NotifyKeyboardKeycode(dbus.UInt32(int(args[1])), True)
        session.NotifyKeyboardKeycode(dbus.UInt32(int(args[1])), False)
        args = args[2:]
    elif args[0] == "move":
        session.NotifyPointerMotionRelative(float(args[1]), float(args[2]))
        args = args[3:]
    else:
        sys.exit("remote_input.py: key CODE | move DX DY ...")
    time.sleep(0.05)
# A session stopped at once may take its last events with it before they are delivered.
time.sleep(0.3)
session.Stop()
