// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a pass: drift, timing, the holes and their rims, the bonus,
// interceptions, and the series of downs.
#include "games/football/model/football_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

namespace football {
namespace {

// A random source that answers from a script (and counts what it was asked).
struct Scripted {
  std::deque<int> answers;
  int asked = 0;
  std::function<int(int)> Fn() {
    return [this](int n) {
      ++asked;
      if (answers.empty()) return 0;
      const int a = answers.front();
      answers.pop_front();
      return a % n;
    };
  }
};

constexpr ThrowSettings kNormal{1, 1, 4};
constexpr CPoint kPress{220, 280};

Pass Throw(CPoint release, DWORD ms, ThrowSettings s = kNormal, CPoint press = kPress) {
  Scripted none;
  return ScorePass(press, release, ms, s, none.Fn());
}

TEST(FootballRules, DriftFollowsTheDragsLeanAndTheSetting) {
  // Straight up: no lean, no drift, whatever the drift setting.
  for (int drift = 0; drift <= kDriftMax; ++drift) {
    const Pass p = Throw({220, 150}, 600, {1, 1, drift});
    EXPECT_EQ(p.angle, 0);
    EXPECT_EQ(p.aim, CPoint(220, 150));
  }
  // Leaning right by 45 degrees: twice the angle's pixels at Twice, none at None.
  EXPECT_EQ(DragAngle({200, 280}, {300, 180}), 45);
  EXPECT_EQ(DragAngle({200, 280}, {100, 180}), -45);
  EXPECT_EQ(Throw({250, 150}, 600, {1, 1, 0}, {120, 280}).aim.x, 250);
  const Pass twice = Throw({200, 150}, 600, {1, 1, 8}, {190, 280});
  EXPECT_EQ(twice.angle, 4);
  EXPECT_EQ(twice.aim.x, 208);
  const Pass wide = Throw({250, 150}, 600, {1, 1, 8}, {100, 280});
  EXPECT_EQ(wide.angle, 49);
  EXPECT_EQ(wide.aim.x, kLandMaxX);  // 250 + 98, kept on the board
}

TEST(FootballRules, TimingMovesTheLandingAndEarnsTheBonus) {
  // Exactly nominal: lands at the release height, no bonus.
  for (int v = 0; v <= kVelocityMax; ++v) {
    const Pass p = Throw({180, 160}, static_cast<DWORD>(NominalThrowMs(v)), {v, 1, 4});
    EXPECT_EQ(p.aim.y, 160);
    EXPECT_EQ(p.bonus, 0);
  }
  // Quicker lands lower and earns a yard per 20 ms; slower lands higher, no penalty.
  EXPECT_EQ(Throw({180, 160}, 100).aim.y, 170);
  EXPECT_EQ(Throw({180, 160}, 100).bonus, 25);
  EXPECT_EQ(Throw({180, 160}, 1100).aim.y, 150);
  EXPECT_EQ(Throw({180, 160}, 1100).bonus, 0);
  EXPECT_EQ(Throw({180, 160}, 599).bonus, 0);  // one ms early: not a whole yard
  // A hold of a minute is late, never wrapped round into early.
  EXPECT_EQ(Throw({180, 160}, 60000).aim.y, kLandMinY);
  EXPECT_EQ(Throw({180, 160}, 0xFFFFFFF0u).aim.y, kLandMinY);
}

TEST(FootballRules, AnInstantReleaseAtNormalGetsThirtyYardsThroughAHole) {
  // Released 12 pixels above the large hole's centre: the quick pass drops
  // 600 / 50 = 12 onto the centre, 10 yards plus 600 / 20 = 30.
  const Pass p = Throw({227, 80}, 0, kNormal, {227, 280});
  EXPECT_EQ(p.aim, kLargeHole.centre);
  EXPECT_EQ(p.bonus, 30);
  EXPECT_EQ(p.hole, kLargeHoleHit);
  EXPECT_EQ(p.gain, 40);
  // Through the small hole's centre: 40 + 30.
  const Pass small = Throw({194, 115}, 0, kNormal, {194, 280});
  EXPECT_EQ(small.hole, kSmallHoleHit);
  EXPECT_EQ(small.gain, 70);
  EXPECT_EQ(small.landing, kSmallHole.centre);
}

TEST(FootballRules, HoleEdgesAndRims) {
  // 17 pixels out is still through the large hole, for nothing but the bonus.
  const Pass edge = Throw({227, 75}, 600, kNormal, {227, 280});
  EXPECT_EQ(edge.hole, kLargeHoleHit);
  EXPECT_EQ(edge.gain, 0);
  EXPECT_EQ(edge.landing, kLargeHole.centre);
  EXPECT_EQ(Throw({227, 73}, 500, kNormal, {227, 280}).gain, 5);  // 100 ms early: 2 lower, 5 yards
  // 18 pixels out is the rim: nothing gained, the ball comes down where it was aimed.
  const Pass rim = Throw({227, 74}, 600, kNormal, {227, 280});
  EXPECT_EQ(rim.hole, kNoHole);
  EXPECT_EQ(rim.gain, 0);
  EXPECT_EQ(rim.landing, CPoint(227, 74));
  EXPECT_EQ(JudgeStrike(rim.landing, false), Strike::Rim);
  EXPECT_EQ(JudgeStrike({227, 69}, false), Strike::Rim);         // 23 out: still the rim
  EXPECT_EQ(JudgeStrike({227, 68}, false), Strike::HoleOrMiss);  // 24 out: the board
  // The small hole: 10 in (gain 10), 11..19 its rim.
  EXPECT_EQ(Throw({194, 117}, 600, kNormal, {194, 280}).gain, 10);
  EXPECT_EQ(JudgeStrike({194, 138}, false), Strike::Rim);
  EXPECT_EQ(JudgeStrike({194, 147}, false), Strike::HoleOrMiss);
  // Posts, and an interception always looks like a rim.
  EXPECT_EQ(JudgeStrike({130, 100}, false), Strike::LeftPost);
  EXPECT_EQ(JudgeStrike({285, 100}, false), Strike::RightPost);
  EXPECT_EQ(JudgeStrike({285, 100}, true), Strike::Rim);
  EXPECT_EQ(JudgeStrike({285, 209}, false), Strike::HoleOrMiss);  // the posts end above 209
}

TEST(FootballRules, OnlyAPassMoreThanHalfASecondLateCanBeIntercepted) {
  Scripted threes;
  threes.answers = {3, 3, 3};
  const Pass onTime = ScorePass({227, 280}, {227, 92}, 1100, kNormal, threes.Fn());
  EXPECT_FALSE(onTime.intercepted);
  EXPECT_EQ(threes.asked, 0);  // not even asked
  const Pass late = ScorePass({227, 280}, {227, 102}, 1101, kNormal, threes.Fn());
  EXPECT_TRUE(late.intercepted);
  EXPECT_EQ(late.gain, 0);
  EXPECT_EQ(late.hole, kLargeHoleHit);  // it was on its way through
  Scripted lucky;
  lucky.answers = {2};
  const Pass caught = ScorePass({227, 280}, {227, 102}, 1101, kNormal, lucky.Fn());
  EXPECT_FALSE(caught.intercepted);
  EXPECT_EQ(caught.gain, 10);
}

TEST(FootballRules, SettingsAndVariantsAreClamped) {
  const ThrowSettings s = ClampSettings({-3, 7, 99});
  EXPECT_EQ(s.velocity, 0);
  EXPECT_EQ(s.accuracy, kAccuracyMax);
  EXPECT_EQ(s.drift, kDriftMax);
  EXPECT_EQ(NominalThrowMs(-1), 1000);
  EXPECT_EQ(AccuracyDivisor(9), 100);
  EXPECT_DOUBLE_EQ(DriftFactor(42), 2.0);
  EXPECT_EQ(TargetScore(kPlayTo28), 28);
  EXPECT_EQ(TargetScore(kPlayTo40), 40);
  EXPECT_EQ(TargetScore(kPlayTo54), 54);
  EXPECT_EQ(TargetScore(-5), 28);
  EXPECT_EQ(TargetScore(17), 54);
}

TEST(FootballRules, TheSeriesOfDowns) {
  Series s;
  EXPECT_EQ(ApplyGain(s, 0), SeriesResult::Incomplete);
  EXPECT_EQ(s.down, 2);
  EXPECT_EQ(s.toGo, 10);
  EXPECT_EQ(ApplyGain(s, 4), SeriesResult::Completed);
  EXPECT_EQ(s.down, 3);
  EXPECT_EQ(s.toGo, 6);
  EXPECT_EQ(s.yardsToGoal, 76);
  EXPECT_EQ(ApplyGain(s, 6), SeriesResult::FirstDown);
  EXPECT_EQ(s.down, 1);
  EXPECT_EQ(s.toGo, 10);
  EXPECT_EQ(s.yardsToGoal, 70);
  for (int i = 0; i < 4; ++i) ApplyGain(s, 0);
  EXPECT_EQ(s.down, 5);
  EXPECT_EQ(ShownDown(s.down), 4);
  EXPECT_TRUE(PossessionOver(s, false));
  // The goal line ends the series at once; the downs stay as they were.
  Series near{5, 3, 8, false};
  EXPECT_EQ(ApplyGain(near, 5), SeriesResult::Touchdown);
  EXPECT_TRUE(near.touchdown);
  EXPECT_EQ(near.down, 3);
  EXPECT_TRUE(ReachesGoal(5, 5));
  EXPECT_FALSE(ReachesGoal(5, 4));
  EXPECT_TRUE(PossessionOver(Series{}, true));
  EXPECT_FALSE(PossessionOver(Series{}, false));
}

}  // namespace
}  // namespace football
