# SPDX-License-Identifier: GPL-3.0-or-later
"""What the desktop tests do alike: wait for what a person would notice, find the game's
elements as assistive technology does, over AT-SPI, and act as a person does, through xdotool."""
import subprocess
import time


def within(seconds, find):
    """What find() finds before the time is up, asked every twentieth of a second, or None."""
    deadline = time.monotonic() + seconds
    while not (found := find()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return found


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def objects(role, root=None):
    """The game's showing accessible objects of this role ("push button", "link"), below `root`.
    The role is compared as a constant: its name differs between versions of AT-SPI ("button")."""
    import pyatspi  # once the session bus is there
    if root is None:
        return [o for app in pyatspi.Registry.getDesktop(0)
                if app and app.name == "tavelin" for o in objects(role, app)]
    wanted = getattr(pyatspi, "ROLE_" + role.upper().replace(" ", "_"))
    showing = [c for c in root if c and c.getState().contains(pyatspi.STATE_SHOWING)]
    below = [o for child in showing for o in objects(role, child)]
    return [root] + below if root.getRole() == wanted else below


def find(role, name):
    return next((o for o in objects(role) if o.name.strip() == name), None)


def click(role, name):
    """A click where the player sees it."""
    import pyatspi
    box = within(10, lambda: find(role, name)).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", "1")
