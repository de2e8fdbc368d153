# SPDX-License-Identifier: GPL-3.0-or-later
"""A room server and headless drivers on 127.0.0.1, each driver following
lines written to it as the game goes, for the online play tests."""
import queue
import re
import subprocess
import threading
import time

TIMEOUT = 30


class Lines:
    """A process's output lines, read on a thread so a wait can time out."""

    def __init__(self, stream, name):
        self.name = name
        self.lines = queue.Queue()
        self.seen = []
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for line in stream:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def until(self, pattern, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            try:
                line = self.lines.get(timeout=max(left, 0.01))
            except queue.Empty:
                line = None
                left = -1
            if line is None:  # timed out, or the process ended
                raise AssertionError(f"{self.name}: no line matching {pattern!r}; last lines:\n" +
                                     "\n".join(self.seen[-25:]))
            self.seen.append(line)
            match = re.search(pattern, line)
            if match:
                return match


class Server:
    def __init__(self, exe):
        self.proc = subprocess.Popen([exe, "--listen", "127.0.0.1:0"], stdout=subprocess.PIPE, text=True)
        out = Lines(self.proc.stdout, "server")
        self.port = int(out.until(r"listening on 127\.0\.0\.1:(\d+)").group(1))
        self.address = f"127.0.0.1:{self.port}"

    def stop(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


class Driver:
    def __init__(self, exe, name):
        self.proc = subprocess.Popen([exe, "-", "--follow"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True)
        self.out = Lines(self.proc.stdout, name)

    def send(self, *lines):
        self.proc.stdin.write("".join(line + "\n" for line in lines))
        self.proc.stdin.flush()

    def until(self, pattern, timeout=TIMEOUT):
        return self.out.until(pattern, timeout)

    def state(self):
        self.send("state")
        return self.until(r"\] state (\{.*\})$").group(1)

    def quit(self):
        """Ends the program; every expectation and wait of its script must have held."""
        self.send("quit")
        self.proc.stdin.close()
        code = self.proc.wait(timeout=20)
        if code != 0:
            raise AssertionError(f"{self.out.name} ended with {code}:\n" + "\n".join(self.out.seen[-25:]))

    def drifts(self):
        return sum("online drift" in line for line in self.out.seen)

    def kill(self):
        self.proc.kill()
        self.proc.wait(timeout=10)
