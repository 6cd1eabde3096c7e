# SPDX-License-Identifier: GPL-3.0-or-later
"""Two real games on a network of their own find each other without an address being typed.

Each side is a network, mount and host-name namespace of its own, joined to the other by a veth
pair with private addresses: nothing is sent to any other network. Each has its own system bus
and Avahi daemon under a private /run, its own X server and session bus, and the game; the test
drives the games with the mouse and reads them through AT-SPI, as assistive technology does.
With --bench N it measures, N times, how long a game that starts waiting takes to be listed.

Usage: find_on_the_network.py GAME [--bench N]   (as root; skipped, with a note, otherwise)"""
import json
import os
import shutil
import statistics
import subprocess
import sys
import time

SIDES = {"alpha": "10.36.0.1", "beta": "10.36.0.2"}  # the host's, then the guest's
LIST = "Games waiting on the network"
UNSEARCHABLE = "Games on the network cannot be searched for now."
BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:path=/run/dbus/system_bus_socket</listen>
<auth>EXTERNAL</auth><policy context="default"><allow user="*"/><allow own="*"/>
<allow send_type="method_call"/><allow send_type="signal"/><allow send_type="method_return"/>
<allow send_type="error"/><allow receive_type="method_call"/><allow receive_type="signal"/>
<allow receive_type="method_return"/><allow receive_type="error"/></policy></busconfig>"""
AVAHI_CONFIG = "[server]\nhost-name={name}\nallow-interfaces={link}\nratelimit-burst=1000\n" \
    "[wide-area]\nenable-wide-area=no\n[publish]\npublish-workstation=no\npublish-hinfo=no\n"


def within(seconds, find):
    """What find() finds before the time is up, asked every twentieth of a second, or None."""
    deadline = time.monotonic() + seconds
    while not (found := find()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return found


class Side:
    """One side, run in its namespaces by this same script: it sets itself up, then does what
    the test asks, one JSON line in and one out."""

    def __init__(self, name, game):
        self.name, self.link = name, f"veth-{name}"
        for folder in ("/run", "/tmp"):
            subprocess.run(["mount", "-t", "tmpfs", "tmpfs", folder], check=True)
        subprocess.run(["hostname", name], check=True)
        self.game, self.processes = game, []
        self.answers = os.fdopen(os.dup(1), "w")  # what the tools it runs print goes to stderr
        os.dup2(2, 1)
        os.environ.update(DBUS_SYSTEM_BUS_ADDRESS="unix:path=/run/dbus/system_bus_socket",
                          DBUS_SESSION_BUS_ADDRESS="unix:path=/tmp/session_bus",
                          QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8", LANGUAGE="")

    def start(self, processes):
        self.processes += [subprocess.Popen(args, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL) for args in processes]

    def connect(self):
        """Once the test has given this side its end of the veth pair."""
        for command in ("link set lo up", f"addr add {SIDES[self.name]}/24 dev {self.link}",
                        f"link set {self.link} up"):
            subprocess.run(["ip", *command.split()], check=True)
        with open("/run/hosts", "w") as hosts:  # the game looks its own address up
            hosts.write(f"127.0.0.1 localhost\n{SIDES[self.name]} {self.name}\n")
        subprocess.run(["mount", "--bind", "/run/hosts", "/etc/hosts"], check=True)
        os.makedirs("/run/dbus")
        with open("/run/dbus.conf", "w") as config:
            config.write(BUS_CONFIG)
        with open("/run/avahi.conf", "w") as config:
            config.write(AVAHI_CONFIG.format(name=self.name, link=self.link))
        read, write = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0", "800x600x24"],
            pass_fds=[write], stderr=subprocess.DEVNULL))
        os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
        self.start([["dbus-daemon", "--nofork", "--config-file=/run/dbus.conf"],
                    ["dbus-daemon", "--nofork", "--session", "--address=unix:path=/tmp/session_bus"]])
        assert within(10, lambda: os.path.exists("/run/dbus/system_bus_socket"))
        self.start_avahi()
        self.processes.append(subprocess.Popen([self.game, "-platform", "xcb"], stderr=open("/run/game.log", "w")))
        import pyatspi  # now that the session bus is there
        self.atspi = pyatspi
        assert within(30, lambda: self.find("frame", "Tavelin")), "the game never showed"

    def start_avahi(self):
        self.start([["avahi-daemon", "-f", "/run/avahi.conf", "--no-drop-root", "--no-chroot",
                     "--no-rlimits"]])
        self.avahi = self.processes[-1]

    def stop_avahi(self):
        self.avahi.terminate()
        self.avahi.wait()

    def objects(self, role, root=None):
        """The game's showing accessible objects of this role, below `root`."""
        if root is None:
            found = [app for app in self.atspi.Registry.getDesktop(0) if app and app.name.lower() == "tavelin"]
            return [o for app in found for o in self.objects(role, app)]
        found = [root] if root.getRoleName() == role else []
        for child in root:
            if child and child.getState().contains(self.atspi.STATE_SHOWING):
                found += self.objects(role, child)
        return found

    def find(self, role, name):
        return next((o for o in self.objects(role) if o.name.strip() == name), None)

    def click(self, role, name):
        """A click where the player sees it."""
        target = within(10, lambda: self.find(role, name))
        box = target.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1"], check=True)

    def choose(self, item):
        self.click("menu item", "Game")
        self.click("menu item", item)

    def texts(self, role, list_name=None):
        roots = self.objects("list") if list_name else [None]
        return sorted(o.name for root in roots if not root or root.name == list_name
                      for o in self.objects(role, root))

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
        side = self.sides[name]
        side.stdin.write(json.dumps(request) + "\n")
        side.stdin.flush()
        return json.loads(side.stdout.readline())

    def listed(self):
        return [e for e in self.ask("beta", "texts", "list item", LIST) if e.startswith("alpha at")]

    def until_listed(self, listed=True):
        """Seconds from now until the guest lists the host (or no longer does)."""
        start = time.monotonic()
        assert within(3, lambda: bool(self.listed()) == listed), f"listed is not {listed}"
        return time.monotonic() - start

    def run(self):
        self.ask("beta", "choose", "Connect to Opponent")
        assert within(5, lambda: self.ask("beta", "texts", "list", None)), "no prompt"
        self.ask("alpha", "choose", "Waiting for Connection")
        self.until_listed()
        assert self.listed() == ["alpha at 10.36.0.1:1007"], self.listed()
        self.ask("alpha", "choose", "Disconnect")
        self.until_listed(False)
        self.ask("alpha", "choose", "Waiting for Connection")
        self.until_listed()
        self.ask("beta", "click", "list item", "alpha at 10.36.0.1:1007")
        self.ask("beta", "click", "push button", "OK")
        for name, peer in (("alpha", "beta"), ("beta", "alpha")):
            assert within(10, lambda: f"{name} Connected {peer}" in self.ask(name, "texts", "label"))
        self.ask("alpha", "click", "push button", "Column 4")
        for name in SIDES:
            assert within(5, lambda: "Column 4, row 1: red" in self.ask(name, "texts", "table cell"))
        self.ask("beta", "stop_avahi")
        self.ask("beta", "choose", "Disconnect")
        self.ask("beta", "choose", "Connect to Opponent")
        assert within(2, lambda: UNSEARCHABLE in self.ask("beta", "texts", "label"))
        self.ask("alpha", "click", "push button", "OK")  # "Disconnected"
        self.ask("alpha", "choose", "Waiting for Connection")
        self.ask("beta", "start_avahi")  # the prompt searches once the daemon is there
        assert within(10, self.listed) and UNSEARCHABLE not in self.ask("beta", "texts", "label")
        print("found on the network, played, and told when discovery is unavailable")

    def bench(self, times):
        self.ask("beta", "choose", "Connect to Opponent")
        figures = []
        for _ in range(times):
            self.ask("alpha", "choose", "Waiting for Connection")
            figures.append(self.until_listed())
            self.ask("alpha", "choose", "Disconnect")
            self.until_listed(False)
        print(f"listed after waiting: mean {statistics.mean(figures):.2f} s, "
              f"min {min(figures):.2f} s, max {max(figures):.2f} s over {times}")

    def close(self):
        for side in self.sides.values():
            side.stdin.close()
            side.wait(20)


def main():
    if sys.argv[1] == "--side":
        Side(sys.argv[2], sys.argv[3]).serve()
        return
    needed = ["unshare", "nsenter", "ip", "avahi-daemon", "dbus-daemon", "Xvfb", "xdotool"]
    if os.geteuid() != 0 or subprocess.run(["unshare", "--net", "true"]).returncode != 0 or \
            not all(map(shutil.which, needed)):
        print(f"skipped: needs root, network namespaces and {', '.join(needed)}")
        sys.exit(0 if "--bench" in sys.argv else 77)
    test = Test(sys.argv[1])
    try:
        test.bench(int(sys.argv[3])) if sys.argv[2:3] == ["--bench"] else test.run()
    finally:
        test.close()


if __name__ == "__main__":
    main()
