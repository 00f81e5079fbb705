#!/usr/bin/python3
"""Presses and releases each evdev key code given, through mutter's RemoteDesktop, as a user
at the keyboard would: remote_input.py CODE...  The first key of a new session is lost, so a
Shift goes first."""
import sys
import time

import dbus

bus = dbus.SessionBus()
desktop = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"),
                         "org.gnome.Mutter.RemoteDesktop")
path = desktop.CreateSession()
session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                         "org.gnome.Mutter.RemoteDesktop.Session")
session.Start()
for code in [42] + [int(c) for c in sys.argv[1:]]:
    session.NotifyKeyboardKeycode(dbus.UInt32(code), True)
    session.NotifyKeyboardKeycode(dbus.UInt32(code), False)
    time.sleep(0.05)
session.Stop()
