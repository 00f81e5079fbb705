#!/usr/bin/python3
"""Turns mutter's monitors on and off as GNOME's display settings do, through DisplayConfig:
monitors.py CONNECTOR...  keeps those monitors on, side by side in the order given, at their
current modes, and turns every other one off."""
import sys

import dbus

NAME = "org.gnome.Mutter.DisplayConfig"
config = dbus.Interface(dbus.SessionBus().get_object(NAME, "/org/gnome/Mutter/DisplayConfig"), NAME)
serial, monitors, _, _ = config.GetCurrentState()
modes = {}
for (connector, _, _, _), monitor_modes, _ in monitors:
    for mode_id, width, _, _, _, _, props in monitor_modes:
        if props.get("is-current", False) or connector not in modes:
            modes[connector] = (mode_id, width)
logical, x = [], 0
for connector in sys.argv[1:]:
    mode_id, width = modes[connector]
    logical.append(dbus.Struct((dbus.Int32(x), dbus.Int32(0), dbus.Double(1.0), dbus.UInt32(0),
                                dbus.Boolean(x == 0),
                                [dbus.Struct((connector, mode_id, dbus.Dictionary({}, signature="sv")))]),
                               signature=None))
    x += width
# Method 1: for now, as a user trying a layout, without a confirmation dialog to answer.
config.ApplyMonitorsConfig(serial, dbus.UInt32(1), logical, dbus.Dictionary({}, signature="sv"))
