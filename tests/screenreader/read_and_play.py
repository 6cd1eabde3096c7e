# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the real game window over AT-SPI, as a screen reader does, and plays one move
through a marker's action. Run inside a session bus and an X server."""
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

CELL = re.compile(r"Column [1-7], row [1-6]: (empty|red|blue)")


def poll(what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = what()
        if found:
            return found
        time.sleep(0.1)
    return None


def nodes(node):
    yield node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield from nodes(child)


def game_application():
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    return next((app for app in apps if app is not None and app.get_name() == "tavelin"), None)


def named(app, role, pattern):
    return {n.get_name(): n for n in nodes(app)
            if n.get_role() == role and re.fullmatch(pattern, n.get_name())}


def main(binary):
    game = subprocess.Popen([binary])
    try:
        app = poll(game_application)
        assert app, "the game never showed up on the accessibility bus"
        cells = poll(lambda: len(named(app, Atspi.Role.TABLE_CELL, CELL.pattern)) == 42)
        assert cells, f"cells read: {sorted(named(app, Atspi.Role.TABLE_CELL, '.*'))}"
        markers = named(app, Atspi.Role.PUSH_BUTTON, r"Column [1-7]")
        assert len(markers) == 7, f"markers read: {sorted(markers)}"
        assert all(m.get_n_actions() >= 1 for m in markers.values())

        markers["Column 4"].do_action(0)

        def board():
            names = named(app, Atspi.Role.TABLE_CELL, CELL.pattern)
            return len(names) == 42 and "Column 4, row 1: red" in names and \
                sum(name.endswith("blue") for name in names) == 1
        assert poll(board), f"after the move: {sorted(named(app, Atspi.Role.TABLE_CELL, '.*'))}"
        table = next(n for n in nodes(app) if n.get_role() == Atspi.Role.TABLE)
        assert table.get_description().startswith("Blue played column "), table.get_description()
    finally:
        game.terminate()
        game.wait(10)
    print("read 42 cells and 7 markers; the move through an action shows in the names")


if __name__ == "__main__":
    main(sys.argv[1])
