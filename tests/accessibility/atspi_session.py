"""A private desktop session for accessibility tests: a virtual X display, a session bus and
the accessibility bus, and the application started inside them; plus a small walker over
the tree the application shows there.

Everything is started here and stopped again; a missing program is a failure, never a skip.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

AT_SPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class SessionError(Exception):
    pass


def _need(program):
    path = program if os.path.isabs(program) else shutil.which(program)
    if not path or not os.access(path, os.X_OK):
        raise SessionError(f"{program} is missing; scripts/packages/accessibility.txt lists what installs it")
    return path


def _detach_but_follow_parent():
    """In the child: a process group of its own (so it can be stopped with all it starts),
    and ended when the test process dies, even by a crash that runs no clean-up."""
    import ctypes
    os.setsid()
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def _read_line(stream, what, timeout=20):
    """Reads one line a child writes to `stream` (its address or display), within `timeout`."""
    import selectors
    sel = selectors.DefaultSelector()
    sel.register(stream, selectors.EVENT_READ)
    deadline = time.monotonic() + timeout
    data = b""
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not sel.select(left):
            raise SessionError(f"{what} did not start within {timeout} s")
        chunk = os.read(stream.fileno(), 4096)
        if not chunk:
            raise SessionError(f"{what} exited before it was ready")
        data += chunk
    return data.decode().strip()


class Session:
    """Xvfb, a session bus and the accessibility bus; `start_app` runs the application."""

    screen = "480x800x24"

    def __init__(self):
        self.children = []
        self.home = tempfile.mkdtemp(prefix="quorvel-a11y-")
        self.env = dict(os.environ)

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _spawn(self, args, **kw):
        p = subprocess.Popen(args, env=self.env, preexec_fn=_detach_but_follow_parent, **kw)
        self.children.append(p)
        return p

    def _start(self):
        xvfb = _need("Xvfb")
        dbus = _need("dbus-daemon")
        launcher = _need(AT_SPI_BUS_LAUNCHER)
        _need("/usr/libexec/at-spi2-registryd")
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env.update({
            "HOME": self.home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_CACHE_HOME": os.path.join(self.home, "cache"),
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("AT_SPI_BUS_ADDRESS", None)
        # Xvfb picks a free display itself and says which on the pipe. Without -noreset it
        # starts afresh whenever its last client leaves, and a client connecting just then
        # is turned away.
        r, w = os.pipe()
        self.xvfb_log = os.path.join(self.home, "xvfb.log")
        with open(self.xvfb_log, "wb") as log:
            self.xvfb = self._spawn([xvfb, "-displayfd", str(w), "-screen", "0", self.screen, "-nolisten", "tcp", "-noreset"],
                                    pass_fds=(w,), stdout=log, stderr=log)
        os.close(w)
        with os.fdopen(r, "rb", buffering=0) as displays:
            number = _read_line(displays, "Xvfb")
        self.env["DISPLAY"] = ":" + number
        self._wait_for_display(number)
        bus = self._spawn([dbus, "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus.stdout, "dbus-daemon")
        self._spawn([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The walker (this process) talks to the same buses and display.
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        self._wait_for_a11y_bus()

    def _wait_for_display(self, number):
        """Until the display completes an X connection handshake on its socket."""
        import socket
        import struct
        path = f"/tmp/.X11-unix/X{number}"
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            try:
                with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as sock:
                    sock.settimeout(5)
                    sock.connect(path)
                    sock.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
                    if sock.recv(1) == b"\x01":
                        return
            except OSError:
                pass
            time.sleep(0.1)
        raise SessionError(f"Xvfb on :{number} does not accept connections")

    def _wait_for_a11y_bus(self):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                  "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, text=True)
            if out.returncode == 0 and "unix:" in out.stdout:
                return
            time.sleep(0.2)
        raise SessionError("the accessibility bus did not come up")

    def _write(self, base, relative, text):
        path = os.path.join(self.env[base], relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)

    def write_config(self, relative, text):
        self._write("XDG_CONFIG_HOME", relative, text)

    def write_data(self, relative, text):
        self._write("XDG_DATA_HOME", relative, text)

    def write_defaults(self, values):
        self.write_config("quorvel/defaults.json", json.dumps(values, ensure_ascii=False))

    def app_environment(self):
        return {"QT_QPA_PLATFORM": "xcb"}

    def start_app(self, program, args=()):
        env = dict(self.env)
        env.update(self.app_environment())
        env.update({
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "QUORVEL_NETWORK": "loopback",
            "LANGUAGE": "en",
            "LC_ALL": "C.UTF-8",
        })
        log = open(os.path.join(self.home, f"app-{len(self.children)}.log"), "wb")
        p = subprocess.Popen([program, *args], env=env, stdout=log, stderr=subprocess.STDOUT,
                             preexec_fn=_detach_but_follow_parent)
        p.log_path = log.name
        self.children.append(p)
        return p

    def stop(self, p):
        if p.poll() is None:
            p.send_signal(signal.SIGTERM)
            try:
                p.wait(15)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
        if p in self.children:
            self.children.remove(p)

    def app_logs(self):
        """The applications' output so far, for a failure report."""
        out = []
        for name in sorted(os.listdir(self.home)):
            if name.startswith("app-") and name.endswith(".log"):
                with open(os.path.join(self.home, name), "rb") as f:
                    out.append(f"--- {name} ---\n" + f.read().decode(errors="replace")[-6000:])
        with open(self.xvfb_log, "rb") as f:
            out.append(f"--- Xvfb (running: {self.xvfb.poll() is None}) ---\n" + f.read().decode(errors="replace")[-3000:])
        return "\n".join(out)

    def close(self):
        crashed = [p for p in self.children if hasattr(p, "log_path") and p.poll() not in (None, 0)]
        if crashed:
            print(self.app_logs(), flush=True)
        for p in reversed(self.children):
            try:
                os.killpg(p.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for p in reversed(self.children):
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
        self.children.clear()
        shutil.rmtree(self.home, ignore_errors=True)


# ---- the walker ----

_atspi = None


def atspi():
    """The Atspi bindings, imported once the session's buses are in the environment."""
    global _atspi
    if _atspi is None:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        # A screen that loads its data the first time it shows (the map's places) may hold
        # the application up for longer than the library's default of under a second,
        # most of all under the sanitizers on a busy machine.
        Atspi.set_timeout(20000, 60000)
        _atspi = Atspi
    return _atspi


def pump(seconds=0.0):
    from gi.repository import GLib
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while ctx.pending():
            ctx.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=30):
    """Calls `probe` until it gives something true, pumping events in between."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            value = probe()
            if value:
                return value
        except Exception as e:  # the tree changes under the walker while a screen appears
            last_error = e
        pump(0.1)
    raise AssertionError(f"timed out waiting for {what}" + (f" (last error: {last_error})" if last_error else ""))


def find_app(process, timeout=60):
    A = atspi()

    def probe():
        desktop = A.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == process.pid and app.get_child_count() > 0:
                app.set_cache_mask(A.Cache.NONE)
                return app
        if process.poll() is not None:
            raise SessionError(f"the application exited with {process.returncode}; see {process.log_path}")
        return None

    return wait_for("the application on the accessibility bus", probe, timeout)


def click(acc):
    """A real mouse click in the middle of `acc`, through the display."""
    A = atspi()
    box = acc.get_extents(A.CoordType.SCREEN)
    A.generate_mouse_event(box.x + box.width // 2, box.y + box.height // 2, "b1c")


def activate_window(root):
    """Without a window manager nobody activates the window: a click on it does."""
    window = children(root)[0]
    title = find(window, "label")
    click(title if title is not None else window)
    wait_for("the window active", lambda: "active" in states(window), 10)


def states(acc):
    A = atspi()
    s = acc.get_state_set()
    return {A.StateType(t).value_nick for t in s.get_states()}


def actions(acc):
    a = acc.get_action_iface()
    if a is None:
        return []
    return [a.get_action_name(i) for i in range(a.get_n_actions())]


def do_action(acc, name):
    a = acc.get_action_iface()
    names = actions(acc)
    if name not in names:
        raise AssertionError(f"{describe(acc)} offers no action {name!r} (only {names})")
    if not a.do_action(names.index(name)):
        raise AssertionError(f"action {name!r} on {describe(acc)} failed")


def set_text(acc, text):
    """Replaces the text of an editable field, as an on-screen keyboard or a screen reader does."""
    if not acc.set_text_contents(text):
        raise AssertionError(f"{describe(acc)} did not take the text {text!r}")


def text_of(acc):
    t = acc.get_text_iface()
    return t.get_text(0, t.get_character_count()) if t is not None else None


def children(acc):
    out = []
    for i in range(acc.get_child_count()):
        c = acc.get_child_at_index(i)
        if c is not None:
            out.append(c)
    return out


def is_shown(acc):
    s = states(acc)
    return "showing" in s and "visible" in s


def walk(acc, depth=0):
    """Yields (depth, accessible) for `acc` and every shown descendant."""
    yield depth, acc
    for c in children(acc):
        if is_shown(c):
            yield from walk(c, depth + 1)


def shorten(text, limit=70):
    text = re.sub(r"\s+", " ", text or "")
    return text if len(text) <= limit else text[: limit - 1] + "\u2026"


def describe(acc):
    line = f"{acc.get_role_name()} {shorten(acc.get_name())!r}"
    return line


def dump(root):
    """The tree as a screen reader meets it: role, name, the states that matter, actions."""
    keep = {"selected", "checked", "focused", "focusable", "selectable", "checkable", "editable", "sensitive"}
    lines = []
    for depth, acc in walk(root):
        s = states(acc)
        shown = sorted(s & keep - {"sensitive", "focusable", "selectable", "checkable"})
        if "sensitive" not in s:
            shown.append("insensitive")
        line = "  " * depth + describe(acc)
        desc = acc.get_description()
        if desc:
            line += f" — {shorten(desc, 90)}"
        if shown:
            line += " [" + ", ".join(shown) + "]"
        acts = actions(acc)
        if acts:
            line += " {" + ", ".join(acts) + "}"
        lines.append(line)
    return "\n".join(lines)


def find(root, role=None, name=None, where=None):
    for _, acc in walk(root):
        if role is not None and acc.get_role_name() != role:
            continue
        if name is not None and acc.get_name() != name:
            continue
        if where is not None and not where(acc):
            continue
        return acc
    return None


def find_all(root, role):
    return [acc for _, acc in walk(root) if acc.get_role_name() == role]


# Roles a user works with: each must carry a name.
CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "entry", "text", "password text",
    "list", "list item", "page tab", "page tab list", "combo box", "slider", "spin button", "link",
    "menu item", "table", "table cell", "tree", "tree item", "image", "alert", "dialog", "scroll bar",
}


def problems(root):
    """What a screen reader user would stumble over on the shown screen."""
    found = []
    for _, acc in walk(root):
        role = acc.get_role_name()
        if role in ("unknown", "invalid", ""):
            found.append(f"no role: {describe(acc)} (child of {describe(acc.get_parent())})")
        elif role in CONTROL_ROLES and role != "scroll bar" and not (acc.get_name() or "").strip():
            found.append(f"no name: {describe(acc)} (child of {describe(acc.get_parent())})")
        if role == "list":
            items = [c for c in children(acc) if c.get_role_name() == "list item"]
            if not items and acc.get_child_count() > 0:
                found.append(f"list without items: {describe(acc)}")
    return found
