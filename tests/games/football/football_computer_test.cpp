// SPDX-License-Identifier: GPL-3.0-or-later
// The computer passer's choices: which hole, where in the new throwing zone
// it presses, how it leans against the drift and how its hand strays.
#include "games/football/model/football_computer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "games/football/model/football_rules.h"
#include "platform/random.h"

namespace football {
namespace {

TEST(FootballComputer, DrawsComeInTheirOrderAndASteadyHandLandsInTheMiddle) {
  // Hole, zone, press point; then lean, timing and aim, four draws each that sum to no error.
  std::deque<int> answers = {0, 40, 3, 7};
  for (int i = 0; i < 16; ++i) answers.push_back(i % 2 ? 500 : 499);
  auto random = [&](int n) {
    const int a = answers.front();
    answers.pop_front();
    EXPECT_LT(a, n);
    return a;
  };
  PasserHand steady = HandOf(skill::ComputerSkill::Expert);
  const ThrowSettings settings;
  const ComputerPass p = HandPass(settings, steady, random);
  EXPECT_TRUE(answers.empty());
  EXPECT_EQ(p.zoneShift, 40);
  EXPECT_EQ(ThrowZoneAt(40), CRect(153, 267, 192, 291));
  EXPECT_EQ(p.press, CPoint(153 + 3, 267 + 7));
  EXPECT_EQ(static_cast<int>(p.throwMs), NominalThrowMs(settings.velocity) - steady.earlyMs);
  const Pass pass = ScorePass(p.press, p.release, p.throwMs, settings, random);
  EXPECT_EQ(pass.hole, kSmallHoleHit);
  EXPECT_LE(std::abs(pass.aim.x - kSmallHole.centre.x), 1);
  EXPECT_LE(std::abs(pass.aim.y - kSmallHole.centre.y), 1);
}

TEST(FootballComputer, EveryLevelPressesInTheZoneReleasesOverTheBoardAndSometimesMisses) {
  RandomGenerator rng;
  rng.Seed(1234);
  auto random = [&](int n) { return static_cast<int>(rng.Next() % static_cast<unsigned>(n)); };
  for (const auto level : {skill::ComputerSkill::Beginner, skill::ComputerSkill::Club, skill::ComputerSkill::Expert}) {
    int holes = 0;
    for (int i = 0; i < 600; ++i) {
      ThrowSettings settings;
      settings.velocity = i % 3;
      const ComputerPass p = ComputerAim(settings, level, random);
      ASSERT_TRUE(ThrowZoneAt(p.zoneShift).PtInRect(p.press));
      ASSERT_TRUE(kReleaseRect.PtInRect(p.release));
      ASSERT_GE(static_cast<int>(p.throwMs), kQuickestThrowMs);
      holes += ScorePass(p.press, p.release, p.throwMs, settings, random).hole != kNoHole;
    }
    // Better than blind, short of perfect.
    EXPECT_GT(holes, 150) << skill::SkillName(level);
    EXPECT_LT(holes, 540) << skill::SkillName(level);
  }
}

}  // namespace
}  // namespace football
