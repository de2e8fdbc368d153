// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting a single dart and the dartboard, shared by the boards, sprites,
// cursors and the title screen.
#include "core/canvas.h"

namespace art {

// The players' colours: 0 blue, 1 red, 2 yellow, 3 green.
Rgb PlayerColor(int player);

// A dart from its tip to the end of its flight. `flightHalf` is half the
// flight's span; `foreshorten` < 1 draws the flight narrower (seen edge on).
void PaintDart(Canvas& c, float tipX, float tipY, float tailX, float tailY, Rgb flightColor, float flightHalf,
               float barrelHalf = 1.6f);

// The dartboard centred at (cx, cy): bull, singles, trebles, doubles, wire
// spider, number ring and rim, matching the scoring geometry.
void PaintDartboard(Canvas& c, float cx, float cy, float scale = 1.f, bool numbers = true);
// The segment number at an angle in degrees (counter-clockwise from the right).
int SegmentAt(float degrees);

}  // namespace art
