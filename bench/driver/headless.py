# SPDX-License-Identifier: GPL-3.0-or-later
"""One headless program run with --follow: lines are written to it as the
game goes and its transcript is read as it comes, so every wait for a line
can time out. The bench's people and the online tests both play through it.

What the transcript tells along the way is kept: the status line's texts,
the message boxes, the sounds (with their ticks), the winner the status line
last named and the tick of the last state dump.
"""
import collections
import json
import os
import re
import select
import subprocess
import sys
import time

TIMEOUT = 30  # s of real time a wait for a line may take
ECHO = bool(os.environ.get("OPPONENTS_DEBUG"))  # copy the transcript to standard error


class Lines:
    """A process's output lines, read as they come; a wait for one can time out."""

    def __init__(self, stream, name, note=None):
        self.name = name
        self.fd = stream.fileno()
        self.partial = b""
        self.ready = collections.deque()
        self.ended = False
        self.seen = []
        self.note = note

    def _fill(self, timeout):
        """Reads what the process has written, waiting at most timeout s for it."""
        if not select.select([self.fd], [], [], max(timeout, 0))[0]:
            return
        chunk = os.read(self.fd, 1 << 16)
        if not chunk:
            self.ended = True
            return
        *lines, self.partial = (self.partial + chunk).split(b"\n")
        self.ready.extend(line.decode("utf-8", "replace") for line in lines)

    def next(self, timeout=TIMEOUT):
        """The next line, or None when none came in time or the process ended."""
        deadline = time.monotonic() + timeout
        while not self.ready and not self.ended:
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            self._fill(left)
        if not self.ready:
            return None
        line = self.ready.popleft()
        self.seen.append(line)
        if self.note:
            self.note(line)
        return line

    def until(self, pattern, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while True:
            line = self.next(deadline - time.monotonic())
            if line is None:  # timed out, or the process ended
                raise AssertionError(f"{self.name}: no line matching {pattern!r}; last lines:\n" +
                                     "\n".join(self.seen[-25:]))
            match = re.search(pattern, line)
            if match:
                return match


def tick_of(line):
    return int(line[1:line.index("]")])


class Driver:
    """quintaro-headless reading its script from standard input as it is written."""

    def __init__(self, exe, name="driver"):
        self.proc = subprocess.Popen([exe, "-", "--follow"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True)
        self.statuses = []  # the status line's texts, as they came
        self.boxes = []  # the message boxes' lines
        self.sounds = []  # (tick, id) of the sounds played
        self.winner = None  # the name the status line last called the winner
        self.tick = 0  # of the last state dump
        self.out = Lines(self.proc.stdout, name, self._note)

    @property
    def name(self):
        return self.out.name

    def _note(self, line):
        if ECHO:
            sys.stderr.write(line + "\n")
        if " sound " in line:
            self.sounds.append((tick_of(line), int(line.split(" sound ", 1)[1].split()[0])))
        elif " msgbox " in line:
            self.boxes.append(line)
        elif " status \"" in line:
            self.statuses.append(line.split(" status ", 1)[1].strip().strip('"'))
            if self.statuses[-1].endswith(" wins. Click to play again."):
                self.winner = self.statuses[-1].split(" wins.")[0]

    def send(self, *lines):
        self.proc.stdin.write("".join(line + "\n" for line in lines))
        self.proc.stdin.flush()

    def until(self, pattern, timeout=TIMEOUT):
        return self.out.until(pattern, timeout)

    def state(self):
        """The state dump as the program printed it."""
        self.send("state")
        match = self.until(r"^\[(\d+)\] state (\{.*\})$")
        self.tick = int(match.group(1))
        return match.group(2)

    def see(self):
        """What a player sees: the state dump, read."""
        return json.loads(self.state())

    def drifts(self):
        """Turns this machine played otherwise than the mover's record said."""
        return sum("online drift" in line for line in self.out.seen)

    def quit(self):
        """Ends the program; every expectation and wait of its script must have held."""
        self.send("quit")
        self.proc.stdin.close()
        code = self.proc.wait(timeout=20)
        if code != 0:
            raise AssertionError(f"{self.name} ended with {code}:\n" + "\n".join(self.out.seen[-25:]))

    def close(self):
        """Ends the program, however its script went."""
        try:
            self.send("quit")
            self.proc.stdin.close()
        except BrokenPipeError:
            pass
        self.proc.wait(timeout=20)

    def kill(self):
        self.proc.kill()
        self.proc.wait(timeout=10)
