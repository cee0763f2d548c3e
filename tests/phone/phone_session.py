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
