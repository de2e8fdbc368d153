#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A person plays classic 8-ball Pool in the real window, with xdotool.

  DISPLAY=:N window_pool_person.py AIM_SD SEED

The program runs at --zoom=2 with the Pool table up, the person in the first
seat (named Reader) and a computer in the second. The person sees what a
player sees: the balls are found in a screenshot (felt-coloured pixels
masked out, ball centres at the peaks of the distance to the felt; a ball
whose disc is mostly white is the cue ball, a third white a stripe, dark the
8) and the status line is read with tesseract. It takes the pot a club player
would see (straightest cut, clear lines), calls the pocket on the 8, and
drags the cue back at a hand's speed with an aim error of AIM_SD degrees
(0.8 is a steady regular). Needs python3-pil, python3-scipy, tesseract-ocr.
VIEW=X,Y is where the table's (0,0) lands on the screen, ZOOM how many screen
pixels a table pixel takes (2 in the desktop window at --zoom=2; the page scales
to fit its window). NAME is the person's name on the status line (Reader); the
person plays only when the line names it to play and waits otherwise (the
other seat's turn, "Ann is playing." or "Waiting for Ann" in a room online).
SHOTDIR gets its screenshots, each named after the person.
"""
import os, math, random, re, subprocess, sys, time
import numpy as np
from PIL import Image
from scipy import ndimage
from persons.pool_aim import CALL, MOUTHS, plan, stroke
OX, OY = (float(v) for v in os.environ.get("VIEW", "198.6,125.4").split(","))
Z = float(os.environ.get("ZOOM", "2"))  # screen pixels per table pixel (the page scales to fit)
NAME = os.environ.get("NAME", "Reader")
SHOTDIR = os.environ.get("SHOTDIR", "/tmp")
def to_game(sx, sy): return ((sx - OX) / Z, (sy - OY) / Z)
def to_screen(gx, gy): return (OX + Z * gx, OY + Z * gy)
def status(img):
    # The status line runs along the window's foot, below the table.
    x0, y0 = to_screen(0, 405); x1, y1 = to_screen(450, 420)
    im = img.convert('L').crop((int(x0), int(y0), int(x1), int(y1))).resize((1800, 60))
    path = '/tmp/pool_person_status_%d.png' % os.getpid()
    im.save(path)
    return subprocess.run(['tesseract', path, '-', '--psm', '7'], capture_output=True, text=True).stdout.strip()
MINE = {'last': False}  # whose turn the last line that named a player gave
def my_turn(st):
    # The line names the person to play ("Reader, shoots at solids.", "Reader
    # breaks: ...", a foul first and then "Reader, ball in hand"). Online, the
    # other seat's turn reads "Ann is playing." or "Waiting for Ann". Lines
    # that name nobody ("Select Pocket for 8 ball.", "Illegal shot - try
    # again") keep the turn where the last named one put it.
    if 'is playing' in st or 'Waiting for' in st or 'Reconnecting' in st:
        MINE['last'] = False
        return False
    # (the comma after the name may be read as a full stop)
    if re.search(re.escape(NAME) + r'(\s*[,.;]| breaks| pushes)', st): MINE['last'] = True
    elif re.search(r'\w+(,| breaks| pushes| is )', st) and 'Select' not in st and 'Illegal' not in st: MINE['last'] = False
    return MINE['last']
def balls(img):
    a = np.asarray(img.convert('RGB')).astype(int)
    x0, y0 = map(int, to_screen(92 - 7, 90 - 7)); x1, y1 = map(int, to_screen(509 + 7, 295 + 7))
    sub = a[y0:y1, x0:x1]
    r, g, b = sub[..., 0], sub[..., 1], sub[..., 2]
    felt = (g > r + 50) & (g > b + 25) & (g > 120)
    rail = (r > 60) & (r > g) & (g > b) & (r - b > 40)  # wooden cushions at the edges
    mask = ~felt
    mask[:6, :] = mask[-6:, :] = False; mask[:, :6] = mask[:, -6:] = False
    mask = ndimage.binary_opening(mask, iterations=2)
    dist = ndimage.distance_transform_edt(mask)
    peaks = (dist == ndimage.maximum_filter(dist, size=15)) & (dist >= 9)
    lab, n = ndimage.label(peaks)
    out = []
    for c in ndimage.center_of_mass(peaks, lab, range(1, n + 1)):
        cy, cx = c
        yy, xx = np.ogrid[:sub.shape[0], :sub.shape[1]]
        disc = (yy - cy) ** 2 + (xx - cx) ** 2 <= 13 ** 2
        px = sub[disc]
        white = np.mean(px.min(axis=1) > 175)
        dark = np.mean(px.max(axis=1) < 60)
        kind = 'cue' if white > 0.5 else 'eight' if dark > 0.45 else 'stripe' if white > 0.27 else 'solid'
        gx, gy = to_game(x0 + cx, y0 + cy)
        out.append((round(gx, 1), round(gy, 1), kind, round(white, 2), round(dark, 2)))
    # peaks closer than a ball are one ball
    merged = []
    for bl in out:
        if all((bl[0] - m[0]) ** 2 + (bl[1] - m[1]) ** 2 > 8 ** 2 for m in merged): merged.append(bl)
    return merged
AIM_SD = 0.8   # degrees, and the hand's numbers: both from the command line
rng = random.Random(1)
def xdo(*a): subprocess.run(['xdotool', *map(str, a)], check=True)
def shot():
    subprocess.run(['import', '-window', 'root', '/tmp/pool_person_%d.png' % os.getpid()], check=True)
    return Image.open('/tmp/pool_person_%d.png' % os.getpid()).convert('RGB')
KITCHEN_X = 400  # a ball this far right is behind the head string (with a ball's margin)
def plan_shot(table, group, in_hand=False):
    # From the hand the cue ball must cross the head string before it meets a ball.
    return plan(table, group, lambda ghost, ball: not (in_hand and ball[0] > KITCHEN_X))
def drag(cue, target, dist):
    start, end = stroke(cue, target, dist, rng, AIM_SD)
    sx, sy = to_screen(*start); xdo('mousemove', int(sx), int(sy)); time.sleep(0.3)
    xdo('mousedown', 1)
    for i in range(1, 13):
        t = i / 12; x = start[0] + (end[0] - start[0]) * t; y = start[1] + (end[1] - start[1]) * t
        ex, ey = to_screen(x, y); xdo('mousemove', int(round(ex)), int(round(ey))); time.sleep(0.06)
    time.sleep(0.5); xdo('mouseup', 1)
def still():
    a = np.asarray(shot()); time.sleep(0.5); b = np.asarray(shot())
    return not np.any(a[200:900] != b[200:900])

def main():
    global AIM_SD, rng
    if len(sys.argv) > 1: AIM_SD = float(sys.argv[1])
    if len(sys.argv) > 2: rng = random.Random(int(sys.argv[2]))
    # Watching the other seat takes no steps: the person plays until the game ends or time runs out.
    deadline = time.monotonic() + float(os.environ.get("MINUTES", "40")) * 60
    step = 0
    group, in_hand = None, False
    while time.monotonic() < deadline:
        step += 1
        img = shot(); st = status(img)
        if 'win' in st.lower() or 'lose' in st.lower():
            print('END:', st, flush=True); img.save(os.path.join(SHOTDIR, 'pool_end_%s.png' % NAME)); break
        if not my_turn(st):
            time.sleep(1.0); continue
        if not still(): time.sleep(0.5); continue
        # The line is read again once the table rests: the shot may have ended the game.
        img = shot(); st = status(img)
        if 'win' in st.lower() or 'lose' in st.lower() or not my_turn(st): continue
        table = [b for b in balls(img)
                               if all(math.hypot(b[0] - m[0], b[1] - m[1]) > 13 for m in MOUTHS)]
        cue = next((b for b in table if b[2] == 'cue'), None)
        low = st.lower()
        # A line that names no group ("Illegal shot - try again") leaves the last one read.
        if '8' in low or 'eight' in low: group = 'eight'
        elif 'solid' in low: group = 'solid'
        elif 'stripe' in low: group = 'stripe'
        elif 'open' in low or group is None: group = 'open'
        if cue is None:   # in hand: put it down in the kitchen
            sx, sy = to_screen(450, 192 + rng.randint(-40, 40)); xdo('mousemove', int(sx), int(sy)); time.sleep(0.4)
            xdo('click', 1); time.sleep(1.0); in_hand = True; continue
        in_hand = in_hand or 'illegal' in low
        planned = plan_shot(table, group, in_hand)
        if planned is None: time.sleep(1.0); continue
        target, dist, pocket = planned
        if group == 'eight':
            cx, cy = to_screen(*CALL[pocket]); xdo('mousemove', int(cx), int(cy)); time.sleep(0.4); xdo('click', 1); time.sleep(0.6)
        print(step, st, 'group', group, 'balls', len(table), 'target', [round(v) for v in target], flush=True)
        img.save(os.path.join(SHOTDIR, 'pool_%s_shot%03d.png' % (NAME, step))); drag(cue[:2], target, dist); time.sleep(2.0)
        in_hand = False  # an illegal shot from the hand says so and is played again

if __name__ == '__main__':
    main()
