# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game on an X server and a session bus, as a blind German player meets it with Orca,
the screen reader: it starts with Qt's own options, in the language the environment asks for,
and shows its window; by keyboard alone a game against the computer is played to its end, two
players open a game, the board is read row by row, a session's status is heard and the About
box opens, each from Orca's own speech; and the signal a desktop session ends programs with
closes it cleanly. Orca itself speaks English."""
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import time

# Orca writes what it says to its debug file; there is no speech server to say it to.
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
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", text)

    def hears(self, pattern, seconds=20):
        """The first utterance matching `pattern` after those heard so far, or None."""
        deadline = time.monotonic() + seconds
        while True:
            said = self.said()
            for at in range(self.heard, len(said)):
                if found := re.search(pattern, said[at]):
                    self.heard = at + 1
                    return found
            if time.monotonic() > deadline:
                return None
            time.sleep(0.1)

    def expect(self, pattern):
        found = self.hears(pattern)
        assert found, f"Orca never said {pattern!r}: {self.said()[self.heard:]}"
        return found


def key(*names):
    subprocess.run(["xdotool", "key", *names], check=True)


def play_against_the_computer(orca):
    """Plays by number keys until the game ends; every move is heard, Red's first, then the
    computer's reply, and the winning move before the result. Whether a result box is up: a
    full board without a line ends the game without one."""
    heights = [0] * 7
    while open_columns := [c for c in (4, 3, 5, 2, 6, 1, 7) if heights[c - 1] < 6]:
        column = open_columns[0]
        key(str(column))
        moves = re.findall(r"(Rot|Blau), Spalte (\d), Reihe (\d)\.",
                           orca.expect(r"^notification (.*)$")[1])
        assert moves[0] == ("Rot", str(column), str(heights[column - 1] + 1)), moves
        for _, played, row in moves:
            heights[int(played) - 1] = int(row)
        if result := orca.hears(r"^Du hast (gewonnen|verloren)\.$", seconds=1.5):
            assert len(moves) == (1 if result[1] == "gewonnen" else 2), moves
            orca.expect(r"^OK push button\.$")  # the result box has the focus
            return True
        assert len(moves) == 2 and moves[1][0] == "Blau", moves
    return False


def focus(orca, window):
    """Gives the game's window the keyboard, until Orca says it has it."""
    for _ in range(3):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        if orca.hears(r"^Tavelin frame\.$", seconds=5):
            return
    raise AssertionError("the game's window never had the keyboard")


def choose(orca, item):
    """Chooses a Game menu item by keyboard, going down the menu as Orca reads each item. A menu
    that did not open (the keys came while the game was busy) is asked for again."""
    for _ in range(3):
        key("alt+s")
        if said := orca.hears(r"^ *(.*)\.$", seconds=3):
            break
        key("Escape")
    while not said[1].startswith(item):
        key("Down")
        said = orca.expect(r"^ *(.*)\.$")
    key("Return")


def main(binary):
    orca = Orca(pathlib.Path(tempfile.mkdtemp()))
    game = subprocess.Popen([binary, "-platform", "xcb", "-style", "Fusion", "-reverse"],
                            env=os.environ | {"LANGUAGE": "de"})
    try:
        orca.expect(r"^Screen reader on\.$")
        window = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tavelin$"],
            capture_output=True, check=True, text=True).stdout.split()[0]
        focus(orca, window)

        if play_against_the_computer(orca):
            key("Return")
            focus(orca, window)  # back from the result box, as a window manager would
        choose(orca, "Zwei Spieler")
        key("4")
        orca.expect(r"^notification Rot, Spalte 4, Reihe 1\. Blau ist am Zug\.$")
        key("4")
        orca.expect(r"^notification Blau, Spalte 4, Reihe 2\. Rot ist am Zug\.$")
        key("Right", "Right", "Right", "Right")
        orca.expect(r"^Spalte 4 push button\.$")
        orca.expect(r"^2 Steine\.$")
        for row, piece in zip(range(6, 0, -1), ["leer"] * 4 + ["blau", "rot"]):
            key("Down")  # down the board, each row read whole
            orca.expect(rf"^Spalte 4, Reihe {row}: {piece}\.$")
        choose(orca, "Auf Verbindung warten")
        orca.expect(r"^notification .* wartet\.\.\.$")
        choose(orca, "Verbindung trennen")

        # The About box: modal, a screen reader's call into the game would wait.
        key("alt+b")
        orca.expect(r"^Über dialog ")
        key("Return")
        game.send_signal(signal.SIGTERM)
        assert game.wait(15) == 0, "no clean exit on SIGTERM"
    finally:
        for process in (game, orca.process):
            if process.poll() is None:
                process.kill()


if __name__ == "__main__":
    main(sys.argv[1])
