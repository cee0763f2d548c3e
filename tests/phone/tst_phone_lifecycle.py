#!/usr/bin/env python3
"""A phone's lifecycle in phoc: another application covers Quorvel, a second start comes from
the launcher, and the first one is uncovered again.

    tst_phone_lifecycle.py PROGRAM [COVERED_SECONDS]

While covered the position is not followed (no position lines in the log) and the message
being written is stored (a phone may end the process there), a second start
hands its launcher's activation token to the running window, which passes it to the compositor
(xdg_activation_v1.activate, seen in the window's Wayland log), and following resumes within a
few seconds of coming back. The desktop prefers dark (the settings portal's stand-in says so):
the first frame the compositor shows of the window is already dark. Prints what it measured.
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from phone_session import PhoneSession, SessionError  # noqa: E402

POSITION = "locationManager: did update to location"
TOKEN = "launcher-token-for-the-test"
# Following stops within a frame's time-out, a grace and one probe: a few seconds.
SETTLE_S = 5
RESUME_LIMIT_S = 10
# The message being written, as the last start left it: stored again on going out of sight.
MESSAGE = "Pick me up at [] near {}, please."
STORED = "Storing last used message: " + MESSAGE

# The window's background in the light palette is near white, in the dark one near black.
DARK_LIMIT = 100
PORTAL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "fake_settings_portal.py")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def log_lines(process):
    with open(process.log_path, "rb") as f:
        return f.read().decode(errors="replace").splitlines()


def positions(process):
    return sum(POSITION in line for line in log_lines(process))


def seen(process, text):
    return any(text in line for line in log_lines(process))


def wait_for(what, probe, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if probe():
            return True
        time.sleep(0.1)
    return check(False, f"timed out waiting for {what}")


def grab(session, path):
    """Every seventh pixel of the output, grey, from grim's PPM."""
    subprocess.run(["grim", "-t", "ppm", path], env=session.env, check=True)
    with open(path, "rb") as f:
        data = f.read()
    start = re.match(rb"P6\s+\d+\s+\d+\s+\d+\s", data).end()
    return [sum(data[i:i + 3]) // 3 for i in range(start, len(data) - 2, 21)]


def changed_level(before, after):
    """The mean grey level of what changed (a quarter of the output at least), else None."""
    changed = [b for a, b in zip(before, after) if abs(a - b) > 24]
    return sum(changed) / len(changed) if len(changed) >= len(after) // 4 else None


def first_frame_level(session, program, args):
    """Starts the application and returns it with the grey level of the first grab showing it."""
    path = os.path.join(session.home, "grab.ppm")
    empty = grab(session, path)
    app = session.start_app(program, args)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        level = changed_level(empty, grab(session, path))
        if level is not None:
            return app, level
    return app, None


def main():
    program = sys.argv[1]
    covered_s = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    with PhoneSession() as session:
        session.write_defaults({"lastUsedMessage": MESSAGE})
        portal = session._spawn([sys.executable, PORTAL, session.env["DBUS_SESSION_BUS_ADDRESS"], "1"],
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        check(portal.stdout.readline().strip() == b"READY", "the settings portal's stand-in did not start")
        # The window's own Wayland requests, to see the activation reach the compositor.
        session.env["WAYLAND_DEBUG"] = "client"
        app, level = first_frame_level(session, program, ["--demo"])
        del session.env["WAYLAND_DEBUG"]
        if check(level is not None, "the window never showed"):
            print(f"first frame shown: grey level {level:.0f} (dark below {DARK_LIMIT})", flush=True)
            check(level < DARK_LIMIT, f"the first frame on a dark desktop is light (grey level {level:.0f})")
        if not wait_for("the first position", lambda: positions(app) > 0, 60):
            print(session.app_logs())
            return 1

        check(not seen(app, STORED), "the message was stored before going out of sight")
        cover = session.start_client(["weston-flower"])
        time.sleep(SETTLE_S)
        check(seen(app, STORED), "the message was not stored on going out of sight")
        before = positions(app)
        time.sleep(covered_s)
        while_covered = positions(app) - before
        print(f"position lines while covered for {covered_s:.0f} s: {while_covered}", flush=True)
        check(while_covered == 0, f"followed the position while covered ({while_covered} lines)")

        # The launcher starts Quorvel again (its entry's demo action) while another
        # application has the screen.
        session.env["XDG_ACTIVATION_TOKEN"] = TOKEN
        second = session.start_app(program, ["--demo"])
        del session.env["XDG_ACTIVATION_TOKEN"]
        second.wait(30)
        check(seen(second, "is already running"), "the second start did not find the first")
        request = 'activate("' + TOKEN + '"'
        if wait_for("xdg_activation_v1.activate with the launcher's token", lambda: seen(app, request), 10):
            print("raised: " + next(line.strip() for line in log_lines(app) if request in line), flush=True)

        session.stop(cover)
        back = time.monotonic()
        count = positions(app)
        if wait_for("a position after coming back", lambda: positions(app) > count, 30):
            resumed = time.monotonic() - back
            print(f"following again {resumed:.1f} s after coming back", flush=True)
            check(resumed < RESUME_LIMIT_S, f"following resumed only after {resumed:.1f} s")
        if failures:
            print(session.app_logs())
    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except SessionError as e:
        print("FAIL:", e)
        sys.exit(1)
