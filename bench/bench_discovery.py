# SPDX-License-Identifier: GPL-3.0-or-later
"""How soon a game that starts waiting is listed in another machine's address prompt, over a
network of the benchmark's own (that of tests/desktop/find_on_the_network.py, as root only).

Usage: bench_discovery.py GAME [TIMES]"""
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "desktop"))
import find_on_the_network as network  # noqa: E402


def until_listed(test, *entries):
    """The seconds until the guest's prompt lists exactly these games."""
    start = time.monotonic()
    assert network.within(10, lambda: test.ask("beta", "texts", "list item") == list(entries))
    return time.monotonic() - start


def listing(test):
    test.ask("beta", "choose", "Connect to Opponent")
    prompt = "Games waiting on the network"
    assert network.within(5, lambda: prompt in test.ask("beta", "texts", "list"))
    figures = []
    for _ in range(int(sys.argv[2]) if len(sys.argv) > 2 else 10):
        test.ask("alpha", "choose", "Waiting for Connection")
        figures.append(until_listed(test, network.ENTRY))
        test.ask("alpha", "choose", "Disconnect")
        until_listed(test)
    print(f"listed after waiting: mean {statistics.mean(figures):.2f} s, "
          f"min {min(figures):.2f} s, max {max(figures):.2f} s over {len(figures)}")


if __name__ == "__main__":
    network.main(listing, skipped=0)
