// SPDX-License-Identifier: GPL-3.0-or-later
// The break, measured with the game's own balls and contacts: a full-power
// break along the rack's line scatters the rack (on average ten balls or
// more end over 20 px from their spots), drops a ball about every third
// break, and every ball comes to rest well within the time limit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "games/pool/model/pool_sim.h"

namespace pool::test {
namespace {

struct BreakStats {
  int breaks = 0;
  int moved = 0;    // object balls that ended more than 20 px from their spot
  int dropped = 0;  // object balls pocketed
  int cueDown = 0;
  DWORD longestMs = 0;
  int closePairs = 0;  // pairs left closer than 13.5 px
};

BreakStats Breaks() {
  BreakStats stats;
  const TableState rack = RackedTable();
  for (int y : {186, 192, 198})
    for (double power : {5.0, 7.0})
      for (int i = 0; i < 9; ++i) {
        const double angle = 180.0 - 2.0 + 0.5 * i;
        TableState table = rack;
        table.pos[kCueBall] = {kHeadStringX, y};
        const ShotOutcome out = SimulateShot(table, power, angle);
        ++stats.breaks;
        for (int n = 1; n < kBallCount; ++n) {
          const std::size_t k = static_cast<std::size_t>(n);
          if (!out.after.onTable[k]) {
            ++stats.dropped;
            ++stats.moved;
            continue;
          }
          const double dx = out.after.pos[k].x - rack.pos[k].x, dy = out.after.pos[k].y - rack.pos[k].y;
          stats.moved += dx * dx + dy * dy > 400.0;
        }
        stats.cueDown += !out.after.onTable[kCueBall];
        stats.longestMs = std::max(stats.longestMs, out.ms);
        for (int a = 0; a < kBallCount; ++a)
          for (int b = a + 1; b < kBallCount; ++b) {
            const std::size_t i1 = static_cast<std::size_t>(a), i2 = static_cast<std::size_t>(b);
            if (!out.after.onTable[i1] || !out.after.onTable[i2]) continue;
            const double dx = out.after.pos[i1].x - out.after.pos[i2].x, dy = out.after.pos[i1].y - out.after.pos[i2].y;
            stats.closePairs += dx * dx + dy * dy < 13.5 * 13.5;
          }
      }
  return stats;
}

TEST(PoolBreak, AFullPowerBreakScattersTheRackAndDropsABallNowAndThen) {
  const BreakStats s = Breaks();
  ASSERT_GE(s.breaks, 50);
  const double moved = static_cast<double>(s.moved) / s.breaks, dropped = static_cast<double>(s.dropped) / s.breaks;
  std::printf("%d breaks: %.2f balls moved over 20 px, %.2f dropped, %d scratches, longest %.1f s\n", s.breaks, moved,
              dropped, s.cueDown, s.longestMs / 1000.0);
  RecordProperty("ballsMoved", std::to_string(moved));
  RecordProperty("ballsDropped", std::to_string(dropped));
  EXPECT_GE(moved, 10.0);
  EXPECT_GE(dropped, 0.3);
  EXPECT_LE(s.longestMs, 20000u);
  EXPECT_EQ(s.closePairs, 0);
}

}  // namespace
}  // namespace pool::test
