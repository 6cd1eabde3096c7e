# SPDX-License-Identifier: GPL-3.0-or-later
"""Two real games on a network of their own find each other without an address being typed.

Each side is a network, mount and host-name namespace of its own, joined to the other by a veth
pair with private addresses: nothing is sent to any other network. Each has its own system bus
and Avahi daemon under a private /run, its own X server, session bus and home under a private
/tmp, and the game; the test drives the games with the mouse and the keyboard and reads them
through AT-SPI, as assistive technology does. A process namespace of its own ends whatever a
side started along with it.

Usage: find_on_the_network.py GAME   (as root; skipped, with a note, otherwise)"""
import json
import os
import pathlib
import shutil
import socket
import subprocess
import sys

from desktop import click, find, objects, within, xdotool

SIDES = {"alpha": "10.36.0.1", "beta": "10.36.0.2"}  # the host's, then the guest's
ENTRY, RENAMED = (f"alpha{suffix} at 10.36.0.1:1007" for suffix in ("", " #2"))  # as listed
UNSEARCHABLE = "Games on the network cannot be searched for now."
# Where a side's X server and buses listen. Its system bus is a dbus-daemon with the session
# bus's configuration, which lets every client own and call any name, Avahi's too.
X_SERVER, SYSTEM_BUS, SESSION_BUS = "/tmp/.X11-unix/X0", "/run/system_bus", "/tmp/session_bus"
AVAHI = "avahi-daemon -f /run/avahi.conf --no-drop-root --no-chroot --no-rlimits".split()
AVAHI_CONFIG = "[server]\nhost-name={name}\nallow-interfaces={link}\nratelimit-burst=1000\n" \
    "[wide-area]\nenable-wide-area=no\n[publish]\npublish-workstation=no\npublish-hinfo=no\n"


def accepting(path):
    """Whether a server takes connections on the Unix socket at `path`: it is made before the
    server listens on it, and a game started in between finds no display."""
    with socket.socket(socket.AF_UNIX) as probe:
        return probe.connect_ex(path) == 0


class Side:
    """One side, run in its namespaces by this same script: once the test has given it its end of
    the veth pair, it sets itself up, then does what the test asks, one JSON line in and one out.
    What it started ends with its process namespace when it is done."""

    def __init__(self, name, game):
        link = f"veth-{name}"
        assert within(10, lambda: link in dict(socket.if_nameindex()).values())
        self.answers = os.fdopen(os.dup(1), "w")  # what the tools it runs print goes to stderr
        os.dup2(2, 1)
        for command in ("mount -t tmpfs -o mode=700 tmpfs /run", "mount -t tmpfs tmpfs /tmp",
                        f"hostname {name}", "ip link set lo up", f"ip link set {link} up",
                        f"ip addr add {SIDES[name]}/24 dev {link}"):
            subprocess.run(command.split(), check=True)
        # Its own name on loopback, as Debian's installer writes it: the address the game shows
        # is then that of the interface that is up.
        pathlib.Path("/run/hosts").write_text(f"127.0.1.1 {name}\n")
        subprocess.run(["mount", "--bind", "/run/hosts", "/etc/hosts"], check=True)
        pathlib.Path("/run/avahi.conf").write_text(AVAHI_CONFIG.format(name=name, link=link))
        # Its home and runtime folder are private too, /run mounted for its owner alone, as D-Bus
        # and Qt want of a runtime folder: its AT-SPI bus listens there.
        os.environ.update(DISPLAY=":0", DBUS_SYSTEM_BUS_ADDRESS=f"unix:path={SYSTEM_BUS}",
                          DBUS_SESSION_BUS_ADDRESS=f"unix:path={SESSION_BUS}",
                          HOME="/tmp", XDG_RUNTIME_DIR="/run",
                          QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8", LANGUAGE="")
        for server in ("Xvfb :0 -nolisten tcp -screen 0 800x600x24",
                       f"dbus-daemon --nofork --session --address=unix:path={SYSTEM_BUS}",
                       f"dbus-daemon --nofork --session --address=unix:path={SESSION_BUS}"):
            subprocess.Popen(server.split())
        assert within(10, lambda: all(map(accepting, (X_SERVER, SYSTEM_BUS, SESSION_BUS))))
        self.start_avahi()
        subprocess.Popen([game, "-platform", "xcb"])
        assert within(30, lambda: find("frame", "Tavelin")), "the game never showed"

    def start_avahi(self):
        self.avahi = subprocess.Popen(AVAHI)

    def hold_name(self, name):  # by a program of another protocol version: no game lists it
        self.holder = subprocess.Popen(f"avahi-publish -s {name} _tavelin._tcp 1007 txtvers=1 "
                                       "protovers=2".split(), stderr=subprocess.PIPE, text=True)
        assert self.holder.stderr.readline().startswith("Established"), "the name was not held"

    def stop(self, which):  # "avahi" or "holder"
        getattr(self, which).terminate()
        getattr(self, which).wait()

    click = staticmethod(click)  # where the player sees it

    key = staticmethod(lambda *names: xdotool("key", *names))

    def choose(self, item):
        self.click("menu item", "Game")
        self.click("menu item", item)

    texts = staticmethod(lambda role: sorted(o.name for o in objects(role)))

    def serve(self):
        for line in sys.stdin:
            request, *arguments = json.loads(line)
            print(json.dumps(getattr(self, request)(*arguments)), file=self.answers, flush=True)


class Test:
    def __init__(self, game):
        self.sides = {name: subprocess.Popen(
            "unshare --net --mount --uts --pid --fork --mount-proc --propagation private".split()
            + [sys.executable, os.path.abspath(__file__), "--side", name, game],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True) for name in SIDES}
        alpha, beta = self.sides.values()
        machine = os.readlink("/proc/self/ns/net")  # where the veth pair must never be made
        assert within(10, lambda: all(os.readlink(f"/proc/{side.pid}/ns/net") != machine
                                      for side in (alpha, beta)))
        subprocess.run(f"nsenter --net=/proc/{alpha.pid}/ns/net ip link add veth-alpha type veth "
                       f"peer name veth-beta netns {beta.pid}".split(), check=True)

    def ask(self, name, *request):
        print(json.dumps(request), file=self.sides[name].stdin, flush=True)
        return json.loads(self.sides[name].stdout.readline())

    def run(self):
        alpha, beta = (lambda *request, name=name: self.ask(name, *request) for name in SIDES)

        def until(seconds, side, role, seen):
            """Until seen() holds of the names `side` shows in `role`, within the seconds."""
            assert within(seconds, lambda: seen(side("texts", role))), side("texts", role)

        def until_listed(*entries):  # only the prompt's list has items
            until(15, beta, "list item", lambda items: items == list(entries))

        def offered_while(holder):  # held by a program of `holder`'s machine, the name moves on
            holder("hold_name", "alpha")
            alpha("choose", "Waiting for Connection")
            until_listed(RENAMED)
            holder("stop", "holder")

        beta("choose", "Connect to Opponent")
        offered_while(beta)  # met on the network while it is being claimed
        until(5, alpha, "label", lambda labels: "IP Address 10.36.0.1" in labels)
        alpha("choose", "Disconnect")
        until_listed()
        offered_while(alpha)  # refused by the host's own daemon
        beta("click", "text", "Input IP Address to Connect")
        beta("key", "Tab", "End", "Return")  # from the address down to the entry
        played = "Column 4, row 1: red"  # by the host, clicking until the greetings are through
        assert within(10, lambda: alpha("click", "push button", "Column 4") or
                      played in alpha("texts", "table cell"))
        until(10, beta, "table cell", lambda cells: played in cells)
        beta("stop", "avahi")
        beta("choose", "Disconnect")
        beta("choose", "Connect to Opponent")
        until(2, beta, "label", lambda labels: UNSEARCHABLE in labels)
        alpha("click", "push button", "OK")  # "Disconnected"
        alpha("choose", "Waiting for Connection")
        beta("start_avahi")  # the prompt searches once the daemon is there
        until_listed(ENTRY)
        assert UNSEARCHABLE not in beta("texts", "label")
        for side in alpha, beta:  # either daemon gone: nothing stale listed; back: found anew
            side("stop", "avahi")
            until_listed()
            side("start_avahi")
            until_listed(ENTRY)
        print("found on the network, played, and told when discovery is unavailable")


def main(play=Test.run, skipped=77):
    if sys.argv[1] == "--side":
        Side(sys.argv[2], sys.argv[3]).serve()
        return
    needed = "unshare nsenter ip avahi-daemon avahi-publish dbus-daemon Xvfb xdotool".split()
    if os.geteuid() != 0 or not all(map(shutil.which, needed)) or \
            subprocess.run(["unshare", "--net", "true"]).returncode != 0:
        print(f"skipped: needs root, network namespaces and {', '.join(needed)}")
        sys.exit(skipped)
    test = Test(sys.argv[1])
    try:
        play(test)
    finally:
        for side in test.sides.values():  # its requests over, each side ends
            side.communicate(timeout=20)


if __name__ == "__main__":
    main()
