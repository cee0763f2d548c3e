#!/usr/bin/python3
"""A stand-in for the desktop's settings portal on a private bus, for the tests (the real
portal's backends need a desktop session to read from).

Usage: fake_settings_portal.py BUS_ADDRESS COLOR_SCHEME

Answers org.freedesktop.portal.Settings.Read for org.freedesktop.appearance color-scheme
with COLOR_SCHEME (as portals before version 2 do, wrapped twice). Prints READY once it owns
its name. Each line "set N" on standard input changes the value and emits SettingChanged.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"
APPEARANCE = "org.freedesktop.appearance"


class Portal(dbus.service.Object):
    def __init__(self, bus, scheme):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.scheme = scheme

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, namespace, key):
        if namespace == APPEARANCE and key == "color-scheme":
            return dbus.UInt32(self.scheme, variant_level=1)
        raise dbus.exceptions.DBusException("Requested setting not found",
                                            name="org.freedesktop.portal.Error.NotFound")

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(sys.argv[1])
    portal = Portal(bus, int(sys.argv[2]))
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)

    def on_input(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        words = line.split()
        if len(words) == 2 and words[0] == "set":
            portal.scheme = int(words[1])
            portal.SettingChanged(APPEARANCE, "color-scheme", dbus.UInt32(portal.scheme, variant_level=1))
            print("SET", flush=True)
        return True

    loop = GLib.MainLoop()
    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_input)
    print("READY", flush=True)
    loop.run()
    del name


main()
