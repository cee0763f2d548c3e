#!/usr/bin/env python3
"""The application in a phone's session: phoc with a 720x1440 output at scale 2 (360x720
logical), the real squeekboard, the application on Wayland, looked at over AT-SPI.

- The keyboard comes up when the recipient field takes the focus, goes when the focus leaves
  text input, and stays away while the desktop's screen-keyboard setting is off.
- No two shown controls of the report screen overlap: in portrait, in portrait with the
  keyboard up, and in landscape (a 1440x720 output, 720x360 logical).

    tst_phone.py PROGRAM

Prints "overlaps: portrait=N keyboard=N landscape=N" and every overlapping pair. Each output
size is a session of its own, in a process of its own (the accessibility library stays with
the first bus it meets).
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phone_session as p  # noqa: E402
from phone_session import atspi_session as s  # noqa: E402
from tst_atspi import check, failures  # noqa: E402


def step(title, run):
    started = time.monotonic()
    try:
        run()
    except (AssertionError, s.SessionError) as e:
        check(False, f"{title}: {e}")
    print(f"{title}: {time.monotonic() - started:.1f} s", flush=True)


def window_size(window):
    box = window.get_extents(s.atspi().CoordType.WINDOW)
    return box.width, box.height


def settled(window, what, condition=lambda size: True):
    """Waits until the window has kept one size (that satisfies `condition`) for a moment:
    the compositor configures it, the keyboard takes its share."""
    last = [None, time.monotonic()]

    def probe():
        size = window_size(window)
        if size != last[0]:
            last[:] = [size, time.monotonic()]
        return condition(size) and time.monotonic() - last[1] > 0.6

    s.wait_for(what, probe, 15)


def measure(name, window):
    pairs = p.overlaps(window)
    print(f"count {name} {len(pairs)}", flush=True)
    for a, b in pairs:
        print(f"  {name}: {a} overlaps {b}", flush=True)
    check(not pairs, f"{name}: {len(pairs)} pair(s) of controls overlap at {window_size(window)}")


def portrait(program):
    with p.PhoneSession(keyboard=True) as session:
        session.set_screen_keyboard(True)
        app, root = p.report_screen(session, program)
        window = s.children(root)[0]
        recipient = s.find(root, "text", "Recipient")
        button = s.find(root, "push button", "Pick a contact")

        def keyboard_follows_focus():
            check(session.keyboard_visible() is False, "the keyboard is up before a field has the focus")
            p.keyboard_shown(session, recipient)
            p.keyboard_shown(session, button, False)

        def portrait_overlaps():
            settled(window, "the window at its full height")
            measure("portrait", window)

        def keyboard_overlaps():
            full = window_size(window)
            p.keyboard_shown(session, recipient)
            settled(window, "the window giving way to the keyboard", lambda size: size[1] < full[1])
            measure("keyboard", window)
            p.keyboard_shown(session, button, False)

        def setting_off():
            session.set_screen_keyboard(False)
            p.focus(recipient)
            s.pump(3)
            check(session.keyboard_visible() is False, "the keyboard came up with the screen keyboard switched off")

        step("portrait overlaps", portrait_overlaps)
        step("keyboard follows the focus", keyboard_follows_focus)
        step("keyboard-up overlaps", keyboard_overlaps)
        step("keyboard switched off", setting_off)
        if failures:
            print(session.app_logs(), flush=True)
        session.stop(app)


def landscape(program):
    with p.PhoneSession(width=1440, height=720) as session:
        app, root = p.report_screen(session, program)
        window = s.children(root)[0]

        def landscape_overlaps():
            settled(window, "the window in landscape", lambda size: size[0] > size[1])
            measure("landscape", window)

        step("landscape overlaps", landscape_overlaps)
        session.stop(app)


def main():
    program = sys.argv[1]
    if len(sys.argv) > 2:
        {"portrait": portrait, "landscape": landscape}[sys.argv[2]](program)
        return 1 if failures else 0
    started = time.monotonic()
    counts = {"portrait": "?", "keyboard": "?", "landscape": "?"}
    status = 0
    for part in ("portrait", "landscape"):
        run = subprocess.run([sys.executable, os.path.abspath(__file__), program, part], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, text=True)
        print(run.stdout, end="", flush=True)
        counts.update(re.findall(r"^count (\w+) (\d+)$", run.stdout, re.M))
        status = status or run.returncode
    print("overlaps: " + " ".join(f"{k}={v}" for k, v in counts.items()), flush=True)
    print(f"ran in {time.monotonic() - started:.1f} s", flush=True)
    print("the phone's session passes" if status == 0 else "the phone's session fails")
    return status


if __name__ == "__main__":
    try:
        sys.exit(main())
    except s.SessionError as e:
        print("FAIL:", e)
        sys.exit(1)
