"""A phone's session for tests: the accessibility session of tests/accessibility with phoc,
Phosh's compositor, on the virtual display (its X11 back end gives it a seat), one 720x1440
output at scale 2, optionally the real on-screen keyboard, and the application on Wayland.

Everything is started here and stopped again; a missing program is a failure, never a skip
(scripts/packages/phone.txt lists what installs them).
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))

import atspi_session  # noqa: E402
from atspi_session import SessionError, _need  # noqa: E402,F401

OSK = ("sm.puri.OSK0", "/sm/puri/OSK0", "sm.puri.OSK0")


class PhoneSession(atspi_session.Session):
    """`PhoneSession(keyboard=True)` also runs squeekboard; `width`/`height` are the output's
    size in device pixels, shown at `scale`."""

    def __init__(self, keyboard=False, width=720, height=1440, scale=2):
        super().__init__()
        self.keyboard = keyboard
        self.output = (width, height, scale)
        self.screen = f"{max(width, 480) + 64}x{max(height, 800) + 64}x24"

    def _start(self):
        super()._start()
        phoc = _need("phoc")
        width, height, scale = self.output
        config = os.path.join(self.home, "phoc.ini")
        with open(config, "w") as f:
            f.write(f"[core]\nxwayland=false\n\n[output:X11-1]\nmode={width}x{height}\nscale={scale}\n")
        self.env.update({
            "WLR_BACKENDS": "x11",
            "WLR_RENDERER": "pixman",
            "WLR_X11_OUTPUTS": "1",
            # The desktop's settings (the screen keyboard's among them) in a file of this
            # session's own, shared by everything started in it.
            "GSETTINGS_BACKEND": "keyfile",
        })
        self.phoc_log = os.path.join(self.home, "phoc.log")
        with open(self.phoc_log, "wb") as log:
            self.phoc = self._spawn([phoc, "-C", config], stdout=log, stderr=log)
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "wayland-0")
        deadline = time.monotonic() + 20
        while not os.path.exists(socket):
            if self.phoc.poll() is not None or time.monotonic() > deadline:
                raise SessionError("phoc did not start: " + self._tail(self.phoc_log))
            time.sleep(0.1)
        self.env["WAYLAND_DISPLAY"] = "wayland-0"
        os.environ["WAYLAND_DISPLAY"] = "wayland-0"
        if self.keyboard:
            self.squeekboard_log = os.path.join(self.home, "squeekboard.log")
            with open(self.squeekboard_log, "wb") as log:
                self.squeekboard = self._spawn([_need("squeekboard")], stdout=log, stderr=log)
            deadline = time.monotonic() + 20
            while self.keyboard_visible() is None:
                if self.squeekboard.poll() is not None or time.monotonic() > deadline:
                    raise SessionError("squeekboard did not come up: " + self._tail(self.squeekboard_log))
                time.sleep(0.2)

    @staticmethod
    def _tail(path, size=3000):
        with open(path, "rb") as f:
            return f.read().decode(errors="replace")[-size:]

    def app_environment(self):
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-0"}

    def keyboard_visible(self):
        """squeekboard's Visible property: True or False, None while it is not on the bus."""
        out = subprocess.run(["busctl", "--user", "get-property", *OSK, "Visible"], env=self.env,
                             capture_output=True, text=True)
        if out.returncode != 0:
            return None
        return out.stdout.strip() == "b true"

    def screenshot(self, path):
        """The output as phoc composes it, at its device pixels."""
        subprocess.run([_need("grim"), path], env=self.env, check=True)

    def start_client(self, args):
        """Another Wayland application (one that covers ours, for instance)."""
        env = dict(self.env)
        log = open(os.path.join(self.home, f"client-{len(self.children)}.log"), "wb")
        p = subprocess.Popen(args, env=env, stdout=log, stderr=subprocess.STDOUT,
                             preexec_fn=atspi_session._detach_but_follow_parent)
        self.children.append(p)
        return p

    def app_logs(self):
        out = [super().app_logs(), "--- phoc ---\n" + self._tail(self.phoc_log)]
        if self.keyboard:
            out.append("--- squeekboard ---\n" + self._tail(self.squeekboard_log))
        return "\n".join(out)

    def set_screen_keyboard(self, enabled):
        """The desktop's screen-keyboard setting, as Phosh's own switch writes it."""
        subprocess.run([_need("gsettings"), "set", "org.gnome.desktop.a11y.applications", "screen-keyboard-enabled",
                        "true" if enabled else "false"], env=self.env, check=True)


# ---- what the phone tests look at ----

def focus(acc):
    """Gives `acc` the keyboard focus, as a tap would."""
    if not acc.get_component_iface().grab_focus():
        raise AssertionError(f"{atspi_session.describe(acc)} did not take the focus")
    atspi_session.wait_for(f"{atspi_session.describe(acc)} focused", lambda: "focused" in atspi_session.states(acc), 10)


def report_screen(session, program):
    """Starts the application on its demo walk and waits for the report screen; (process, root)."""
    app = session.start_app(program, ["--demo"])
    root = atspi_session.find_app(app)
    atspi_session.wait_for("the report screen", lambda: atspi_session.find(root, "text", "Recipient"))
    return app, root


def keyboard_shown(session, field, expected=True, timeout=15):
    """Focuses `field` and waits until the keyboard's Visible says `expected`."""
    focus(field)
    atspi_session.wait_for(f"the keyboard's Visible {expected}", lambda: session.keyboard_visible() is expected, timeout)


# Roles that hold other controls and may lie under them.
CONTAINER_ROLES = {"application", "frame", "window", "dialog", "alert", "filler", "panel", "layered pane", "scroll pane",
                   "viewport", "tool bar", "page tab list", "split pane", "internal frame"}


def _box(acc):
    e = acc.get_extents(atspi_session.atspi().CoordType.WINDOW)
    return (e.x, e.y, e.x + e.width, e.y + e.height)


def _clip(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def _empty(b):
    return b[2] <= b[0] or b[3] <= b[1]


def overlaps(window):
    """The pairs of shown controls in `window` whose visible parts overlap, each as
    (description, description): what a user would see drawn over each other. A control counts
    only with the part its containers show; a control and what it contains are no pair."""
    controls = []

    def visit(acc, clip, ancestors):
        box = _clip(_box(acc), clip)
        if _empty(box):
            return
        if acc.get_role_name() not in CONTAINER_ROLES:
            controls.append((acc, box, ancestors))
        for child in atspi_session.children(acc):
            if atspi_session.is_shown(child):
                visit(child, box, ancestors + (acc,))

    visit(window, _box(window), ())
    pairs = []
    for i, (a, abox, aup) in enumerate(controls):
        for b, bbox, bup in controls[i + 1:]:
            if any(x is a for x in bup) or any(x is b for x in aup):
                continue
            if not _empty(_clip(abox, bbox)):
                pairs.append((f"{atspi_session.describe(a)} {abox}", f"{atspi_session.describe(b)} {bbox}"))
    return pairs
