# SPDX-License-Identifier: GPL-3.0-or-later
"""Two real games on a network of their own find each other without an address being typed.

Each side is a network, mount and host-name namespace of its own, joined to the other by a veth
pair with private addresses: nothing is sent to any other network. Each has its own system bus
and Avahi daemon under a private /run, its own X server and session bus, and the game; the test
drives the games with the mouse and the keyboard and reads them through AT-SPI, as assistive
technology does. A process namespace of its own ends whatever a side started along with it.

Usage: find_on_the_network.py GAME   (as root; skipped, with a note, otherwise)"""
import json
import os
import shutil
import subprocess
import sys

from desktop import click, find, objects, within, xdotool

SIDES = {"alpha": "10.36.0.1", "beta": "10.36.0.2"}  # the host's, then the guest's
ENTRY = "alpha at 10.36.0.1:1007"  # the host, as the guest's prompt lists it
UNSEARCHABLE = "Games on the network cannot be searched for now."
SYSTEM_BUS, SESSION_BUS = "unix:path=/run/system_bus", "unix:path=/tmp/session_bus"
BUS_CONFIG = f"<busconfig><type>system</type><listen>{SYSTEM_BUS}</listen>" \
    '<auth>EXTERNAL</auth><policy context="default"><allow user="*"/><allow own="*"/>' + "".join(
        f'<allow {way}_type="{kind}"/>' for way in ("send", "receive")
        for kind in ("method_call", "signal", "method_return", "error")) + "</policy></busconfig>"
AVAHI_CONFIG = "[server]\nhost-name={name}\nallow-interfaces={link}\nratelimit-burst=1000\n" \
    "[wide-area]\nenable-wide-area=no\n[publish]\npublish-workstation=no\npublish-hinfo=no\n"


class Side:
    """One side, run in its namespaces by this same script: it sets itself up, then does what
    the test asks, one JSON line in and one out."""

    def __init__(self, name, game):
        self.name, self.link, self.game, self.processes = name, f"veth-{name}", game, []
        for folder in ("/run", "/tmp"):
            subprocess.run(["mount", "-t", "tmpfs", "tmpfs", folder], check=True)
        subprocess.run(["hostname", name], check=True)
        self.answers = os.fdopen(os.dup(1), "w")  # what the tools it runs print goes to stderr
        os.dup2(2, 1)
        os.environ.update(DBUS_SYSTEM_BUS_ADDRESS=SYSTEM_BUS,
                          DBUS_SESSION_BUS_ADDRESS=SESSION_BUS,
                          QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8", LANGUAGE="")

    def start(self, processes, **options):
        quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
        self.processes += [subprocess.Popen(args, **quiet, **options) for args in processes]

    def connect(self):
        """Once the test has given this side its end of the veth pair."""
        for command in ("link set lo up", f"addr add {SIDES[self.name]}/24 dev {self.link}",
                        f"link set {self.link} up"):
            subprocess.run(["ip", *command.split()], check=True)
        for path, text in (("/run/hosts", f"{SIDES[self.name]} {self.name}\n"),  # its own name
                           ("/run/dbus.conf", BUS_CONFIG),
                           ("/run/avahi.conf", AVAHI_CONFIG.format(**vars(self)))):
            with open(path, "w") as file:
                file.write(text)
        subprocess.run(["mount", "--bind", "/run/hosts", "/etc/hosts"], check=True)
        read, write = os.pipe()
        self.start([["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0",
                     "800x600x24"]], pass_fds=[write])
        os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
        self.start([["dbus-daemon", "--nofork", "--config-file=/run/dbus.conf"],
                    ["dbus-daemon", "--nofork", "--session", f"--address={SESSION_BUS}"]])
        assert within(10, lambda: os.path.exists("/run/system_bus"))
        self.start_avahi()
        self.start([[self.game, "-platform", "xcb"]])
        assert within(30, lambda: find("frame", "Tavelin")), "the game never showed"

    def start_avahi(self):
        self.start([["avahi-daemon", "-f", "/run/avahi.conf", "--no-drop-root", "--no-chroot",
                     "--no-rlimits"]])
        self.avahi = self.processes[-1]

    def stop_avahi(self):
        self.avahi.terminate()
        self.avahi.wait()

    click = staticmethod(click)  # where the player sees it

    key = staticmethod(lambda *names: xdotool("key", *names))

    def choose(self, item):
        self.click("menu item", "Game")
        self.click("menu item", item)

    texts = staticmethod(lambda role: sorted(o.name for o in objects(role)))

    def serve(self):
        for line in sys.stdin:
            request = json.loads(line)
            answer = getattr(self, request[0])(*request[1:])
            print(json.dumps(answer), file=self.answers, flush=True)
        for process in reversed(self.processes):
            process.terminate()


class Test:
    def __init__(self, game):
        script = os.path.abspath(__file__)
        self.sides = {name: subprocess.Popen(
            ["unshare", "--net", "--mount", "--uts", "--pid", "--fork", "--mount-proc",
             "--propagation", "private", sys.executable,
             script, "--side", name, game], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            text=True) for name in SIDES}
        alpha, beta = self.sides.values()
        within(10, lambda: all(os.readlink(f"/proc/{p.pid}/ns/net") != os.readlink(
            "/proc/self/ns/net") for p in (alpha, beta)))
        subprocess.run(["nsenter", f"--net=/proc/{alpha.pid}/ns/net", "ip", "link", "add",
                        "veth-alpha", "type", "veth", "peer", "name", "veth-beta", "netns",
                        str(beta.pid)], check=True)
        for name in SIDES:
            self.ask(name, "connect")

    def ask(self, name, *request):
        print(json.dumps(request), file=self.sides[name].stdin, flush=True)
        return json.loads(self.sides[name].stdout.readline())

    def run(self):
        alpha, beta = (lambda *request, name=name: self.ask(name, *request) for name in SIDES)

        def until(seconds, side, role, seen):
            """Until seen() holds of the names `side` shows in `role`, within the seconds."""
            assert within(seconds, lambda: seen(side("texts", role))), side("texts", role)

        def until_listed(*entries, seconds=3):  # only the prompt's list has items
            until(seconds, beta, "list item", lambda items: items == list(entries))

        beta("choose", "Connect to Opponent")
        alpha("choose", "Waiting for Connection")
        until_listed(ENTRY)
        alpha("choose", "Disconnect")
        until_listed()
        alpha("choose", "Waiting for Connection")
        until_listed(ENTRY)
        beta("click", "text", "Input IP Address to Connect")
        beta("key", "Tab", "End", "Return")  # from the address down to the entry
        played = "Column 4, row 1: red"  # by the host, clicking until the greetings are through
        assert within(10, lambda: alpha("click", "push button", "Column 4") or
                      played in alpha("texts", "table cell"))
        until(10, beta, "table cell", lambda cells: played in cells)
        beta("stop_avahi")
        beta("choose", "Disconnect")
        beta("choose", "Connect to Opponent")
        until(2, beta, "label", lambda labels: UNSEARCHABLE in labels)
        alpha("click", "push button", "OK")  # "Disconnected"
        alpha("choose", "Waiting for Connection")
        beta("start_avahi")  # the prompt searches once the daemon is there
        until_listed(ENTRY, seconds=10)
        assert UNSEARCHABLE not in beta("texts", "label")
        print("found on the network, played, and told when discovery is unavailable")

    def close(self):
        for side in self.sides.values():
            side.communicate(timeout=20)


def main(play=Test.run, skipped=77):
    if sys.argv[1] == "--side":
        Side(sys.argv[2], sys.argv[3]).serve()
        return
    needed = ["unshare", "nsenter", "ip", "avahi-daemon", "dbus-daemon", "Xvfb", "xdotool"]
    if os.geteuid() != 0 or subprocess.run(["unshare", "--net", "true"]).returncode != 0 or \
            not all(map(shutil.which, needed)):
        print(f"skipped: needs root, network namespaces and {', '.join(needed)}")
        sys.exit(skipped)
    test = Test(sys.argv[1])
    try:
        play(test)
    finally:
        test.close()


if __name__ == "__main__":
    main()
