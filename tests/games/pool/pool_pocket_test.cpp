// SPDX-License-Identifier: GPL-3.0-or-later
// Pockets take what a player would call a good shot: a ball rolling along
// any rail into a pocket at its end (or past a middle pocket) drops, with
// its centre on the rail or a few pixels off it; a ball that meets the jaw
// beyond the mouth is thrown back onto the table.
#include <gtest/gtest.h>

#include <cmath>

#include "fake_table.h"

namespace pool::test {
namespace {

struct Run {
  CPoint from;
  double angle;  // degrees
  CPoint off;    // one pixel away from the rail, into the table
};

// Rolls a ball from `from` (moved `offset` px off the rail) and returns the pocket it dropped into, -1 if none.
int Roll(const Run& run, int offset) {
  FakeTable table;
  CPoolBall ball(&table, {run.from.x + offset * run.off.x, run.from.y + offset * run.off.y}, 0, 0, kCushion, 3);
  ball.SetVelocity(3.0, run.angle);
  table.RollUntilStopped(ball);
  return ball.m_bOnTable ? -1 : ball.m_nPocket;
}

void ExpectTakesAlongRails(int pocket, std::initializer_list<Run> runs) {
  for (const Run& run : runs)
    for (int offset = 0; offset <= 4; ++offset) {
      SCOPED_TRACE(::testing::Message() << "from " << run.from.x << "," << run.from.y << " at " << run.angle << " deg, "
                                        << offset << " px off the rail");
      EXPECT_EQ(Roll(run, offset), pocket);
    }
}

constexpr CPoint kDown{0, 1}, kUp{0, -1}, kRight{1, 0}, kLeft{-1, 0};

TEST(PoolPockets, TheTopLeftCornerTakesABallAlongTheTopRailOrTheLeftRail) {
  ExpectTakesAlongRails(0, {{{250, kBedTop}, 180.0, kDown}, {{kBedLeft, 200}, 90.0, kRight}});
}

TEST(PoolPockets, TheTopMiddleTakesABallAlongTheTopRailFromEitherSide) {
  ExpectTakesAlongRails(1, {{{200, kBedTop}, 0.0, kDown}, {{400, kBedTop}, 180.0, kDown}});
}

TEST(PoolPockets, TheTopRightCornerTakesABallAlongTheTopRailOrTheRightRail) {
  ExpectTakesAlongRails(2, {{{350, kBedTop}, 0.0, kDown}, {{kBedRight, 200}, 90.0, kLeft}});
}

TEST(PoolPockets, TheBottomRightCornerTakesABallAlongTheBottomRailOrTheRightRail) {
  ExpectTakesAlongRails(3, {{{350, kBedBottom}, 0.0, kUp}, {{kBedRight, 180}, -90.0, kLeft}});
}

TEST(PoolPockets, TheBottomMiddleTakesABallAlongTheBottomRailFromEitherSide) {
  ExpectTakesAlongRails(4, {{{200, kBedBottom}, 0.0, kUp}, {{400, kBedBottom}, 180.0, kUp}});
}

TEST(PoolPockets, TheBottomLeftCornerTakesABallAlongTheBottomRailOrTheLeftRail) {
  ExpectTakesAlongRails(5, {{{250, kBedBottom}, 180.0, kUp}, {{kBedLeft, 180}, -90.0, kRight}});
}

TEST(PoolPockets, ABallThatOnlyClipsAJawComesBackOntoTheTable) {
  // Up the table a ball's width off the left rail: it meets the end of the top cushion.
  EXPECT_EQ(Roll({{kBedLeft, 200}, 90.0, kRight}, 9), -1);
  // Straight up just left of the top middle mouth: it meets the jaw.
  EXPECT_EQ(Roll({{280, 200}, 90.0, kRight}, 0), -1);
  // Along the top rail more than half a ball off it, past the middle pocket.
  EXPECT_EQ(Roll({{200, kBedTop}, 0.0, kDown}, 8), -1);
}

TEST(PoolPockets, AStraightShotIntoEachPocketDrops) {
  // From the middle of the table straight at each mouth.
  for (int k = 0; k < kPocketCount; ++k) {
    SCOPED_TRACE(k);
    const PocketMouth& m = kPocketMouths[static_cast<std::size_t>(k)];
    const CPoint from{300, 192};
    const double angle = std::atan2(from.y - m.y, m.x - from.x) * kRadToDeg;
    EXPECT_EQ(Roll({from, angle, {0, 0}}, 0), k);
  }
}

}  // namespace
}  // namespace pool::test
