// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/title_regions.h"

#include "res/game_screens.h"

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
  static const std::vector<HotRegion> regions = {
      {kScreenBasketball, {{29, 360}, {29, 308}, {40, 291}, {40, 179}, {62, 154}, {117, 154}, {117, 330}, {100, 360}}},
      {kScreenBasketball, {{38, 124}, {38, 56}, {99, 56}, {99, 71}, {134, 71}, {134, 88}, {175, 88}, {175, 105}, {99, 105},
           {99, 124}}},
      {kScreenFootball, {{122, 360}, {122, 305}, {133, 296}, {133, 178}, {155, 154}, {221, 154}, {220, 232}, {203, 360}}},
      {kScreenFootball, {{115, 151}, {115, 107}, {220, 107}, {220, 151}}},
      {kScreenPool, {{236, 400}, {228, 361}, {274, 271}, {353, 271}, {364, 361}, {356, 400}}},
      {kScreenAirHockey, {{390, 400}, {388, 379}, {387, 333}, {510, 333}, {523, 365}, {522, 400}, {513, 400}, {504, 379},
           {408, 379}, {399, 400}}},
      {kScreenDarts, {{520, 354}, {512, 332}, {491, 332}, {491, 189}, {494, 189}, {500, 171}, {513, 156}, {527, 150},
           {535, 149}, {578, 149}, {566, 153}, {556, 160}, {550, 169}, {535, 169}, {522, 176}, {515, 186},
           {515, 189}, {548, 189}, {557, 198}, {558, 354}}},
      {kScreenBowling, {{228, 183}, {222, 63}, {371, 63}, {371, 112}, {480, 112}, {480, 183}}},
      {kScreenBowling, {{314, 46}, {314, 11}, {472, 11}, {472, 46}}},
      {kScreenHallOfFame, {{374, 105}, {374, 50}, {561, 50}, {561, 105}}},
  };
  return regions;
}
