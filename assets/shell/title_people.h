// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The people of the title screen, each inside the region that starts their game.
#include "core/canvas.h"

namespace art {

void PaintBasketballPlayer(Canvas& c);
void PaintQuarterback(Canvas& c);
void PaintDartsPlayer(Canvas& c);

}  // namespace art
