// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game props for the shell's pictures: balls, pins and trophies, lit from the upper left.
#include "core/canvas.h"

namespace art {

void PaintBasketball(Canvas& c, float cx, float cy, float r);
void PaintFootball(Canvas& c, float cx, float cy, float rx, float ry, float angleDeg);
void PaintBowlingPin(Canvas& c, float cx, float baseY, float height);
void PaintBowlingBall(Canvas& c, float cx, float cy, float r, Rgb color);
void PaintPoolBall(Canvas& c, float cx, float cy, float r, Rgb color, bool stripe);
void PaintTrophy(Canvas& c, float cx, float baseY, float height);

}  // namespace art
