// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon, a dartboard with a dart in it: the 32 x 32 window icon
// and the desktop's icons from 16 to 256 pixels, each drawn at its own size
// (fewer, bolder details when small; wires and numbers when large).
#include <array>

#include "core/canvas.h"

namespace art {

// The sizes of the desktop's hicolor icon theme we install.
inline constexpr std::array<int, 7> kDesktopIconSizes = {16, 24, 32, 48, 64, 128, 256};

Canvas PaintAppIcon(int size);

// A dartboard simplified for icon sizes: bold rings, no wires or numbers,
// `segments` alternating wedges (20 on a real board).
void PaintIconBoard(Canvas& c, float cx, float cy, float r, int segments = 20);

}  // namespace art
