// SPDX-License-Identifier: GPL-3.0-or-later
// The basketball pictures agree with the game: the hoop sits on the rim
// line with its ends in the rim windows, the balls shrink with depth, the
// name boxes are plain black, and every cel, digit, cursor and sound exists.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/art_catalogue.h"
#include "games/basketball/model/basketball_geometry.h"
#include "sound/wave_family.h"

using namespace art_test;

namespace basketball {
namespace {

bool IsOrange(const RGBQUAD& q) { return q.rgbRed > 140 && q.rgbRed > q.rgbGreen + 40 && q.rgbGreen > q.rgbBlue; }
bool IsBlack(const RGBQUAD& q) { return q.rgbRed == 0 && q.rgbGreen == 0 && q.rgbBlue == 0; }

// Opaque pixels along a cel's row y (the key is the top-left pixel).
int OpaqueRun(const Picture& p, int y) {
  int n = 0;
  for (int x = 0; x < p.width; ++x) n += p.At(x, y) != p.At(0, 0);
  return n;
}

TEST(BasketballArt, TheHoopSitsOnTheRimLineWithItsEndsInTheRimWindows) {
  const ResourceTable table;
  const auto board = FindPicture(table, kBoardBitmaps[0]);
  ASSERT_TRUE(board);
  EXPECT_EQ(board->width, kBoardWidth);
  EXPECT_EQ(board->height, kBoardHeight);
  const int rimRow = kRimY - kBoardHome.y;
  // The orange of the ring on the rim line, only where the rim windows are.
  int first = -1, last = -1;
  for (int x = 0; x < board->width; ++x) {
    if (!IsOrange(board->ColorAt(x, rimRow))) continue;
    if (first < 0) first = x;
    last = x;
  }
  ASSERT_GE(first, 0);
  EXPECT_GT(first, kRimOuterLeft);
  EXPECT_LT(first, kBasketLeft);
  EXPECT_GT(last, kBasketRight);
  EXPECT_LT(last, kRimOuterRight);
  // The front of the ring just below the line, over the scoring window.
  bool front = false;
  for (int y = rimRow; y < rimRow + 8; ++y) front |= IsOrange(board->ColorAt((kBasketLeft + kBasketRight) / 2, y));
  EXPECT_TRUE(front);
  // Glass above the ring, and nothing of the board below the net.
  EXPECT_NE(board->At(6, 6), board->At(0, 0));
  EXPECT_EQ(board->At(kBoardWidth / 2, kBoardHeight - 2), board->At(0, 0));
}

TEST(BasketballArt, EveryBoardAndBallCelHasItsSizeAndTheNetAnimates) {
  const ResourceTable table;
  for (int c = kFirstNetCel; c <= kLastNetCel; ++c) {
    const auto cel = FindPicture(table, kBoardBitmaps[static_cast<std::size_t>(c)]);
    ASSERT_TRUE(cel) << c;
    EXPECT_EQ(cel->width, kBoardWidth);
    EXPECT_NE(cel->pixels, FindPicture(table, kBoardBitmaps[0])->pixels) << c;
  }
  for (UINT id : kBallBitmaps) {
    const auto cel = FindPicture(table, id);
    ASSERT_TRUE(cel) << id;
    EXPECT_EQ(cel->width, kBallCelWidth);
    EXPECT_EQ(cel->height, kBallCelHeight);
  }
  // Every ball cel is mostly orange leather.
  for (std::size_t c = 0; c < kBallBitmaps.size(); ++c) {
    const auto cel = FindPicture(table, kBallBitmaps[c]);
    int orange = 0;
    for (int y = 0; y < cel->height; ++y)
      for (int x = 0; x < cel->width; ++x) orange += IsOrange(cel->ColorAt(x, y));
    const int size = c < 12 ? static_cast<int>(c) / 3 : 2 + static_cast<int>((c - 12) % 6) / 3;
    const float r = kBallDiameters[static_cast<std::size_t>(size)] * 0.5f;
    EXPECT_GT(orange, static_cast<int>(0.4f * 3.14159f * r * r)) << c;
  }
  // Farther balls are smaller: the middle row narrows from size to size.
  int previous = kBallCelWidth + 1;
  for (int size = 0; size < 4; ++size) {
    const int run = OpaqueRun(*FindPicture(table, kBallBitmaps[static_cast<std::size_t>(size * 3)]), 16);
    EXPECT_LT(run, previous) << size;
    EXPECT_NEAR(run, kBallDiameters[static_cast<std::size_t>(size)], 3);
    previous = run;
  }
}

TEST(BasketballArt, DigitsCursorAndSoundsExist) {
  const ResourceTable table;
  for (UINT id : kLargeDigitBitmaps) {
    const auto d = FindPicture(table, id);
    ASSERT_TRUE(d) << id;
    EXPECT_EQ(d->width, kLargeDigitWidth);
    EXPECT_EQ(d->height, kLargeDigitHeight);
  }
  for (UINT id : kSmallDigitBitmaps) {
    const auto d = FindPicture(table, id);
    ASSERT_TRUE(d) << id;
    EXPECT_EQ(d->width, kSmallDigitWidth);
    EXPECT_EQ(d->height, kSmallDigitHeight);
  }
  // An 8 lights more than a 1.
  const auto one = FindPicture(table, kLargeDigitBitmaps[1]), eight = FindPicture(table, kLargeDigitBitmaps[8]);
  auto bright = [](const Picture& p) {
    // Clear pixels show nothing, whatever colour the key has.
    const BYTE key = p.At(0, 0);
    int n = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) n += p.At(x, y) != key && p.ColorAt(x, y).rgbRed > 200;
    return n;
  };
  EXPECT_GT(bright(*eight), 2 * bright(*one));
  CursorImage cursor;
  ASSERT_TRUE(CursorImage::Parse(table.Find(ResKind::Cursor, kShootCursor), &cursor));
  EXPECT_EQ(cursor.hotX, 16);
  EXPECT_EQ(cursor.hotY, 16);
  for (UINT id : kSoundTable)
    EXPECT_FALSE(table.Find(ResKind::Wave, FamilyWaveResource(SoundFamily::Basketball, id)).empty()) << id;
}

TEST(BasketballArt, TheCourtLeavesTheNameBoxesBlackAndTheRackUnderTheBalls) {
  const ResourceTable table;
  const auto court = FindPicture(table, kCourtBitmap);
  ASSERT_TRUE(court);
  for (const CRect& box : kNameBoxes)
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) ASSERT_TRUE(IsBlack(court->ColorAt(x, y))) << x << "," << y;
  // Steel (a grey) right under each ball's resting place, floor wood beside the rack.
  for (const CPoint& spot : kRackSpots) {
    const RGBQUAD q = court->ColorAt(spot.x, spot.y + kBallDiameters[0] / 2 + 2);
    EXPECT_LT(std::abs(q.rgbRed - q.rgbBlue), 60) << spot.x;
  }
}

}  // namespace
}  // namespace basketball
