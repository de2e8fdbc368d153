#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Frames in a real window: runs the program under Xvfb at 2x zoom with
Mesa's software GL, plays Air Hockey and drags a Pool aim with the mouse
moved by xdotool at 100 Hz, and prints the frame report of each run as a
table, for one build or two side by side (before and after a change).

    bench/frames/frame_bench.py [--before OLD/quintaro] build/quintaro

The program's CPU share is read from /proc over the driven part of each run
only; the machine's load average is printed beside it, since a busy machine
makes every figure noisier. QUINTARO_FRAME_BENCH_SECONDS sets how long each
case is driven (15 by default), QUINTARO_FRAME_BENCH_RUNS how many times
(1 by default; the table then shows each run's figures).
"""
import argparse
import math
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

ZOOM = 2
VIEW_LEFT, VIEW_TOP = 2, 48  # the playfield inside the window, in surface pixels
MOVE_HZ = 100
CASES = {
    # name: (where the title screen starts the game, how the mouse is driven)
    "Air Hockey, playing": ((455, 360), "airhockey"),
    "Pool, aiming drag": ((300, 330), "pool"),
}
# A press the program sees as one: a click with no time between its halves can be lost.
PRESS = ["mousedown", "1", "sleep", "0.05"]
REPORT = re.compile(r"frame-stats: (.*)")
PRESENT = re.compile(r"frame-present: (.*)")


def screen(x, y, origin):
    """A playfield point in screen pixels."""
    return origin[0] + (VIEW_LEFT + x) * ZOOM, origin[1] + (VIEW_TOP + y) * ZOOM


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def xdotool(env, *args):
    return subprocess.run(["xdotool", *map(str, args)], env=env, check=True, capture_output=True, text=True).stdout


def triangle(distance, span):
    """To and fro over `span` pixels: where a point `distance` along it is."""
    d = distance % (2 * span)
    return d if d < span else 2 * span - d


def path_points(kind, seconds):
    """The pointer's path, one playfield point per 1/MOVE_HZ second."""
    points = []
    for i in range(int(seconds * MOVE_HZ)):
        t = i / MOVE_HZ
        if kind == "airhockey":
            # Sweeps to and fro across the user's end at 300 pixels a second,
            # clear of the puck waiting on its spot (a goal would stop play
            # behind a message box): every move moves the mallet.
            points.append((70 + triangle(t * 300, 120), 340 + triangle(t * 50, 15)))
        else:
            # Circles round the cue ball with the button held: aiming, never shooting.
            points.append((300 + 80 * math.cos(t * 2.5), 200 + 60 * math.sin(t * 2.5)))
    return points


def drive(env, origin, kind, seconds):
    if kind == "airhockey":
        x, y = screen(129, 347, origin)  # the user's mallet at home: a press takes it
        xdotool(env, "mousemove", x, y, *PRESS, "mouseup", 1)
    else:
        x, y = screen(300, 200, origin)
        xdotool(env, "mousemove", x, y, *PRESS)
    args = []
    for px, py in path_points(kind, seconds):
        sx, sy = screen(int(px), int(py), origin)
        args += ["mousemove", str(sx), str(sy), "sleep", str(1 / MOVE_HZ)]
    subprocess.run(["xdotool", *args], env=env, check=True)


def window_origin(env):
    """Where the program's window lies on the screen. The window may be made
    anew while the renderer starts, so a window that went is looked for again."""
    for _ in range(20):
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Quintaro Games"],
                               env=env, capture_output=True, text=True).stdout.split()
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[0]] if found else ["false"],
                                  env=env, capture_output=True, text=True)
        if geometry.returncode == 0:
            pos = dict(line.split("=") for line in geometry.stdout.split())
            return int(pos["X"]), int(pos["Y"])
        time.sleep(0.5)
    sys.exit("the program's window did not appear")


def view_sample(env, origin):
    """A patch of the playfield's pixels, to tell the title screen from a game."""
    x, y = screen(130, 150, origin)
    return subprocess.run(["import", "-window", "root", "-crop", f"16x16+{x}+{y}", "-depth", "8", "rgb:-"],
                          env=env, capture_output=True).stdout


def start_game(env, origin, start):
    """A click on the title screen's table starts the game; a busy machine
    may lose the first, so the click is made until the picture changes. The
    pointer comes into the window before it presses."""
    title = view_sample(env, origin)
    for _ in range(5):
        xdotool(env, "mousemove", *screen(*start, origin), "sleep", "0.5", *PRESS, "mouseup", 1)
        time.sleep(2.0)
        if view_sample(env, origin) != title:
            return
    sys.exit("the title screen did not start the game")


def run_case(binary, env, start, kind, seconds):
    with tempfile.TemporaryDirectory() as home:
        run_env = dict(env, XDG_CONFIG_HOME=home, QUINTARO_FRAME_STATS="1")
        proc = subprocess.Popen([os.path.abspath(binary), f"--zoom={ZOOM}"], cwd=home, env=run_env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            time.sleep(3.0)  # a busy machine may take a while to start taking input
            origin = window_origin(env)
            start_game(env, origin, start)
            cpu0, wall0 = cpu_seconds(proc.pid), time.monotonic()
            drive(env, origin, kind, seconds)
            cpu = (cpu_seconds(proc.pid) - cpu0) / (time.monotonic() - wall0)
        finally:
            proc.send_signal(signal.SIGHUP)  # a hang-up closes the window at once
            _, err = proc.communicate(timeout=30)
    report = REPORT.search(err)
    present = PRESENT.search(err)
    fields = dict(kv.split("=") for kv in report.group(1).split()) if report else {}
    fields["cpu"] = f"{100 * cpu:.1f} %"
    fields["present"] = present.group(1) if present else "(not reported)"
    return fields


def display_answers(display):
    return subprocess.run(["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=display),
                          capture_output=True).returncode == 0


def start_xvfb(display):
    # The benchmark moves the pointer: it must never play on someone else's display.
    if display_answers(display):
        sys.exit(f"{display} is in use; choose a free display with --display")
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(50):
        if xvfb.poll() is None and display_answers(display):
            return xvfb
        time.sleep(0.1)
    xvfb.kill()
    sys.exit(f"Xvfb did not start on {display}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("after", help="the program to measure")
    parser.add_argument("--before", help="the program before the change, measured first")
    parser.add_argument("--display", default=":99", help="the Xvfb display to start (default :99)")
    parser.add_argument("--software-renderer", action="store_true",
                        help="SDL's software renderer through the renderer's path, whose presents are slow: "
                             "the game must keep its speed")
    args = parser.parse_args()
    seconds = float(os.environ.get("QUINTARO_FRAME_BENCH_SECONDS", "15"))
    runs = int(os.environ.get("QUINTARO_FRAME_BENCH_RUNS", "1"))
    env = dict(os.environ, DISPLAY=args.display, LIBGL_ALWAYS_SOFTWARE="1", SDL_AUDIODRIVER="dummy")
    if args.software_renderer:
        env.update(SDL_RENDER_DRIVER="software", QUINTARO_PRESENT="texture")
    builds = [("before", args.before)] if args.before else []
    builds.append(("after", args.after))
    xvfb = start_xvfb(args.display)
    try:
        print("| build | case | frames/s | interval median / p95 ms | input to present median / p95 ms "
              "| game speed | CPU of the program | load avg | presents through |")
        print("|---|---|---|---|---|---|---|---|---|")
        for _ in range(runs):
            for label, binary in builds:
                for case, (start, kind) in CASES.items():
                    load = os.getloadavg()[0]
                    f = run_case(binary, env, start, kind, seconds)
                    print(f"| {label} | {case} | {f.get('fps', '?')} | {f.get('interval_median_ms', '?')} / "
                          f"{f.get('interval_p95_ms', '?')} | {f.get('input_to_present_median_ms', '?')} / "
                          f"{f.get('input_to_present_p95_ms', '?')} | {f.get('game_speed', '?')} | {f['cpu']} "
                          f"| {load:.1f} | {f['present']} |", flush=True)
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
