// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the game playfields.
#include <string_view>

#include "core/canvas.h"

namespace art {

// A shadowed title in the bold font, centred on x.
void PlayfieldTitle(Canvas& c, std::string_view text, float x, float y, Rgb color, int size = 28);
// A small label for a score box, centred on x.
void BoxLabel(Canvas& c, std::string_view text, float x, float y, Rgb color, int size = 12);
// A dark panel with a bevelled metal edge, for scoreboards.
void ScorePanel(Canvas& c, float x0, float y0, float x1, float y1);

}  // namespace art
