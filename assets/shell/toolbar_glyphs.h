// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool bar strip's 16 x 15 pictures: the eight buttons' in tool bar
// order, then the muted speaker the Sound button shows while sound is off.
#include "core/canvas.h"

namespace art {

inline constexpr int kToolbarGlyphCount = 9;

// Paints every picture side by side into `strip` (144 x 15, face already laid).
void PaintToolbarGlyphs(Canvas& strip);

}  // namespace art
