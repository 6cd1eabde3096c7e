# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game on an X server and a session bus, as a blind German player meets it with Orca,
the screen reader: it starts with Qt's own options, in the language the environment asks for,
and shows its window; a column's button pressed as a screen reader presses it plays a move against
the computer, which is answered; by keyboard alone two players play a game to its winning line with
a key held down on the way, Orca's "where am I" tells what the keyboard's column holds once it has
been played, the board is read row by row, and a session's status is heard; the About box's links
are followed to a stand-in browser, one reached with Tab, the other pressed as a screen reader
presses it; each from Orca's own speech; and the signal a desktop session ends programs with
closes it cleanly. Orca itself speaks English."""
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile

from desktop import find, within, xdotool

# Orca writes what it says to its debug file; there is no speech server to say it to. Orca 51
# ignores the options it no longer has (--disable, --user-prefs, so the customizations too) and
# writes that file a line at a time of itself.
CUSTOMIZATIONS = """import orca.debug, orca.speech
orca.debug.debugFile.reconfigure(line_buffering=True)
orca.speech.init = lambda *args, **kwargs: None
"""


class Orca:
    def __init__(self, prefs):
        (prefs / "orca-customizations.py").write_text(CUSTOMIZATIONS)
        self.log = prefs / "orca.log"
        self.process = subprocess.Popen(
            ["orca", "--replace", "--disable", "braille", "--user-prefs", str(prefs),
             "--debug-file", str(self.log)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.heard = 0  # utterances already matched

    def said(self):
        text = self.log.read_text() if self.log.exists() else ""
        said = "\n".join(re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", text))
        # Orca 51 says a notification's role apart from its text, Orca 43 at once.
        return re.sub(r"^notification\n", "notification ", said, flags=re.M).splitlines()

    def hears(self, pattern, seconds=20):
        """The first utterance matching `pattern` after those heard so far, or None."""
        def next_match():
            said = self.said()
            for at in range(self.heard, len(said)):
                if found := re.search(pattern, said[at]):
                    self.heard = at + 1
                    return found
            return None
        return within(seconds, next_match)

    def expect(self, pattern, seconds=20):
        found = self.hears(pattern, seconds)
        assert found, f"Orca never said {pattern!r}: {self.said()[self.heard:]}"
        return found

    def expect_all(self, *patterns):
        """What Orca says, matching each pattern, in whichever order it comes: Orca 51 says what
        takes the focus before what the game told just before it."""
        start, found = self.heard, []
        for pattern in patterns:
            self.heard = start
            found.append((self.expect(pattern), self.heard))
        self.heard = max(end for _, end in found)
        return [match for match, _ in found]

    def after(self, name, pattern, action="key"):
        """What Orca says, matching `pattern`, once the key is pressed."""
        key(name, action=action)
        return self.expect(pattern)


def key(*names, action="key"):  # or "keydown", "keyup"
    xdotool(action, *names)


def stand_in_browser():
    """A stand-in for the desktop's browser and mail program, in a folder to put first on the PATH,
    where the real one would be found; and what tells whether it has been given an address."""
    folder = pathlib.Path(tempfile.mkdtemp())
    (folder / "xdg-open").write_text(f'#!/bin/sh\necho "$1" >> "{folder}/opened"\n')
    (folder / "xdg-open").chmod(0o755)
    return folder, lambda address: (folder / "opened").exists() and \
        address in (folder / "opened").read_text().split()


def press(name, role):
    """Does what a screen reader offers first on the game's element with that name and role,
    found as a screen reader finds it, over AT-SPI."""
    element = within(20, lambda: find(role, name))
    assert element, f"no {role} {name!r} for a screen reader"
    element.queryAction().doAction(0)


def focus(orca, window):
    """Gives the game's window the keyboard, until Orca says it has it."""
    for _ in range(3):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        if orca.hears(FRAME, seconds=5):
            return
    raise AssertionError("the game's window never had the keyboard")


# Orca 43 ends what it says of an element with a full stop, and names a push button so; Orca 51
# leaves the full stop out, says "button", and names the main window's role only now and then.
END = r"\.?$"
FRAME = r"^Tavelin( frame)?" + END
BUTTON = r"(push )?button"
GAME_MENU = r"^ *(Neu|Ein Spieler|Zwei Spieler|Auf Verbindung warten|Mit Gegner verbinden|" \
            r"Verbindung trennen)( checked)?" + END


def choose(orca, item):
    """Chooses a Game menu item by keyboard, going down the menu as Orca reads each item. A menu
    that did not open (the keys came while the game was busy), or that closed before the item was
    reached as the window was given the keyboard once more (Orca says the window again), is asked
    for again."""
    for _ in range(3):
        key("alt+s")
        if not (said := orca.hears(GAME_MENU, seconds=3)):
            key("Escape")
            continue
        while said[1] != item:
            key("Down")
            if not (said := orca.expect(f"{GAME_MENU}|{FRAME}"))[1]:
                break
        else:
            key("Return")
            return
    raise AssertionError(f"no {item!r} in the Game menu")


def main(binary):
    orca = Orca(pathlib.Path(tempfile.mkdtemp()))
    folder, opened = stand_in_browser()
    # A key held as a person holds it: repeated after a quarter of a second, 25 times a second,
    # whatever the X server's defaults.
    subprocess.run(["xset", "r", "rate", "250", "25"], check=True)
    environment = os.environ | {"LANGUAGE": "de", "PATH": f"{folder}:{os.environ['PATH']}"}
    game = subprocess.Popen([binary, "-platform", "xcb", "-style", "Fusion", "-reverse"],
                            env=environment)
    try:
        orca.expect(r"^Screen reader on\.$", seconds=60)  # a slow start on a busy machine
        window = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavelin$"],
            capture_output=True, check=True, text=True).stdout.split()[0]
        focus(orca, window)

        press("Spalte 4", "push button")  # against the computer: the move, then the reply
        orca.expect(r"^notification Rot, Spalte 4, Reihe 1\. Blau, Spalte \d, Reihe 1" + END)
        choose(orca, "Zwei Spieler")
        orca.expect(FRAME)  # the menu has given the keyboard back
        orca.after("4", r"^notification Rot, Spalte 4, Reihe 1\. Blau ist am Zug" + END)
        # Held down, it plays once, however often the X server repeats it.
        orca.after("4", r"^notification Blau, Spalte 4, Reihe 2\. Rot ist am Zug" + END, "keydown")
        moved = orca.heard
        # Held past the repeat delay: Orca echoes each repeat the game has been sent.
        repeated = within(20, lambda: [s.strip() for s in orca.said()[moved:]].count("4") >= 3)
        key("4", action="keyup")
        assert repeated, f"the X server never repeated the key: {orca.said()[moved:]}"
        orca.after("Left", rf"^Spalte 3 {BUTTON}{END}")
        while_held = orca.said()[moved:orca.heard]
        assert not [s for s in while_held if "notification" in s], while_held
        orca.after("Right", rf"^Spalte 4 {BUTTON}{END}")
        orca.expect(r"^2 Steine" + END)
        # The keyboard's column, played twice: what it holds is read anew.
        orca.after("Return", r"^notification Rot, Spalte 4, Reihe 3\. Blau ist am Zug" + END)
        orca.after("Return", r"^notification Blau, Spalte 4, Reihe 4\. Rot ist am Zug" + END)
        # Orca's "where am I": Orca 43 says the column's contents with its name, Orca 51 apart.
        if not orca.after("KP_Enter", rf"^Spalte 4 {BUTTON}( 4 Steine)?{END}")[1]:
            orca.expect(r"^4 Steine" + END)
        for row, piece in zip(range(6, 0, -1), ["leer"] * 2 + ["blau", "rot"] * 2):
            orca.after("Down", rf"^Spalte 4, Reihe {row}: {piece}{END}")  # down, row by row
        for column in "121212":
            orca.after(column, r"^notification ")
        key("1")  # Red's four, told before the result box opens; the box has the focus
        told, _, _ = orca.expect_all(r"^notification (.*)$", r"^alert Tavelin: Rot gewinnt" + END,
                                     rf"^OK {BUTTON}{END}")
        assert told[1].removesuffix(".") == "Rot, Spalte 1, Reihe 4. Vier in einer Linie: " \
                                            "Spalte 1, Reihe 1 bis Spalte 1, Reihe 4", told[1]
        key("Return")
        focus(orca, window)  # back from the result box, as a window manager would
        choose(orca, "Auf Verbindung warten")
        orca.expect(r"^notification .* wartet\.\.\.$")
        choose(orca, "Verbindung trennen")

        # The About box: modal, a screen reader's call into the game would wait. One link is
        # reached with Tab and followed from the keyboard, the other pressed over AT-SPI.
        orca.after("alt+b", r"^Über dialog ")
        orca.after("Tab", r"^E-MAIL: tavelin@example\.org link" + END)
        key("Return")
        assert within(20, lambda: opened("mailto:tavelin@example.org"))
        press("WEB: tavelin.example.org", "link")
        assert within(20, lambda: opened("https://tavelin.example.org"))
        key("Escape")
        game.send_signal(signal.SIGTERM)
        assert game.wait(15) == 0, "no clean exit on SIGTERM"
    finally:
        for process in (game, orca.process):
            process.kill()  # unless it has ended


if __name__ == "__main__":
    main(sys.argv[1])
