// SPDX-License-Identifier: GPL-3.0-or-later
// The air hockey pictures agree with the rink the game plays on: the goal
// mouths open exactly where goals count, the ice reaches the walls, the
// centre line is on the centre, the digit boxes sit under the score sprites,
// the bodies are round with see-through corners, and every digit and sound is there.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "assets/art_catalogue.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "sound/wave_family.h"

using namespace art_test;

namespace airhockey {
namespace {

int Brightness(const RGBQUAD& q) { return std::max({q.rgbRed, q.rgbGreen, q.rgbBlue}); }
bool IsIce(const RGBQUAD& q) { return q.rgbBlue > 225 && q.rgbGreen > 210 && q.rgbBlue >= q.rgbRed; }
bool IsDark(const RGBQUAD& q) { return Brightness(q) < 60; }
bool IsRed(const RGBQUAD& q) { return q.rgbRed > 120 && q.rgbRed > 2 * q.rgbGreen; }

TEST(AirHockeyArt, RinkFollowsTheWallsGoalsAndCentreLine) {
  const ResourceTable table;
  const auto rink = FindPicture(table, kRinkBitmap);
  ASSERT_TRUE(rink.has_value());
  ASSERT_EQ(rink->width, 602);
  ASSERT_EQ(rink->height, 401);
  // The ice runs right up to every wall; beyond the walls there is none.
  for (int y = kWallTop + 8; y < kWallBottom - 8; y += 23) {
    if (std::abs(y - kCentreLineY) < 4) continue;
    EXPECT_TRUE(IsIce(rink->ColorAt(kWallLeft + 5, y))) << y;
    EXPECT_TRUE(IsIce(rink->ColorAt(kWallRight - 1, y))) << y;
    EXPECT_FALSE(IsIce(rink->ColorAt(kWallLeft - 2, y))) << y;
    EXPECT_FALSE(IsIce(rink->ColorAt(kWallRight + 1, y))) << y;
  }
  // The goal mouths are open (dark) between the posts and closed by the rail outside them.
  for (const int y : {kWallTop - 2, kWallBottom + 1}) {
    for (int x = kGoalLeft + 3; x < kGoalRight - 3; x += 4) EXPECT_TRUE(IsDark(rink->ColorAt(x, y))) << x << "," << y;
    for (const int x : {kGoalLeft - 4, kGoalLeft - 20, kGoalRight + 3, kGoalRight + 20})
      EXPECT_FALSE(IsDark(rink->ColorAt(x, y))) << x << "," << y;
  }
  // The centre line crosses the rink on the line that divides the halves.
  for (int x = kWallLeft + 6; x < kWallRight - 6; x += 10) EXPECT_TRUE(IsRed(rink->ColorAt(x, kCentreLineY))) << x;
  EXPECT_FALSE(IsRed(rink->ColorAt(kWallLeft + 6, kCentreLineY - 20)));
  // Under each digit sprite the scoreboard is dark glass.
  for (const CPoint at : {kHumanScoreAt, kComputerScoreAt})
    for (int y = at.y; y < at.y + kDigitHeight; y += 5)
      for (int x = at.x; x < at.x + kDigitWidth; x += 5) EXPECT_LT(Brightness(rink->ColorAt(x, y)), 110) << x << "," << y;
}

void ExpectRoundBody(UINT id, int size) {
  SCOPED_TRACE(id);
  const ResourceTable table;
  const auto cel = FindPicture(table, id);
  ASSERT_TRUE(cel.has_value());
  ASSERT_EQ(cel->width, size);
  ASSERT_EQ(cel->height, size);
  const BYTE key = cel->At(0, 0);
  const int last = size - 1, mid = size / 2;
  for (const auto& [x, y] : {std::pair{last, 0}, {0, last}, {last, last}, {1, 1}}) EXPECT_EQ(cel->At(x, y), key);
  // Opaque across the whole diameter: the picture is as wide as the body it stands for.
  for (const auto& [x, y] : {std::pair{mid, mid}, {mid, 0}, {mid, last}, {0, mid}, {last, mid}})
    EXPECT_NE(cel->At(x, y), key) << x << "," << y;
}

TEST(AirHockeyArt, MalletAndPuckAreRoundBodiesOfTheirSizes) {
  ExpectRoundBody(kMalletBitmap, kMalletSize);
  ExpectRoundBody(kPuckBitmap, kPuckSize);
}

TEST(AirHockeyArt, ScoreDigitsAreEightDifferentCelsOfOneSize) {
  const ResourceTable table;
  std::vector<std::vector<BYTE>> cels;
  for (int n = 0; n < kDigitCels; ++n) {
    const auto cel = FindPicture(table, kFirstDigitBitmap + static_cast<UINT>(n));
    ASSERT_TRUE(cel.has_value()) << n;
    EXPECT_EQ(cel->width, kDigitWidth);
    EXPECT_EQ(cel->height, kDigitHeight);
    for (const auto& earlier : cels) EXPECT_NE(earlier, cel->pixels) << n;
    cels.push_back(cel->pixels);
  }
}

TEST(AirHockeyArt, EverySoundOfTheSetIsThere) {
  const ResourceTable table;
  for (const UINT id : kSoundTable)
    EXPECT_GT(table.Find(ResKind::Wave, FamilyWaveResource(SoundFamily::AirHockey, id)).size(), 44u) << id;
}

}  // namespace
}  // namespace airhockey
