// SPDX-License-Identifier: GPL-3.0-or-later
// The pool table's picture agrees with the geometry the balls roll on: the
// pockets are dark holes over their capture areas, the bed is green felt
// inside the cushion lines, the head string is drawn at the kitchen's edge,
// and every ball reads as a round ball, solid, striped or white.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/art_catalogue.h"
#include "games/pool/model/pool_geometry.h"
#include "games/pool/model/pool_rules.h"

using namespace art_test;

namespace pool::test {
namespace {

int Brightness(const RGBQUAD& q) { return std::max({q.rgbRed, q.rgbGreen, q.rgbBlue}); }
bool IsFelt(const RGBQUAD& q) { return q.rgbGreen > q.rgbRed + 20; }
int Luminance(const RGBQUAD& q) { return (30 * q.rgbRed + 59 * q.rgbGreen + 11 * q.rgbBlue) / 100; }
bool IsWood(const RGBQUAD& q) { return q.rgbRed > q.rgbGreen && q.rgbGreen > q.rgbBlue; }

TEST(PoolArt, PocketsAreDarkHolesOverTheirCaptureAreas) {
  const ResourceTable table;
  const auto pic = FindPicture(table, kTableBitmap);
  ASSERT_TRUE(pic.has_value());
  ASSERT_EQ(pic->width, 602);
  for (const CRect& r : kPocketRects) {
    const CPoint c = r.CenterPoint();
    for (int dy = -4; dy <= 4; dy += 4)
      for (int dx = -4; dx <= 4; dx += 4) EXPECT_LT(Brightness(pic->ColorAt(c.x + dx, c.y + dy)), 70) << c.x << "," << c.y;
  }
}

TEST(PoolArt, TheBedIsFeltInsideTheCushionsAndTheRailsAreWood) {
  const ResourceTable table;
  const auto pic = FindPicture(table, kTableBitmap);
  ASSERT_TRUE(pic.has_value());
  int felt = 0, checked = 0;
  auto nearPocket = [](int x, int y) {
    for (const CRect& r : kPocketRects) {
      const CPoint c = r.CenterPoint();
      if ((x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) < 24 * 24) return true;
    }
    return false;
  };
  for (int y = kCushion.top + 4; y < kCushion.bottom - 4; y += 7)
    for (int x = kCushion.left + 4; x < kCushion.right - 4; x += 7) {
      if ((x >= kHeadStringX - 2 && x <= kHeadStringX + 2) || nearPocket(x, y)) continue;
      ++checked;
      const RGBQUAD q = pic->ColorAt(x, y);
      felt += IsFelt(q);

    }
  EXPECT_EQ(felt, checked);
  // The wooden rail beyond each cushion, away from the pockets.
  EXPECT_TRUE(IsWood(pic->ColorAt(kCushion.left - 22, 170)));
  EXPECT_TRUE(IsWood(pic->ColorAt(kCushion.right + 22, 170)));
  EXPECT_TRUE(IsWood(pic->ColorAt(200, kCushion.top - 22)));
  EXPECT_TRUE(IsWood(pic->ColorAt(400, kCushion.bottom + 22)));
  // The felt is lit in the middle and falls off toward the corners.
  EXPECT_GT(Brightness(pic->ColorAt(300, 192)), Brightness(pic->ColorAt(kCushion.left + 3, kCushion.top + 12)));
}

TEST(PoolArt, TheHeadStringMarksTheKitchen) {
  const ResourceTable table;
  const auto pic = FindPicture(table, kTableBitmap);
  ASSERT_TRUE(pic.has_value());
  int lighter = 0;
  for (int y = kCushion.top + 10; y < kCushion.bottom - 10; y += 5)
    lighter += Luminance(pic->ColorAt(kHeadStringX, y)) > Luminance(pic->ColorAt(kHeadStringX - 4, y));
  EXPECT_GT(lighter, 30);
  EXPECT_TRUE(InKitchen({kHeadStringX, 150}));
}

TEST(PoolArt, PocketedBallsRestOnTheTrayNotOnTheFloor) {
  const ResourceTable table;
  const auto pic = FindPicture(table, kTableBitmap);
  ASSERT_TRUE(pic.has_value());
  for (int n = 0; n < kBallCount; ++n) {
    const CPoint at = TrayPosition(n);
    const RGBQUAD q = pic->ColorAt(at.x, at.y);
    EXPECT_FALSE(IsWood(q) || IsFelt(q)) << "ball " << n;
    EXPECT_LT(Brightness(q), 120) << "ball " << n;  // the dark gully
  }
}

TEST(PoolArt, BallsAreRoundAndShowTheirGroup) {
  const ResourceTable table;
  for (int n = 0; n < kBallCount; ++n) {
    SCOPED_TRACE(n);
    const RackSpot& rack = kRack[static_cast<std::size_t>(n)];
    for (UINT id : {rack.cel0, rack.cel1}) {
      const auto cel = FindPicture(table, id);
      ASSERT_TRUE(cel.has_value());
      ASSERT_EQ(cel->width, kBallSize);
      ASSERT_EQ(cel->height, kBallSize);
      const BYTE key = cel->At(0, 0);
      for (const auto& [x, y] : {std::pair{0, 14}, std::pair{14, 0}, std::pair{14, 14}}) EXPECT_EQ(cel->At(x, y), key);
      for (int d = -5; d <= 5; ++d) {
        EXPECT_NE(cel->At(kBallHot + d, kBallHot), key);
        EXPECT_NE(cel->At(kBallHot, kBallHot + d), key);
      }
    }
    // Near the top: white on stripes and the cue ball, the ball's colour on solids.
    const auto cel = FindPicture(table, rack.cel0);
    const RGBQUAD top = cel->ColorAt(kBallHot + 1, 1);
    const int spread = std::max({top.rgbRed, top.rgbGreen, top.rgbBlue}) - std::min({top.rgbRed, top.rgbGreen, top.rgbBlue});
    const bool white = spread < 50 && Brightness(top) > 150;
    EXPECT_EQ(white, n == 0 || n >= 9);
  }
}

}  // namespace
}  // namespace pool::test
