# SPDX-License-Identifier: GPL-3.0-or-later
"""A room server and headless drivers on 127.0.0.1, each driver following
lines written to it as the game goes, for the online play tests."""
import os
import subprocess
import sys
import threading

# The same driver the bench's people play through.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "driver"))
from headless import Driver, Lines  # noqa: E402,F401


class Server:
    def __init__(self, exe):
        self.proc = subprocess.Popen([exe, "--listen", "127.0.0.1:0"], stdout=subprocess.PIPE, text=True)
        out = Lines(self.proc.stdout, "server")
        self.port = int(out.until(r"listening on 127\.0\.0\.1:(\d+)").group(1))
        self.address = f"127.0.0.1:{self.port}"
        # Whatever else it says is read away, so it never waits on a full pipe.
        threading.Thread(target=self.proc.stdout.read, daemon=True).start()

    def stop(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


TWO_PLAYERS = "dialog 137 click 1002 ok"


def open_room(server, headless, new_game, players=(TWO_PLAYERS, TWO_PLAYERS), settings=((), ()),
              epoch=1700000000):
    """Ann makes a room for the game `new_game` (a menu command) opens, Bob
    joins it, Ann starts it; both wait until it has started on theirs."""
    ann, bob = Driver(headless, "ann"), Driver(headless, "bob")
    for driver, kept, seats in zip((ann, bob), settings, players):
        driver.send(f"epoch {epoch}", *kept, "start", "wait 5000", seats, "menu 32779", new_game)
    ann.send(f"online host {server.address} Ann")
    code = ann.until(r"online room (\S+) seat 0").group(1)
    bob.send(f"online join {server.address} {code} Bob")
    bob.until(r"online room \S+ seat 1")
    ann.send("online wait seats", "online start", "online wait started")
    bob.send("online wait started")
    return ann, bob


def run_with_server(server_exe, play, check=lambda drivers: None):
    """Runs play(server), which returns the drivers it used, then check(drivers);
    the drivers end with it, and so does the server, whatever happened."""
    server = Server(server_exe)
    drivers = ()
    try:
        drivers = play(server)
        check(drivers)
        for driver in drivers:
            driver.quit()
    finally:
        for driver in drivers:
            if driver.proc.poll() is None:
                driver.kill()
        server.stop()
