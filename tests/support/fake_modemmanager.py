#!/usr/bin/python3
"""A stand-in for ModemManager on a private bus, for the tests.

Usage: fake_modemmanager.py BUS_ADDRESS MODE RECORD_FILE

MODE: "ok" (messages are sent), "fail-create" (Create fails), "fail-send" (Send fails),
"no-modem" (no modem with the Messaging interface), "stuck" (Send returns but the message
never reaches the sent state). Every call is appended to RECORD_FILE as one JSON line.
Prints READY once it owns its name.
"""
import json
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

MM = "org.freedesktop.ModemManager1"
MESSAGING = MM + ".Modem.Messaging"
SMS = MM + ".Sms"
PROPS = "org.freedesktop.DBus.Properties"
MODEM_PATH = "/org/freedesktop/ModemManager1/Modem/0"
STATE_STORED, STATE_SENT = 1, 5


def record(entry):
    with open(RECORD, "a", encoding="utf-8") as f:
        f.write(json.dumps(entry) + "\n")


class Manager(dbus.service.Object):
    @dbus.service.method("org.freedesktop.DBus.ObjectManager", out_signature="a{oa{sa{sv}}}")
    def GetManagedObjects(self):
        if MODE == "no-modem":
            return dbus.Dictionary({MODEM_PATH: {MM + ".Modem": {"Manufacturer": "Test"}}}, signature="oa{sa{sv}}")
        return dbus.Dictionary({MODEM_PATH: {
            MM + ".Modem": {"Manufacturer": "Test"},
            MESSAGING: {"Messages": dbus.Array([], signature="o")},
        }}, signature="oa{sa{sv}}")


class Sms(dbus.service.Object):
    def __init__(self, bus, path, props):
        super().__init__(bus, path)
        self.state = STATE_STORED
        self.props = props

    @dbus.service.method(SMS)
    def Send(self):
        record({"call": "Send", "path": str(self._object_path)})
        if MODE == "fail-send":
            raise dbus.exceptions.DBusException("No network", name=MM + ".Error.Core.Failed")
        if MODE != "stuck":
            self.state = STATE_SENT

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SMS and name == "State":
            return dbus.UInt32(self.state)
        if interface == SMS and name in ("Number", "Text"):
            return dbus.String(self.props.get(name.lower(), ""))
        raise dbus.exceptions.DBusException("No such property", name="org.freedesktop.DBus.Error.InvalidArgs")


class Modem(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.count = 0
        self.messages = []

    @dbus.service.method(MESSAGING, in_signature="a{sv}", out_signature="o")
    def Create(self, properties):
        props = {str(k): str(v) for k, v in properties.items()}
        record({"call": "Create", "properties": props})
        if MODE == "fail-create":
            raise dbus.exceptions.DBusException("Cannot store the message", name=MM + ".Error.Core.Failed")
        self.count += 1
        path = "/org/freedesktop/ModemManager1/SMS/%d" % self.count
        self.messages.append(Sms(self.connection, path, props))
        return dbus.ObjectPath(path)

    @dbus.service.method(MESSAGING, in_signature="o")
    def Delete(self, path):
        record({"call": "Delete", "path": str(path)})


def main():
    global MODE, RECORD
    address, MODE, RECORD = sys.argv[1], sys.argv[2], sys.argv[3]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    keep = [Manager(bus, "/org/freedesktop/ModemManager1")]
    if MODE != "no-modem":
        keep.append(Modem(bus, MODEM_PATH))
    name = dbus.service.BusName(MM, bus)
    print("READY", flush=True)
    loop = GLib.MainLoop()
    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_HUP | GLib.IO_IN, lambda *a: loop.quit() or False)
    loop.run()
    del keep, name


if __name__ == "__main__":
    main()
