#!/usr/bin/env python3
"""Every screen of the application as a screen reader meets it over AT-SPI.

Runs the application under a virtual display with a private session bus and accessibility
bus, walks the tree of each screen and fails on a shown control without a role or a name, on
a list without items and on an alert or action sheet that is not announced. It also drives one
journey through accessibility actions alone: open the templates tab, select the second
template, use it, and find it in the report screen's message.

    tst_atspi.py PROGRAM [--dump]     (--dump prints each screen's tree)
"""

import re
import sys
import time
import os

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_session as s  # noqa: E402

LONG_TEMPLATE = ("I am at [] near {}. " + "A very long template line that goes on and on. " * 2200)[:100_000]
TEMPLATES = [
    "First: I am at [] near {}.",
    "Second: pick me up at [] ({}), please.",
    LONG_TEMPLATE,
    "[]{}[]{}[][]{}{}",
]
LIST_HINT = "Enter opens the selected template; Delete asks for confirmation before removing it."
# Longer names would be read out for minutes and sent whole over the bus at every query.
NAME_LIMIT = 300

failures = []
dumping = False


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def screen(title, root):
    found = s.problems(root)
    for p in found:
        check(False, f"{title}: {p}")
    if dumping:
        print(f"\n=== {title} ===\n{s.dump(root)}", flush=True)


def placeholders_emptied(text):
    return re.sub(r"\{[^}\n]*\}", "{}", re.sub(r"\[[^\]\n]*\]", "[]", text))


class Announcements:
    """Remembers every object that became shown or took the focus, with its role, name and
    description at that moment: what a screen reader would read out."""

    EVENTS = ("object:state-changed:showing", "object:state-changed:focused")

    def __init__(self):
        A = s.atspi()
        self.seen = []
        self.listener = A.EventListener.new(self._on_event)
        for e in self.EVENTS:
            self.listener.register(e)

    def _on_event(self, event):
        try:
            if event.detail1 == 1 and event.source is not None:
                src = event.source
                kind = "focus" if event.type.endswith("focused") else "shown"
                self.seen.append((kind, src.get_role_name(), src.get_name(), src.get_description()))
        except Exception:
            pass

    def alerts(self):
        return [entry[1:] for entry in self.seen if entry[0] == "shown" and entry[1] == "alert"]

    def notifications(self):
        """The names of the notifications that appeared: a screen reader speaks each."""
        return [entry[2] for entry in self.seen if entry[0] == "shown" and entry[1] == "notification"]

    def focused(self):
        return [entry[1:3] for entry in self.seen if entry[0] == "focus"]

    def close(self):
        for e in self.EVENTS:
            self.listener.deregister(e)


def press_to_dismiss(root, alert, button):
    """Presses one of an alert's buttons through its action; the alert must then go."""
    found = s.find(alert, "push button", button)
    if check(found is not None, f"the button {button!r} of {s.describe(alert)} is not reachable"):
        s.do_action(found, "Press")
        s.wait_for(f"{s.describe(alert)} gone", lambda: s.find(root, "alert") is None)


def press_tab(root, name):
    tab = s.wait_for(f"the tab {name!r}", lambda: s.find(root, "page tab", name))
    s.do_action(tab, "Press")
    s.wait_for(f"the tab {name!r} selected", lambda: "selected" in s.states(tab))
    others = [t for t in s.find_all(root, "page tab") if t.get_name() != name and "selected" in s.states(t)]
    check(not others, f"other tabs still selected besides {name!r}: {[t.get_name() for t in others]}")


def templates_journey(root, announcements):
    # The dialogs before took the activation with them; nobody gives it back without a
    # window manager.
    s.activate_window(root)
    press_tab(root, "Templates")
    listbox = s.wait_for("the template list", lambda: s.find(root, "list", "Templates"))
    items = s.wait_for("the template list's items",
                       lambda: [c for c in s.children(listbox) if c.get_role_name() == "list item"]
                       if listbox.get_child_count() == len(TEMPLATES) else None)
    screen("templates", root)
    check(listbox.get_description() == LIST_HINT, f"the template list is described as {listbox.get_description()!r}")
    check(s.find(root, "push button", "New template") is not None, "no 'New template' button")
    check(len(items) == len(TEMPLATES), f"template list has {len(items)} items, not {len(TEMPLATES)}")
    for i, item in enumerate(items):
        name = item.get_name() or ""
        check(name.strip() != "", f"template {i + 1} has no name")
        check(len(name) <= NAME_LIMIT, f"template {i + 1}'s name is {len(name)} characters long")
        check(" ".join(TEMPLATES[i].split()).startswith(name.rstrip("\u2026")),
              f"template {i + 1} is named {s.shorten(name)!r}, not after its text")
        for action in ("select", "open", "delete"):
            check(action in s.actions(item), f"template {i + 1} offers no {action!r} action: {s.actions(item)}")
        check("selectable" in s.states(item), f"template {i + 1} is not selectable")
    check("selected" in s.states(items[0]), "the stored selected template (the first) is not marked selected")

    # From the keyboard: focus on the list lands on the selected row, and Down moves it on.
    s.do_action(listbox, "SetFocus")
    try:
        s.wait_for("the first template announced as focused",
                   lambda: ("list item", items[0].get_name()) in announcements.focused(), 10)
    except AssertionError:
        print("focus went to:", announcements.focused(), "list states:", s.states(listbox),
              "window states:", s.states(root.get_child_at_index(0)))
        raise
    A = s.atspi()
    A.generate_keyboard_event(0xFF54, None, A.KeySynthType.SYM)  # Down
    s.wait_for("the second template announced as focused after Down",
               lambda: ("list item", items[1].get_name()) in announcements.focused(), 10)
    check("focused" in s.states(items[1]), "the second template is not focused after Down")

    # Delete only brings out the row's Delete button; pressing that deletes.
    s.do_action(items[3], "delete")
    confirm = s.wait_for("the Delete button of the last template", lambda: s.find(items[3], "push button", "Delete"))
    check(len([c for c in s.children(listbox) if c.get_role_name() == "list item"]) == len(TEMPLATES),
          "asking to delete already deleted")
    s.do_action(confirm, "Press")
    s.wait_for("the last template gone", lambda: listbox.get_child_count() == len(TEMPLATES) - 1)

    s.do_action(items[1], "select")
    s.wait_for("the second template selected", lambda: "selected" in s.states(items[1]))
    check("selected" not in s.states(items[0]), "the first template is still selected after selecting the second")

    s.do_action(items[1], "open")
    editor = s.wait_for("the template editor", lambda: s.find(root, "text", "Template text"))
    s.wait_for("the editor holding the second template", lambda: s.text_of(editor) == TEMPLATES[1])
    screen("template editor", root)
    use = s.find(root, "push button", "Use template")
    check(use is not None, "the editor has no 'Use template' button")
    s.do_action(use, "Press")

    message = s.wait_for("the report screen's message", lambda: s.find(root, "text", "Message"))
    s.wait_for("the message holding the second template",
               lambda: placeholders_emptied(s.text_of(message) or "") == placeholders_emptied(TEMPLATES[1]), 20)
    position = s.find(root, "page tab", "Position")
    check(position is not None and "selected" in s.states(position), "the report tab is not the selected one after use")


def report_screen(root, announcements):
    screen("report", root)
    segments = [acc for _, acc in s.walk(root) if acc.get_parent() is not None
                and acc.get_parent().get_name() == "Message type"]
    check(len(segments) == 2 and all(seg.get_role_name() == "radio button" for seg in segments),
          "the message type segments are not radio buttons: "
          + ", ".join(s.describe(seg) for seg in segments))
    checked = [seg for seg in segments if "checked" in s.states(seg)]
    check(len(checked) == 1, f"{len(checked)} message types are checked, not one")
    if len(segments) == 2:
        s.do_action(segments[1], "Press")
        s.wait_for("e-mail checked", lambda: "checked" in s.states(segments[1]))
        check("checked" not in s.states(segments[0]), "SMS stays checked after choosing e-mail")
        s.do_action(segments[0], "Press")
        s.wait_for("SMS checked again", lambda: "checked" in s.states(segments[0]))

    before = len(announcements.alerts())
    s.do_action(s.find(root, "push button", "Coordinate format"), "Press")
    sheet = s.wait_for("the format action sheet", lambda: s.find(root, "alert"))
    s.wait_for("the action sheet announced", lambda: len(announcements.alerts()) > before, 10)
    check(sheet.get_name() == "Choose a coordinate format", f"the action sheet is named {sheet.get_name()!r}")
    screen("report with the format action sheet", root)
    press_to_dismiss(root, sheet, "WGS84")


def picker_and_composer(root, announcements):
    """The contact picker and the e-mail composer, reached from the report screen."""
    segments = [c for c in s.children(s.find(root, "filler", "Message type")) if c.get_role_name() == "radio button"]
    s.do_action(segments[1], "Press")
    s.wait_for("e-mail chosen", lambda: "checked" in s.states(segments[1]))
    s.do_action(s.find(root, "push button", "Pick a contact"), "Press")
    picker = s.wait_for("the contact picker", lambda: s.find(root, "dialog", "Contacts"))
    people = s.wait_for("the people in the picker", lambda: s.find(picker, "list", "People"))
    screen("contact picker", root)
    person = s.find(people, "list item", "Jana Nováková")
    if not check(person is not None, "the picker does not list Jana Nováková"):
        return
    search = s.find(picker, "text", "Search contacts")
    s.wait_for("the search field focused", lambda: "focused" in s.states(search), 10)
    check("jana@example.org" in (person.get_description() or ""),
          f"Jana Nováková is described as {person.get_description()!r}, without her address")
    # The action a screen reader offers on a list item picks the person, as a touch does.
    s.do_action(person, "Press")
    recipient = s.find(root, "text", "Recipient")
    s.wait_for("the picked address in the recipient field", lambda: s.text_of(recipient) == "jana@example.org")
    # From the keyboard alone: Return in the search field takes the first person listed.
    s.set_text(recipient, "")
    s.do_action(s.find(root, "push button", "Pick a contact"), "Press")
    picker = s.wait_for("the contact picker again", lambda: s.find(root, "dialog", "Contacts"))
    s.wait_for("Jana listed again", lambda: s.find(picker, "list item", "Jana Nováková"))
    search = s.find(picker, "text", "Search contacts")
    s.wait_for("the search field focused", lambda: "focused" in s.states(search), 10)
    A = s.atspi()
    A.generate_keyboard_event(0xFF0D, None, A.KeySynthType.SYM)  # Return
    s.wait_for("the address picked by Return", lambda: s.text_of(recipient) == "jana@example.org")
    send = s.find(root, "push button", "Send")
    s.wait_for("Send enabled", lambda: "sensitive" in s.states(send), 10)
    s.do_action(send, "Press")
    # With no source set the position is the demo walk, so sending asks first; the question
    # must be read out like any alert, and its buttons reached.
    asked = s.wait_for("the e-mail composer or the demo question",
                       lambda: s.find(root, "dialog", "New E-mail") or s.find(root, "alert", "Send a demo position?"))
    if asked.get_role_name() == "alert":
        s.do_action(s.find(asked, "push button", "Send the demo"), "Press")
    composer = s.wait_for("the e-mail composer", lambda: s.find(root, "dialog", "New E-mail"))
    screen("e-mail composer", root)
    before = len(announcements.alerts())
    s.do_action(s.find(composer, "push button", "Cancel"), "Press")
    s.wait_for("the cancel alert announced", lambda: len(announcements.alerts()) > before, 15)
    role, name, desc = announcements.alerts()[-1]
    check(desc == "Sending the e-mail was cancelled.", f"the cancel alert's description is {desc!r}")
    alert = s.find(root, "alert")
    if check(alert is not None, "the cancel alert is not in the tree"):
        press_to_dismiss(root, alert, "OK")
    s.do_action(segments[0], "Press")


def map_screen(root):
    press_tab(root, "Map")
    themap = s.wait_for("the map", lambda: s.find(root, "image", "Map"))
    pin = s.wait_for("a pin on the map", lambda: s.find(themap, "push button"), 30)
    desc = themap.get_description() or ""
    check("N" in desc and "E" in desc, f"the map's description gives no position: {desc!r}")
    check("Prague" in desc or "Praha" in desc or "near" in desc.lower(), f"the map's description names no place: {desc!r}")
    screen("map", root)
    check(pin.get_name() == "Where am I?", f"a pin is named {pin.get_name()!r}")


def about_screen(root):
    press_tab(root, "About")
    s.wait_for("the about screen", lambda: s.find(root, "push button", "Open the product page"))
    screen("about", root)
    s.do_action(s.find(root, "push button", "Device settings"), "Press")
    dialog = s.wait_for("the device settings dialog", lambda: s.find(root, "dialog", "Device settings"))
    s.do_action(s.find(dialog, "push button", "Cancel"), "Press")
    s.wait_for("the device settings dialog closed", lambda: s.find(root, "dialog", "Device settings") is None)


# Every optional row of the dialog shown: a network position source, a modem, an SMTP account
# and a contacts folder.
SETTINGS_INI = ("[location]\nsource=gpsd:localhost:2947\n[sms]\nsender=modemmanager\n"
                "[mail]\ntransport=smtp\nserver=mail.example.org\nport=587\nfrom=jana@example.org\n"
                "[contacts]\nuse-folder=true\n")
PORT_PROBLEM = "A port is a number from 1 to 65535."
HOST_PROBLEM = "A host name cannot hold spaces"
NO_HOST_PROBLEM = "Enter a host name or address."
FIELD_ROLES = ("text", "password text", "combo box")


def labels_of(acc):
    """The labels a screen reader reads out with a field: its labelled-by targets."""
    A = s.atspi()
    out = []
    for relation in acc.get_relation_set():
        if relation.get_relation_type() == A.RelationType.LABELLED_BY:
            out += [relation.get_target(i) for i in range(relation.get_n_targets())]
    return out


def settings_sections(dialog):
    tabs = s.find_all(dialog, "page tab")
    check([t.get_name() for t in tabs] == ["Location", "Text messages", "E-mail", "Contacts", "Map"],
          f"the settings sections are {[t.get_name() for t in tabs]}")
    for tab in tabs:
        s.do_action(tab, "Press")
        s.wait_for(f"the section {tab.get_name()!r} shown", lambda: "selected" in s.states(tab))
        s.pump(0.3)
        screen(f"settings: {tab.get_name()}", dialog)
        for _, field in s.walk(dialog):
            if field.get_role_name() not in FIELD_ROLES:
                continue
            labels = [lab.get_name() or "" for lab in labels_of(field)]
            if not check(labels and all(lab.strip() for lab in labels),
                         f"settings: {s.describe(field)} is tied to no label ({labels})"):
                continue
            # A combo box is called by its value; the label is what says what it is.
            if field.get_role_name() != "combo box":
                check(labels[0] in (field.get_name() or ""),
                      f"settings: {s.describe(field)} does not carry its label {labels[0]!r}")


def settings_problem_announced(dialog, announcements):
    """Typing a bad value: the problem is spoken as it appears, while the field keeps the focus."""
    s.do_action(s.find(dialog, "page tab", "Location"), "Press")
    port = s.wait_for("the port field", lambda: s.find(dialog, "text", "Port"))
    host = s.find(dialog, "text", "Host")
    save = s.find(dialog, "push button", "Save")
    check("sensitive" in s.states(save), "Save is not offered before anything is wrong")

    def typed(field, text, problem):
        s.do_action(field, "SetFocus")
        s.wait_for(f"{s.describe(field)} focused", lambda: "focused" in s.states(field), 10)
        before = len(announcements.notifications())
        s.set_text(field, text)
        if problem is None:
            s.wait_for(f"no problem left after {text!r}", lambda: not field.get_description(), 10)
            return
        said = s.wait_for(f"the problem with {text!r} announced",
                          lambda: [n for n in announcements.notifications()[before:] if n.startswith(problem)], 10)
        check("focused" in s.states(field), f"{s.describe(field)} lost the focus to its problem")
        check((field.get_description() or "").startswith(problem),
              f"{s.describe(field)} is described as {field.get_description()!r}, not by its problem")
        shown = s.find(dialog, "notification", said[0])
        check(shown is not None, f"the problem {said[0]!r} is not reachable in the dialog")
        check("sensitive" not in s.states(save), f"Save is offered with {text!r} in {s.describe(field)}")

    typed(port, "70000", PORT_PROBLEM)
    typed(port, "2947", None)
    # A problem that changes while shown is spoken again.
    typed(host, "my host", HOST_PROBLEM)
    typed(host, "", NO_HOST_PROBLEM)
    typed(host, "localhost", None)
    s.wait_for("Save offered again", lambda: "sensitive" in s.states(save), 10)
    check(s.find(dialog, "notification") is None, "a problem is still shown with every field right")


def settings_dialog(session, program):
    """The device settings dialog as opened by --settings, every section walked."""
    session.write_config("quorvel/device.ini", SETTINGS_INI)
    announcements = Announcements()
    app = session.start_app(program, ["--settings"])
    try:
        root = s.find_app(app)
        dialog = s.wait_for("the device settings dialog", lambda: s.find(root, "dialog", "Device settings"))
        # No position server listens there, so the report screen says so on its status line.
        status = s.wait_for("the position status line", lambda: s.find(root, "label", "Position status"))
        s.wait_for("the status line saying something", lambda: status.get_description(), 20)
        check("gpsd" in status.get_description(), f"the status line says {status.get_description()!r}")
        if dumping:
            print(f"\n=== report behind the settings (the status line) ===\n{s.dump(s.children(root)[0])}", flush=True)
        # The report screen's failure alert came up too; out of the way first.
        alert = s.find(root, "alert")
        if alert is not None:
            press_to_dismiss(root, alert, "OK")
        for title, step in (("settings sections", lambda: settings_sections(dialog)),
                            ("settings problem announced", lambda: settings_problem_announced(dialog, announcements))):
            try:
                step()
            except AssertionError as e:
                check(False, f"{title}: {e}")
                if dumping:
                    print(f"\n=== {title}, as found ===\n{s.dump(dialog)}", flush=True)
        s.do_action(s.find(dialog, "push button", "Cancel"), "Press")
        s.wait_for("the dialog closed", lambda: s.find(root, "dialog", "Device settings") is None)
    finally:
        announcements.close()
        session.stop(app)


def failed_position_alert(session, program):
    """A position source that cannot be opened shows an alert; it must be announced."""
    session.write_config("quorvel/device.ini", "[location]\nsource=replay:/nonexistent/track.nmea\n")
    announcements = Announcements()
    app = session.start_app(program)
    try:
        root = s.find_app(app)
        try:
            alert = s.wait_for("the position error alert", lambda: s.find(root, "alert"))
        except AssertionError:
            if dumping:
                print(f"\n=== position error alert, as found ===\n{s.dump(root)}", flush=True)
            raise
        s.wait_for("the alert announced", lambda: announcements.alerts(), 10)
        role, name, desc = announcements.alerts()[-1]
        check(name == "Error", f"the alert was announced as {name!r}")
        check(desc == "Your position could not be determined.", f"the alert's description is {desc!r}")
        screen("report with the position error alert", root)
        press_to_dismiss(root, alert, "OK")
    finally:
        announcements.close()
        session.stop(app)


def main():
    global dumping
    args = [a for a in sys.argv[1:] if a != "--dump"]
    dumping = "--dump" in sys.argv
    program = args[0]
    started = time.monotonic()
    with s.Session() as session:
        session.write_defaults({"TemplatesArray": TEMPLATES, "selectedTemplate": 0})
        # Mail goes to a sendmail that takes everything, and the picker has one person.
        session.write_config("quorvel/device.ini", "[mail]\ntransport=sendmail\nsendmail=/bin/true\n")
        session.write_data("quorvel/contacts/jana.vcf",
                           "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jana Nováková\r\nN:Nováková;Jana;;;\r\n"
                           "EMAIL:jana@example.org\r\nTEL:+420 601 234 567\r\nEND:VCARD\r\n")
        app = session.start_app(program, ["--demo"])
        root = s.find_app(app)
        announcements = Announcements()
        s.wait_for("the report screen", lambda: s.find(root, "text", "Message"))
        s.activate_window(root)
        steps = [
            ("report screen", lambda: report_screen(root, announcements)),
            ("contact picker and e-mail composer", lambda: picker_and_composer(root, announcements)),
            ("templates journey", lambda: templates_journey(root, announcements)),
            ("map screen", lambda: map_screen(root)),
            ("about screen", lambda: about_screen(root)),
        ]
        for title, step in steps:
            try:
                step()
            except (AssertionError, s.SessionError) as e:
                check(False, f"{title}: {e}")
                if dumping:
                    print(f"\n=== {title}, as found ===\n{s.dump(root)}", flush=True)
            except Exception as e:  # a bus error: the application may have stopped answering
                check(False, f"{title}: {type(e).__name__}: {e}")
                break
        announcements.close()
        session.stop(app)
        for title, run in (("position error alert", failed_position_alert), ("settings dialog", settings_dialog)):
            try:
                run(session, program)
            except AssertionError as e:
                check(False, f"{title}: {e}")
        if failures:
            print(session.app_logs())
    print(f"walked in {time.monotonic() - started:.1f} s", flush=True)
    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    print("all screens pass")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except s.SessionError as e:
        print("FAIL:", e)
        sys.exit(1)
