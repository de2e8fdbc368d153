// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title screen's clickable regions: polygons over the picture, each
// naming the screen a click there opens. The games' come from their rows
// (res/game_rows_data.h); the Hall of Fame's plaque comes last.
#include <span>
#include <vector>

#include "platform/rect.h"

struct HotRegion {
  int nGameType;
  std::vector<POINT> points;
  // Alternate (even-odd) fill rule, as a polygon region is filled.
  bool Contains(int x, int y) const;
};

// Every game's regions in the rows' order, then the Hall of Fame's. No two
// overlap, so the order decides nothing.
std::span<const HotRegion> TitleRegions();
