#!/usr/bin/env python3
"""The location agent of the GeoClue tests: registers with GeoClue on the bus at argv[1]
and grants or denies (argv[2] is "grant" or "deny") every application. Prints READY once
GeoClue has taken it, and stops when its standard input closes."""
import sys

import dbus
import dbus.bus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

AGENT = "org.freedesktop.GeoClue2.Agent"
EXACT = 8

address, mode = sys.argv[1], sys.argv[2]
grant = mode == "grant"
DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(address)
loop = GLib.MainLoop()


class Agent(dbus.service.Object):
    @dbus.service.method(AGENT, in_signature="su", out_signature="bu")
    def AuthorizeApp(self, desktop_id, level):
        return grant, dbus.UInt32(level if grant else 0)

    # GeoClue applies the agent's limit to applications it does not ask about; 0 refuses.
    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(EXACT if grant else 0)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"MaxAccuracyLevel": dbus.UInt32(EXACT if grant else 0)}


agent = Agent(bus, "/org/freedesktop/GeoClue2/Agent")


def added():
    print("READY", flush=True)


def failed(error):
    print("FAILED %s" % error, flush=True)
    loop.quit()


# GeoClue reads the agent's properties before AddAgent returns, so the call must not block
# this loop.
manager = bus.get_object("org.freedesktop.GeoClue2", "/org/freedesktop/GeoClue2/Manager")
dbus.Interface(manager, "org.freedesktop.GeoClue2.Manager").AddAgent(
    "quorvel-test-agent", reply_handler=added, error_handler=failed)
GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP, lambda *a: (loop.quit(), False)[1])
loop.run()
