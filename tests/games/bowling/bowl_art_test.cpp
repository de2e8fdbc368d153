// SPDX-License-Identifier: GPL-3.0-or-later
// The bowling pictures agree with the game: the sheet boxes the program
// writes into are black, the lane and its gutters are where the bodies run,
// the cels have the sizes and hot spots the sprites use, and every cursor
// and sound the game asks for is there.
#include <gtest/gtest.h>

#include "assets/art_catalogue.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_rules.h"
#include "sound/wave_family.h"

using namespace art_test;

namespace bowling {
namespace {

int Brightness(const Picture& pic, int x, int y) {
  const RGBQUAD q = pic.ColorAt(x, y);
  return q.rgbRed + q.rgbGreen + q.rgbBlue;
}

void ExpectBlack(const Picture& pic, const CRect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ASSERT_EQ(Brightness(pic, x, y), 0) << "at " << x << "," << y;
}

TEST(BowlArt, TheSheetBoxesAreBlackWhereTheGameDrawsThem) {
  const ResourceTable table;
  const auto lane = FindPicture(table, kLaneBitmap);
  ASSERT_TRUE(lane.has_value());
  ASSERT_EQ(lane->width, 602);
  ASSERT_EQ(lane->height, 401);
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  for (int p = 0; p < kPlayers; ++p) {
    ExpectBlack(*lane, names[static_cast<std::size_t>(p)]);
    for (const BowlFrameCell& cell : sheet[static_cast<std::size_t>(p)]) {
      ExpectBlack(*lane, cell.rcBall1);
      ExpectBlack(*lane, cell.rcBall2);
      ExpectBlack(*lane, cell.rcTotal);
    }
    CRect third = kBall3Box;
    third.OffsetRect(0, kRowStep * p);
    ExpectBlack(*lane, third);
  }
}

TEST(BowlArt, TheLaneIsLightWoodBetweenDarkGutters) {
  const ResourceTable table;
  const auto lane = FindPicture(table, kLaneBitmap);
  ASSERT_TRUE(lane.has_value());
  for (int y = 5; y < 400; y += 15) {
    for (int x = kLaneLeft + 1; x < kLaneRight; x += 8) EXPECT_GT(Brightness(*lane, x, y), 300) << x << "," << y;
    EXPECT_LT(Brightness(*lane, kLeftGutterX, y), 200) << y;
    EXPECT_LT(Brightness(*lane, kRightGutterX, y), 200) << y;
  }
  // The approach is lit where the swing is drawn; the well of the ball return is dark.
  EXPECT_GT(Brightness(*lane, (kPressZone.left + kPressZone.right) / 2, 330), 300);
  EXPECT_LT(Brightness(*lane, kReturnWellX + 30, kReturnWellY), 150);
}

TEST(BowlArt, CelsHaveTheSizesAndHotSpotsOfTheSprites) {
  const ResourceTable table;
  for (UINT id : kBallCels) {
    const auto cel = FindPicture(table, id);
    ASSERT_TRUE(cel.has_value()) << id;
    EXPECT_EQ(cel->width, kBallSize);
    EXPECT_EQ(cel->height, kBallSize);
    const BYTE key = cel->At(0, 0);
    EXPECT_NE(cel->At(kBallHotSpot.x, kBallHotSpot.y), key);
    EXPECT_EQ(cel->At(kBallSize - 1, kBallSize - 1), key);  // round
  }
  const int sizes[12][2] = {{10, 33}, {33, 10}, {10, 33}, {33, 10}, {28, 25}, {28, 25},
                            {28, 25}, {28, 25}, {13, 28}, {13, 28}, {28, 13}, {28, 13}};
  for (std::size_t i = 0; i < kPinCels.size(); ++i) {
    const auto cel = FindPicture(table, kPinCels[i]);
    ASSERT_TRUE(cel.has_value()) << kPinCels[i];
    EXPECT_EQ(cel->width, sizes[i][0]) << kPinCels[i];
    EXPECT_EQ(cel->height, sizes[i][1]) << kPinCels[i];
  }
  // A standing pin covers its spot.
  const auto standing = FindPicture(table, kPinCels[0]);
  EXPECT_NE(standing->At(kPinHotSpot.x, kPinHotSpot.y), standing->At(0, 0));
}

TEST(BowlArt, CursorsAndSoundsAreThere) {
  const ResourceTable table;
  for (UINT id : {kDragCursor, kReleaseCursor}) EXPECT_FALSE(table.Find(ResKind::Cursor, id).empty()) << id;
  for (UINT id : kSoundTable)
    EXPECT_FALSE(table.Find(ResKind::Wave, FamilyWaveResource(SoundFamily::Bowling, id)).empty()) << id;
}

}  // namespace
}  // namespace bowling
