#!/usr/bin/python3
"""A stand-in for ModemManager on a private bus, for the tests.

Usage: fake_modemmanager.py BUS_ADDRESS MODE RECORD_FILE

MODE: "ok" (messages are sent), "fail-create" (Create fails), "fail-send" (Send fails),
"no-modem" (no modem with the Messaging interface), "stuck" (Send returns but the message
never reaches the sent state), "list-error" (the modem list is an error), "list-silent" (the
modem list never comes), "list-huge" (20,000 modems after the real one), "list-SIG" (the
modem list comes as D-Bus signature SIG: "a{sv}", "s", "a{oa{sv}}" or "" for nothing),
"create-wrong" (Create answers a string), "state-wrong" (the state is a string).
Every call is appended to RECORD_FILE as one JSON line.
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


WRONG_LISTS = {
    "list-a{sv}": lambda: (dbus.Dictionary({"Modems": dbus.String(MODEM_PATH)}, signature="sv"),),
    "list-s": lambda: (dbus.String(MODEM_PATH),),
    "list-a{oa{sv}}": lambda: (dbus.Dictionary({MODEM_PATH: {MESSAGING: dbus.String("x")}}, signature="oa{sv}"),),
    "list-": lambda: (),
}
PARKED = []


class Manager(dbus.service.Object):
    # No fixed out_signature: the wrong modes answer in other forms.
    @dbus.service.method("org.freedesktop.DBus.ObjectManager", async_callbacks=("reply", "error"))
    def GetManagedObjects(self, reply, error):
        if MODE == "list-silent":
            PARKED.append((reply, error))
            return
        if MODE == "list-error":
            error(dbus.exceptions.DBusException("Modem list unavailable", name=MM + ".Error.Core.Failed"))
            return
        if MODE in WRONG_LISTS:
            reply(*WRONG_LISTS[MODE]())
            return
        objects = {}
        if MODE == "no-modem":
            objects[MODEM_PATH] = {MM + ".Modem": {"Manufacturer": "Test"}}
        else:
            objects[MODEM_PATH] = {
                MM + ".Modem": {"Manufacturer": "Test"},
                MESSAGING: {"Messages": dbus.Array([], signature="o")},
            }
        if MODE == "list-huge":
            for i in range(20000):
                objects["/org/freedesktop/ModemManager1/Modem/x%d" % i] = {MESSAGING: {}}
        reply(dbus.Dictionary(objects, signature="oa{sa{sv}}"))


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
            return dbus.String("sent") if MODE == "state-wrong" else dbus.UInt32(self.state)
        if interface == SMS and name in ("Number", "Text"):
            return dbus.String(self.props.get(name.lower(), ""))
        raise dbus.exceptions.DBusException("No such property", name="org.freedesktop.DBus.Error.InvalidArgs")


class Modem(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.count = 0
        self.messages = []

    @dbus.service.method(MESSAGING, in_signature="a{sv}")
    def Create(self, properties):
        props = {str(k): str(v) for k, v in properties.items()}
        record({"call": "Create", "properties": props})
        if MODE == "fail-create":
            raise dbus.exceptions.DBusException("Cannot store the message", name=MM + ".Error.Core.Failed")
        self.count += 1
        path = "/org/freedesktop/ModemManager1/SMS/%d" % self.count
        self.messages.append(Sms(self.connection, path, props))
        return dbus.String(path) if MODE == "create-wrong" else dbus.ObjectPath(path)

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
