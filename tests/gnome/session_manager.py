#!/usr/bin/python3
"""A stand-in for GNOME's session manager, as far as idle inhibitors go: owns
org.gnome.SessionManager and answers Inhibit, Uninhibit and IsInhibited, with the
InhibitorAdded and InhibitorRemoved signals; and Setenv, by which mutter hands the session its
X display: each call is printed as NAME=VALUE. Prints "ready" once it owns the name."""
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.gnome.SessionManager"


class SessionManager(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/gnome/SessionManager")
        self.inhibitors = {}
        self.next = 1

    @dbus.service.method(NAME, in_signature="susu", out_signature="u")
    def Inhibit(self, app_id, xid, reason, flags):
        cookie = self.next
        self.next += 1
        self.inhibitors[cookie] = flags
        self.InhibitorAdded(dbus.ObjectPath(f"/org/gnome/SessionManager/Inhibitor{cookie}"))
        return cookie

    @dbus.service.method(NAME, in_signature="u")
    def Uninhibit(self, cookie):
        if self.inhibitors.pop(cookie, None) is not None:
            self.InhibitorRemoved(dbus.ObjectPath(f"/org/gnome/SessionManager/Inhibitor{cookie}"))

    @dbus.service.method(NAME, in_signature="ss")
    def Setenv(self, name, value):
        print(f"{name}={value}", flush=True)

    @dbus.service.method(NAME, in_signature="u", out_signature="b")
    def IsInhibited(self, flags):
        return any(f & flags for f in self.inhibitors.values())

    @dbus.service.signal(NAME, signature="o")
    def InhibitorAdded(self, path):
        pass

    @dbus.service.signal(NAME, signature="o")
    def InhibitorRemoved(self, path):
        pass


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
manager = SessionManager(bus)
name = dbus.service.BusName(NAME, bus)
print("ready", flush=True)
GLib.MainLoop().run()
