// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title screen's clickable regions: polygons over the picture, each
// naming the screen a click there opens.
#include <span>
#include <vector>

#include "platform/rect.h"

struct HotRegion {
  int nGameType;
  std::vector<POINT> points;
  // Alternate (even-odd) fill rule, as a polygon region is filled.
  bool Contains(int x, int y) const;
};

// The ten regions in list order.
std::span<const HotRegion> TitleRegions();
