// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/surface_damage.h"

namespace {

const CRect kSurface(0, 0, 64, 48);

bool Covered(const SurfaceDamage& damage, int x, int y) {
  for (const CRect& r : damage.Rects())
    if (r.PtInRect(POINT{x, y})) return true;
  return false;
}

bool Apart(const CRect& a, const CRect& b) {
  return a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top;
}

}  // namespace

TEST(SurfaceDamage, DistantAreasStayApartAndTouchingOnesBecomeOne) {
  SurfaceDamage damage;
  damage.Add(CRect(1, 1, 5, 5), kSurface);
  damage.Add(CRect(50, 40, 60, 45), kSurface);
  EXPECT_EQ(damage.Rects().size(), 2u);
  EXPECT_EQ(damage.Bounds(), CRect(1, 1, 60, 45));
  damage.Add(CRect(5, 1, 9, 3), kSurface);  // shares the first one's right edge
  ASSERT_EQ(damage.Rects().size(), 2u);
  EXPECT_EQ(damage.Rects()[1], CRect(1, 1, 9, 5));
  damage.Add(CRect(2, 2, 3, 3), kSurface);  // already inside
  EXPECT_EQ(damage.Rects().size(), 2u);
  damage.Add(CRect(-10, -10, 0, 100), kSurface);  // off the surface
  EXPECT_EQ(damage.Rects().size(), 2u);
  damage.AddAll(kSurface);
  EXPECT_EQ(damage.Rects(), std::vector<CRect>{kSurface});
  damage.Clear();
  EXPECT_TRUE(damage.IsEmpty());
  EXPECT_TRUE(damage.Bounds().IsRectEmpty());
}

TEST(SurfaceDamage, EveryPixelAddedStaysCoveredByAFewSeparateRectangles) {
  std::mt19937 rng(5150);
  for (int run = 0; run < 200; ++run) {
    SurfaceDamage damage;
    std::vector<std::vector<bool>> drawn(48, std::vector<bool>(64, false));
    const int adds = 1 + static_cast<int>(rng() % 30);
    for (int i = 0; i < adds; ++i) {
      const int x = static_cast<int>(rng() % 74) - 5, y = static_cast<int>(rng() % 58) - 5;
      const CRect r(x, y, x + 1 + static_cast<int>(rng() % 12), y + 1 + static_cast<int>(rng() % 12));
      damage.Add(r, kSurface);
      for (int py = std::max(r.top, 0); py < std::min<int>(r.bottom, 48); ++py)
        for (int px = std::max(r.left, 0); px < std::min<int>(r.right, 64); ++px) drawn[py][px] = true;
    }
    ASSERT_LE(damage.Rects().size(), SurfaceDamage::kMaxRects);
    for (std::size_t a = 0; a < damage.Rects().size(); ++a) {
      const CRect& r = damage.Rects()[a];
      ASSERT_FALSE(r.IsRectEmpty());
      ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 64 && r.bottom <= 48) << "run " << run;
      for (std::size_t b = a + 1; b < damage.Rects().size(); ++b)
        ASSERT_TRUE(Apart(r, damage.Rects()[b])) << "run " << run;
    }
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x) {
        if (!drawn[y][x]) continue;
        ASSERT_TRUE(Covered(damage, x, y)) << "run " << run << " at " << x << "," << y;
      }
    }
  }
}
