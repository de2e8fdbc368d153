// SPDX-License-Identifier: GPL-3.0-or-later
// The football pictures agree with the game: the holes are open where the
// rules count a pass through, the rims and posts stand where the rules
// bounce the ball, the program's boxes are plain black, and every cel has
// its ball on the hot spot the animation uses.
#include <gtest/gtest.h>

#include <cmath>

#include "assets/art_catalogue.h"
#include "games/football/model/football_geometry.h"
#include "sound/wave_family.h"

using namespace art_test;

namespace football {
namespace {

int Brightness(const RGBQUAD& q) { return std::max({q.rgbRed, q.rgbGreen, q.rgbBlue}); }
bool Reddish(const RGBQUAD& q) { return q.rgbRed > 90 && q.rgbRed > q.rgbGreen + 25 && q.rgbRed > q.rgbBlue + 40; }
bool Golden(const RGBQUAD& q) { return q.rgbRed > 60 && q.rgbGreen > 40 && q.rgbBlue * 10 < q.rgbRed * 8; }

CPoint Around(const Hole& h, double r, int k) {
  const double a = k * 0.7853981633974483;
  return {h.centre.x + static_cast<int>(std::lround(r * std::cos(a))),
          h.centre.y + static_cast<int>(std::lround(r * std::sin(a)))};
}

TEST(FootballArt, TheFieldFollowsTheHolesRimsPostsAndBoxes) {
  const ResourceTable table;
  const auto field = FindPicture(table, kFieldBitmap);
  ASSERT_TRUE(field.has_value());
  ASSERT_EQ(field->width, 602);
  ASSERT_EQ(field->height, 401);
  for (const Hole& h : {kLargeHole, kSmallHole}) {
    SCOPED_TRACE(h.radius);
    // Open (dark) through the hole, the padded rim in its band.
    for (int k = 0; k < 8; ++k) {
      for (double r : {0.0, h.radius * 0.5, h.radius - 2.0}) {
        const CPoint p = Around(h, r, k);
        EXPECT_LT(Brightness(field->ColorAt(p.x, p.y)), 110) << p.x << "," << p.y;
      }
      const CPoint rim = Around(h, (h.radius + h.rimOuter) * 0.5 + 0.5, k);
      EXPECT_TRUE(Reddish(field->ColorAt(rim.x, rim.y))) << rim.x << "," << rim.y;
    }
  }
  for (const CRect& post : {kLeftPost, kRightPost})
    for (int y = post.top + 10; y < post.bottom - 10; y += 20) {
      const CPoint p{(post.left + post.right) / 2, y};
      EXPECT_TRUE(Golden(field->ColorAt(p.x, p.y))) << p.x << "," << p.y;
    }
  auto expectBlack = [&](const CRect& r) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) ASSERT_EQ(Brightness(field->ColorAt(x, y)), 0) << x << "," << y;
  };
  for (int i = 0; i < kSlots; ++i) {
    expectBlack(NameBox(i));
    expectBlack(ScoreBox(i));
  }
  const int windowBottom = kDownDigitAt.y + kDigitWindowRows;
  expectBlack({kDownDigitAt.x, kDownDigitAt.y, kDownDigitAt.x + kDigitWidth, windowBottom});
  expectBlack({kYardsDigitsAt.x, kYardsDigitsAt.y, kYardsDigitsAt.x + 2 * kDigitWidth, windowBottom});
}

TEST(FootballArt, TheDigitWindowsEndAboveTheFirstNameRow) {
  const ResourceTable table;
  const auto field = FindPicture(table, kFieldBitmap);
  ASSERT_TRUE(field.has_value());
  // The windows' lit lower edge runs along the row between them and the
  // first name and score boxes, so the two never run into one another.
  const int edge = kDownDigitAt.y + kDigitWindowRows;
  ASSERT_EQ(edge, NameBox(0).top - 1);
  for (const CPoint& at : {kDownDigitAt, kToGoDigitsAt, kYardsDigitsAt}) {
    const int width = at.x == kDownDigitAt.x ? kDigitWidth : 2 * kDigitWidth;
    for (int x = at.x; x < at.x + width; ++x) EXPECT_GT(Brightness(field->ColorAt(x, edge)), 60) << x;
  }
  // The digit pictures leave that edge and the rows below it clear.
  for (int d = 0; d < kDigits; ++d) {
    const auto pic = FindPicture(table, kFirstDigitBitmap + static_cast<UINT>(d));
    ASSERT_TRUE(pic.has_value());
    const BYTE key = pic->At(0, kDigitHeight - 1);
    for (int y = kDigitWindowRows; y < kDigitHeight; ++y)
      for (int x = 0; x < kDigitWidth; ++x) ASSERT_EQ(pic->At(x, y), key) << d << ": " << x << "," << y;
    EXPECT_NE(pic->At(kDigitWidth / 2, kDigitWindowRows - 1), key) << d;
  }
}

TEST(FootballArt, EveryCelShowsTheBallOnItsHotSpot) {
  const ResourceTable table;
  for (const Cel& cel : kCels) {
    SCOPED_TRACE(cel.bitmap);
    const auto pic = FindPicture(table, cel.bitmap);
    ASSERT_TRUE(pic.has_value());
    ASSERT_LT(cel.hot.x, pic->width);
    ASSERT_LT(cel.hot.y, pic->height);
    const BYTE key = pic->At(0, 0);
    EXPECT_NE(pic->At(cel.hot.x, cel.hot.y), key);
    // The ball is brown leather at its middle.
    const RGBQUAD mid = pic->ColorAt(cel.hot.x, cel.hot.y);
    EXPECT_GT(mid.rgbRed, mid.rgbBlue);
    int opaque = 0;
    for (BYTE v : pic->pixels) opaque += v != key;
    EXPECT_GT(opaque, pic->width * pic->height / 6);
  }
}

TEST(FootballArt, DigitsMarkerCursorsAndSoundsAreThere) {
  const ResourceTable table;
  auto lit = [&](int digit) {
    const auto pic = FindPicture(table, kFirstDigitBitmap + static_cast<UINT>(digit));
    EXPECT_TRUE(pic.has_value());
    if (!pic) return 0;
    EXPECT_EQ(pic->width, kDigitWidth);
    EXPECT_EQ(pic->height, kDigitHeight);
    // Clear pixels show nothing, whatever colour the key has.
    const BYTE key = pic->At(0, 0);
    int n = 0;
    for (int y = 0; y < pic->height; ++y)
      for (int x = 0; x < pic->width; ++x) n += pic->At(x, y) != key && Brightness(pic->ColorAt(x, y)) > 180;
    return n;
  };
  for (int d = 0; d < kDigits; ++d) EXPECT_GT(lit(d), 20) << d;
  EXPECT_GT(lit(8), lit(1) * 2);
  const auto marker = FindPicture(table, kZoneMarkerBitmap);
  ASSERT_TRUE(marker.has_value());
  EXPECT_EQ(marker->width, kZoneWidth);
  EXPECT_EQ(marker->height, kZoneHeight);
  EXPECT_EQ(marker->At(8, 6), marker->At(0, 0));  // the grass shows through the box
  EXPECT_NE(marker->At(3, 1), marker->At(0, 0));  // its chalk edge
  for (UINT id : {kReadyCursor, kThrowingCursor}) EXPECT_FALSE(table.Find(ResKind::Cursor, id).empty()) << id;
  for (UINT id : kSoundTable)
    EXPECT_GT(table.Find(ResKind::Wave, FamilyWaveResource(SoundFamily::Football, id)).size(), 1000u) << id;
}

}  // namespace
}  // namespace football
