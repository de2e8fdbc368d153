// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the basketball pictures: the ball at any size and spin,
// the hoop's ring and the net, all placed from the game's geometry.
#include "core/canvas.h"

namespace art::bball {

// A basketball centred at (cx, cy), radius r, its seams turned by `turn` (radians).
void PaintBall(Canvas& c, float cx, float cy, float r, float turn);
// The ring of the hoop as seen from the front, at board-local coordinates.
struct Hoop {
  float cx, y, rx, ry;
};
Hoop HoopOnBoard();
// The back half of the ring (behind the net and ball) and the front half.
void PaintRimBack(Canvas& c, const Hoop& h);
void PaintRimFront(Canvas& c, const Hoop& h);
// The net hanging from the ring, `stretch` pulling it down and in (0 at
// rest), `sway` swinging its foot sideways, `bulge` widening it at height
// `bulgeY` around a ball dropping through.
void PaintNet(Canvas& c, const Hoop& h, float stretch, float sway, float bulge, float bulgeY);

}  // namespace art::bball
