#!/usr/bin/env python3
"""Pictures of the application in a phone's session (phoc at scale 2, squeekboard), taken
with grim: the report screen in portrait, in portrait with the keyboard up, in landscape, and
the map.

    phone_pictures.py PROGRAM [FOLDER]     (FOLDER: docs/ of the source tree)

Writes phone-portrait.png, phone-keyboard.png, phone-landscape.png and phone-map.png. The
map shows street-like tiles drawn by the build's map_screenshots (next to PROGRAM; build its
target first), else the offline map.
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phone_session as p  # noqa: E402
from phone_session import atspi_session as s  # noqa: E402
from tst_phone import settled  # noqa: E402


def take(session, folder, name):
    path = os.path.join(folder, f"phone-{name}.png")
    session.screenshot(path)
    print("wrote", path, flush=True)


def drawn_tiles(session, program):
    """Tiles around the demo walk, as an MBTiles file the map reads, so nothing is fetched."""
    tool = os.path.join(os.path.dirname(os.path.abspath(program)), "map_screenshots")
    if not os.access(tool, os.X_OK):
        print(f"{tool} is missing: the map shows no tiles", flush=True)
        return
    tiles = os.path.join(session.home, "street.mbtiles")
    subprocess.run([tool, "--mbtiles", tiles], env={**session.env, "QT_QPA_PLATFORM": "offscreen"}, check=True)
    session.write_config("quorvel/device.ini", f"[map]\nstandard-url=\nstandard-mbtiles={tiles}\n")


def with_locality(root):
    """The locality comes with the position update after the first answer of the geocoder."""
    s.wait_for("the locality", lambda: s.find(root, "label", "Waiting for locality...") is None, 40)


def portrait(program, folder):
    with p.PhoneSession(keyboard=True) as session:
        session.set_screen_keyboard(True)
        drawn_tiles(session, program)
        app, root = p.report_screen(session, program)
        window = s.children(root)[0]
        settled(window, "the window at its full height")
        with_locality(root)
        take(session, folder, "portrait")
        height = window.get_extents(s.atspi().CoordType.WINDOW).height
        p.keyboard_shown(session, s.find(root, "text", "Recipient"))
        settled(window, "the window giving way to the keyboard", lambda size: size[1] < height)
        take(session, folder, "keyboard")
        p.keyboard_shown(session, s.find(root, "push button", "Pick a contact"), False)
        settled(window, "the window at its full height again", lambda size: size[1] == height)
        s.do_action(s.find(root, "page tab", "Map"), "Press")
        themap = s.wait_for("the map", lambda: s.find(root, "image", "Map"))
        s.wait_for("a pin on the map", lambda: s.find(themap, "push button"), 30)
        s.pump(2)
        take(session, folder, "map")
        session.stop(app)


def landscape(program, folder):
    with p.PhoneSession(width=1440, height=720) as session:
        app, root = p.report_screen(session, program)
        settled(s.children(root)[0], "the window in landscape", lambda size: size[0] > size[1])
        with_locality(root)
        take(session, folder, "landscape")
        session.stop(app)


def main():
    program = sys.argv[1]
    folder = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs")
    if len(sys.argv) > 3:
        {"portrait": portrait, "landscape": landscape}[sys.argv[3]](program, folder)
        return 0
    # A process each, as the accessibility library stays with the first bus it meets.
    status = 0
    for part in ("portrait", "landscape"):
        status = status or subprocess.run([sys.executable, os.path.abspath(__file__), program, folder, part]).returncode
    return status


if __name__ == "__main__":
    sys.exit(main())
