# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game on an X server and a session bus, as a user and a screen reader meet it: it
starts with Qt's own options, draws its window, its board is read and played over AT-SPI, its
About box has a title of its own, and the signal a desktop session ends programs with closes it
cleanly."""
import re
import signal
import struct
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def poll(what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if found := what():
            return found
        time.sleep(0.1)
    return None


def nodes(node):
    yield node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child is not None:
            yield from nodes(child)


def cells(app):
    """The board's cells by name, once all 42 are named."""
    found = {n.get_name(): n for n in nodes(app) if n.get_role() == Atspi.Role.TABLE_CELL and
             re.fullmatch(r"Column [1-7], row [1-6]: (empty|red|blue)", n.get_name())}
    return found if len(found) == 42 else None


def screen_pixel(x, y):
    """A pixel of the screen as xwd dumps it: ZPixmap, least significant byte first."""
    dump = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    header = struct.unpack(">25I", dump[:100])
    at = header[0] + 12 * header[19] + y * header[12] + header[11] // 8 * x
    return tuple(dump[at:at + 3][::-1])


def main(binary):
    game = subprocess.Popen([binary, "-platform", "xcb", "-style", "Fusion", "-reverse"])
    try:
        desktop = Atspi.get_desktop(0)
        app = poll(lambda: next((a for a in nodes(desktop) if a.get_name() == "tavelin"), None))
        board = poll(lambda: cells(app))
        assert board, "the game's board never showed up on the accessibility bus"
        time.sleep(0.3)  # let the first paint finish
        # The bottom-left cell stands at (32, 248) in the client area.
        corner = board["Column 1, row 1: empty"].get_extents(Atspi.CoordType.SCREEN)
        assert screen_pixel(corner.x + 3, corner.y + 3) == (255, 255, 128), "no empty cell drawn"

        markers = [n for n in nodes(app) if n.get_role() == Atspi.Role.PUSH_BUTTON and
                   re.fullmatch(r"Column [1-7]", n.get_name())]
        markers[3].do_action(0)  # names change only through the events a screen reader hears
        assert poll(lambda: "Column 4, row 1: red" in (cells(app) or {}) and
                    sum(name.endswith("blue") for name in cells(app)) == 1)

        # The About menu, by the pointer: its box is modal, and a screen reader's call would wait.
        about = next(n for n in nodes(app) if n.get_name() == "About").get_extents(
            Atspi.CoordType.SCREEN)
        subprocess.run(["xdotool", "mousemove", str(about.x + about.width // 2),
                        str(about.y + about.height // 2), "click", "1"], check=True)
        assert poll(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                            "^About$"], capture_output=True).stdout.strip())
        game.send_signal(signal.SIGTERM)
        assert game.wait(15) == 0, "no clean exit on SIGTERM"
    finally:
        if game.poll() is None:
            game.kill()


if __name__ == "__main__":
    main(sys.argv[1])
