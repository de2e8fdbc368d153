// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_computer.h"

#include <gtest/gtest.h>

#include <deque>

#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_motion.h"
#include "platform/random.h"

namespace darts {
namespace {

// Hands out scripted draws, and records the ranges asked for.
struct ScriptedDraws {
  std::deque<int> values;
  std::vector<int> ranges;
  RandomDraw Fn() {
    return [this](int n) {
      ranges.push_back(n);
      const int v = values.empty() ? 0 : values.front();
      if (!values.empty()) values.pop_front();
      return v % n;
    };
  }
};

TEST(DartAim, HighScoreAimsNearTheCentreInDrawOrder) {
  ScriptedDraws d;
  // dx dy sx sy, redraw? (0: no), then hx hy shx shy, then m sm.
  d.values = {30, 12, 1, 0, 0, 9, 4, 0, 1, 19, 1};
  const Stroke s = ComputerAim(kVariant301, 301, CricketMarks{}, 0, 1, d.Fn());
  EXPECT_EQ(s.release, CPoint(236, 153));
  EXPECT_EQ(s.press, CPoint(277, 361));
  EXPECT_EQ(s.durationMs, 110u);
  EXPECT_EQ(d.ranges, (std::vector<int>{40, 40, 2, 2, 2, 10, 5, 2, 2, 20, 2}));
}

TEST(DartAim, HighScoreRedrawsATighterGroup) {
  ScriptedDraws d;
  d.values = {30, 12, 1, 0, 1, 6, 6, 0, 1, 0, 0, 0, 0, 0, 0};
  const Stroke s = ComputerAim(kVariant501, 100, CricketMarks{}, 0, 1, d.Fn());
  EXPECT_EQ(s.release, CPoint(272, 135));
  EXPECT_EQ(s.press, CPoint(268, 365));
  EXPECT_EQ(s.durationMs, 300u);
}

TEST(DartAim, LowScoreAimsAtTheSingleOfThatNumber) {
  for (int score = 1; score <= 20; ++score) {
    ScriptedDraws d;  // every draw 0: no scatter
    const Stroke s = ComputerAim(kVariant301, score, CricketMarks{}, 0, 2, d.Fn());
    const BoardPolar p = ToBoardPolar(s.release);
    EXPECT_EQ(ResolveHit(p.dist, p.angle).points, score) << score;
    EXPECT_EQ(s.press, CPoint(s.release.x, 365));
    EXPECT_EQ(s.durationMs, 200u);
    EXPECT_EQ(d.ranges, (std::vector<int>{20, 20, 2, 2, 10, 5, 2, 2, 10, 2}));
  }
}

TEST(DartAim, CricketGoesForTheFirstOpenEntryWithAStraightStroke) {
  CricketMarks marks;
  ScriptedDraws d;
  Stroke s = ComputerAim(kVariantCricket, 0, marks, 1, 1, d.Fn());
  BoardPolar p = ToBoardPolar(s.release);
  EXPECT_EQ(ResolveHit(p.dist, p.angle).number, 15);
  for (int i = 0; i < 3; ++i) marks.AddMark(1, 0);
  d = {};
  d.values = {0, 0, 0, 0, 9, 4, 1, 1, 3, 0};
  s = ComputerAim(kVariantCricket, 0, marks, 1, 1, d.Fn());
  p = ToBoardPolar(s.release);
  EXPECT_EQ(ResolveHit(p.dist, p.angle).number, 16);
  EXPECT_EQ(s.press.x, s.release.x);  // the horizontal draw is ignored
  EXPECT_EQ(s.press.y, 361);
  EXPECT_EQ(s.durationMs, 330u);
  // Only the bulls left (or nothing at all): the centre.
  for (int e = 0; e < kBullsEntry; ++e)
    for (int i = 0; i < 3; ++i) marks.AddMark(1, e);
  d = {};
  EXPECT_EQ(ComputerAim(kVariantCricket, 0, marks, 1, 1, d.Fn()).release, CPoint(266, 141));
  for (int i = 0; i < 3; ++i) marks.AddMark(1, kBullsEntry);
  d = {};
  EXPECT_EQ(ComputerAim(kVariantCricket, 0, marks, 1, 1, d.Fn()).release, CPoint(266, 141));
}

TEST(DartAim, StrokesAlwaysStartInTheThrowZoneAndEndOverTheBoard) {
  RandomGenerator rng;
  rng.Seed(7);
  const RandomDraw R = [&](int n) { return rng.Next() % n; };
  CricketMarks marks;
  for (int i = 0; i < 2000; ++i) {
    const int variant = i % 3;
    const int score = variant == kVariantCricket ? 0 : 1 + i % 60;
    const Stroke s = ComputerAim(variant, score, marks, 0, i % 3, R);
    EXPECT_TRUE(kThrowZone.PtInRect(s.press)) << s.press.x << "," << s.press.y;
    EXPECT_TRUE(kBoardArea.PtInRect(s.release));
  }
}

}  // namespace
}  // namespace darts
