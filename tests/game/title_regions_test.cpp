// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "res/game_rows.h"
#include "res/screen_numbers.h"
#include "res/title_regions.h"

namespace {

// The screen a click at (x, y) opens: the last region containing it, or -1.
int ScreenAt(int x, int y) {
  int type = -1;
  for (const HotRegion& r : TitleRegions())
    if (r.Contains(x, y)) type = r.nGameType;
  return type;
}

}  // namespace

TEST(TitleRegions, EachGameIsReachableWhereItsPictureIs) {
  std::size_t outlines = 1;  // the Hall of Fame's plaque
  for (const GameShellRow& row : GameShellRows()) outlines += row.titleRegions.size();
  EXPECT_EQ(TitleRegions().size(), outlines);
  EXPECT_EQ(ScreenAt(50, 300), 2);   // basketball
  EXPECT_EQ(ScreenAt(450, 80), 7);   // hall of fame
  EXPECT_EQ(ScreenAt(450, 360), 1);  // air hockey
  EXPECT_EQ(ScreenAt(530, 250), 4);  // darts
  EXPECT_EQ(ScreenAt(300, 330), 6);  // pool
  EXPECT_EQ(ScreenAt(170, 250), 5);  // football
  EXPECT_EQ(ScreenAt(300, 150), 3);  // bowling
  EXPECT_EQ(ScreenAt(400, 30), 3);   // the bowling sign
}

TEST(TitleRegions, OutsideEveryRegionNothingHappens) {
  EXPECT_EQ(ScreenAt(5, 5), -1);
  EXPECT_EQ(ScreenAt(300, 30), -1);
  // The air hockey table's legs leave a gap between them.
  EXPECT_EQ(ScreenAt(455, 395), -1);
}

// Every pixel of the picture opens at most one screen, so a click means one
// thing whichever order the rows list the games in.
TEST(TitleRegions, NoTwoOverlapAndEachNamesAScreenWithARow) {
  int shared = 0, covered = 0;
  for (int y = 0; y < 401; ++y)
    for (int x = 0; x < 602; ++x) {
      int n = 0;
      for (const HotRegion& r : TitleRegions()) n += r.Contains(x, y) ? 1 : 0;
      shared += n > 1 ? 1 : 0;
      covered += n > 0 ? 1 : 0;
    }
  EXPECT_EQ(shared, 0);
  EXPECT_GT(covered, 602 * 401 / 5) << "the regions cover the people and the tables";
  for (const HotRegion& r : TitleRegions())
    EXPECT_TRUE(r.nGameType == kScreenHallOfFame || FindShellRow(r.nGameType)) << r.nGameType;
}
