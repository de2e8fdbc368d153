// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_rules.h"

#include <gtest/gtest.h>

namespace darts {
namespace {

BoardHit Hit(Ring ring, int number) {
  BoardHit h;
  h.ring = ring;
  h.number = number;
  return h;
}

TEST(DartRules, CricketMarksForHits) {
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Treble, 20)).entry, 5);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Treble, 20)).count, 3);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Double, 15)).entry, 0);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Double, 15)).count, 2);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Single, 17)).count, 1);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::InnerBull, 50)).entry, kBullsEntry);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::InnerBull, 50)).count, 2);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::OuterBull, 25)).count, 1);
  // A treble 5 scores 15 and a double 8 scores 16, but neither is a 15 or a 16.
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Treble, 5)).count, 0);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Double, 8)).count, 0);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Single, 14)).count, 0);
  EXPECT_EQ(CricketMarksFor(Hit(Ring::Miss, 0)).count, 0);
}

TEST(DartRules, MarksCloseAtThreeAndExtraMarksAreLost) {
  CricketMarks m;
  EXPECT_EQ(m.Get(1, 3), "0");
  m.AddMark(1, 3);
  EXPECT_EQ(m.Get(1, 3), "|");
  m.AddMark(1, 3);
  m.AddMark(1, 3);
  EXPECT_EQ(m.Get(1, 3), "|||");
  EXPECT_TRUE(m.IsClosed(1, 3));
  m.AddMark(1, 3);
  EXPECT_EQ(m.Get(1, 3), "|||");
  EXPECT_EQ(m.Get(0, 3), "0");  // other seats untouched
  // Out-of-range cells change nothing and read as empty.
  m.AddMark(4, 0);
  m.AddMark(0, 7);
  m.AddMark(-1, -1);
  EXPECT_EQ(m.Get(9, 9), "0");
}

TEST(DartRules, AllClosedNeedsEverySevenEntries) {
  CricketMarks m;
  EXPECT_EQ(m.FirstOpenEntry(2), 0);
  for (int e = 0; e < kCricketEntries - 1; ++e)
    for (int i = 0; i < 3; ++i) m.AddMark(2, e);
  EXPECT_FALSE(m.AllClosed(2));
  EXPECT_EQ(m.FirstOpenEntry(2), kBullsEntry);
  m.AddMark(2, kBullsEntry);
  m.AddMark(2, kBullsEntry);
  m.AddMark(2, kBullsEntry);
  EXPECT_TRUE(m.AllClosed(2));
  EXPECT_EQ(m.FirstOpenEntry(2), -1);
  m.Clear();
  EXPECT_FALSE(m.AllClosed(2));
}

TEST(DartRules, CountdownOutcomes) {
  EXPECT_EQ(CountdownOutcome(0), Countdown::Win);
  EXPECT_EQ(CountdownOutcome(-1), Countdown::Bust);
  EXPECT_EQ(CountdownOutcome(1), Countdown::PlayOn);
  EXPECT_EQ(StartingScore(kVariant301), 301);
  EXPECT_EQ(StartingScore(kVariant501), 501);
  EXPECT_EQ(StartingScore(kVariantCricket), 0);
}

}  // namespace
}  // namespace darts
