// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/title_regions.h"

#include "res/game_rows_data.h"
#include "res/screen_numbers.h"

bool HotRegion::Contains(int x, int y) const {
  // Sample the pixel's centre so that shared edges belong to one side only.
  const double px = x + 0.5;
  const double py = y + 0.5;
  bool inside = false;
  const std::size_t n = points.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const double xi = points[i].x, yi = points[i].y;
    const double xj = points[j].x, yj = points[j].y;
    if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

std::span<const HotRegion> TitleRegions() {
  static const std::vector<HotRegion> regions = [] {
    std::vector<HotRegion> all;
    for (const GameShellRow& row : kGameShellRows)
      for (const TitleOutline& outline : row.titleRegions)
        all.push_back({row.nScreen, {outline.begin(), outline.end()}});
    // The Hall of Fame's plaque on the wall.
    all.push_back({kScreenHallOfFame, {{374, 105}, {374, 50}, {561, 50}, {561, 105}}});
    return all;
  }();
  return regions;
}
