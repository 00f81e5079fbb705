#!/usr/bin/python3
"""Input as a user at the machine makes it, through mutter's RemoteDesktop, in the order given:
remote_input.py key CODE | move DX DY ...  (evdev key codes, pressed and released; relative
pointer motion in logical pixels). The first key of a new session is lost, so a Shift goes
first."""
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
