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
