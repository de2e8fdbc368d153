// SPDX-License-Identifier: GPL-3.0-or-later
// The computer passer's choices: which hole, where in it, where in the new
// throwing zone it presses and how close to the nominal time it releases.
#include "games/football/model/football_computer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "games/football/model/football_rules.h"
#include "platform/random.h"

namespace football {
namespace {

TEST(FootballComputer, DrawsComeInTheirOrder) {
  std::deque<int> answers = {1, 5, 9, 1, 0, 40, 3, 7, 12, 1};
  auto random = [&](int n) {
    const int a = answers.front();
    answers.pop_front();
    EXPECT_LT(a, n);
    return a;
  };
  const ComputerPass p = ComputerAim(1, random);
  EXPECT_TRUE(answers.empty());
  EXPECT_EQ(p.release, CPoint(227 - 5, 92 + 9));
  EXPECT_EQ(p.zoneShift, 40);
  EXPECT_EQ(ThrowZoneAt(40), CRect(153, 267, 192, 291));
  EXPECT_EQ(p.press, CPoint(153 + 3, 267 + 7));
  EXPECT_EQ(p.throwMs, 600u - 120u);
}

TEST(FootballComputer, AimsInsideAHoleFromInsideTheZoneNearTheNominalTime) {
  RandomGenerator rng;
  rng.Seed(1234);
  auto random = [&](int n) { return rng.Next() % n; };
  int large = 0;
  for (int i = 0; i < 2000; ++i) {
    const int velocity = i % 3;
    const ComputerPass p = ComputerAim(velocity, random);
    const bool atLarge = std::abs(p.release.x - kLargeHole.centre.x) < kLargeHole.radius &&
                         std::abs(p.release.y - kLargeHole.centre.y) < kLargeHole.radius;
    const bool atSmall = std::abs(p.release.x - kSmallHole.centre.x) < kSmallHole.radius &&
                         std::abs(p.release.y - kSmallHole.centre.y) < kSmallHole.radius;
    ASSERT_TRUE(atLarge || atSmall);
    large += atLarge;
    ASSERT_TRUE(ThrowZoneAt(p.zoneShift).PtInRect(p.press));
    ASSERT_LE(std::abs(static_cast<int>(p.throwMs) - NominalThrowMs(velocity)), 190);
    // Never late enough to be intercepted.
    ASSERT_LE(static_cast<int>(p.throwMs), NominalThrowMs(velocity) + kInterceptionSlackMs);
  }
  EXPECT_GT(large, 800);
  EXPECT_LT(large, 1200);
}

}  // namespace
}  // namespace football
