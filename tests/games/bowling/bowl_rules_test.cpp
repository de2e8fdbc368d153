// SPDX-License-Identifier: GPL-3.0-or-later
// Ten-pin scoring on the sheet: balls counted from the pins down on a rack,
// frames and their bonus balls, the tenth frame, pending totals and winners.
#include <gtest/gtest.h>

#include <vector>

#include "games/bowling/model/bowl_rules.h"

namespace bowling {
namespace {

// One player's game as the lane plays it: each entry is the pins that ball
// knocks down; the rack keeps its fallen pins until a frame ends or the
// tenth frame re-racks.
class Lane {
 public:
  explicit Lane(SheetRow& row) : m_row(row) {}

  // Bowls the balls of one frame; returns how many were used.
  std::size_t Frame(int frame, const std::vector<int>& pins, std::size_t from = 0) {
    FrameState state;
    int rack = 0;
    std::size_t i = from;
    for (int ball = 1; ball <= 3 && i < pins.size(); ++ball) {
      rack += pins[i++];
      const BallCount count = CountBall(state, ball, frame, rack);
      StoreBall(m_row, frame, ball, count.code);
      UpdateTotals(m_row, frame);
      if (frame == kTenthFrame) m_score = TenthFrameScore(m_row);
      const AfterBall next = WhatFollows(frame, ball, count.code, state.bTenthStrike1);
      if (next == AfterBall::FrameOver) break;
      if (next == AfterBall::Rerack) rack = 0;
    }
    return i - from;
  }
  // A whole game from a list of balls.
  std::optional<int> Game(const std::vector<int>& pins) {
    std::size_t at = 0;
    for (int f = 0; f < kFrames; ++f) at += Frame(f, pins, at);
    EXPECT_EQ(at, pins.size()) << "balls left over";
    return m_score;
  }

 private:
  SheetRow& m_row;
  std::optional<int> m_score;
};

SheetRow FreshRow() {
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  return sheet[0];
}

std::vector<int> Repeat(int pins, int n) { return std::vector<int>(static_cast<std::size_t>(n), pins); }

TEST(BowlScoring, PerfectGutterAndAllSparesGames) {
  SheetRow row = FreshRow();
  EXPECT_EQ(Lane(row).Game(Repeat(10, 12)), 300);
  EXPECT_EQ(row[8].nTotal, 270);
  EXPECT_EQ(row[9].nBall1, kStrike);
  EXPECT_EQ(row[9].nBall2, kStrike);
  EXPECT_EQ(row[9].nTotal, kStrike);  // the third ball
  row = FreshRow();
  EXPECT_EQ(Lane(row).Game(Repeat(0, 20)), 0);
  EXPECT_EQ(row[4].nBall1, 0);
  EXPECT_EQ(row[4].nTotal, 0);
  EXPECT_EQ(BallText(row[4].nBall1), "0");
  row = FreshRow();
  EXPECT_EQ(Lane(row).Game(Repeat(5, 21)), 150);
  EXPECT_EQ(row[0].nBall2, kSpare);
  EXPECT_EQ(row[0].nTotal, 15);
  EXPECT_EQ(row[9].nTotal, 5);
}

TEST(BowlScoring, TenthFrameBonusBalls) {
  // Spare then strike in the tenth: "/" and "X", the frame adds 20.
  std::vector<int> balls = Repeat(0, 18);
  for (int p : {4, 6, 10}) balls.push_back(p);
  SheetRow row = FreshRow();
  EXPECT_EQ(Lane(row).Game(balls), 20);
  EXPECT_EQ(BallText(row[9].nBall2), "/");
  EXPECT_EQ(BallText(row[9].nTotal), "X");
  // Strike, then 7 on a fresh rack, then the remaining 3: the third box shows "/".
  balls = Repeat(0, 18);
  for (int p : {10, 7, 3}) balls.push_back(p);
  row = FreshRow();
  EXPECT_EQ(Lane(row).Game(balls), 20);
  EXPECT_EQ(row[9].nBall2, 7);
  EXPECT_EQ(BallText(row[9].nTotal), "/");
  // An open tenth frame ends after two balls.
  balls = Repeat(0, 18);
  for (int p : {3, 4}) balls.push_back(p);
  row = FreshRow();
  EXPECT_EQ(Lane(row).Game(balls), 7);
  EXPECT_TRUE(TenthComplete(row));
  EXPECT_EQ(row[9].nTotal, kNotBowled);
}

TEST(BowlScoring, StrikesInTheNinthAndTenthAreSettledByTheTenthFrame) {
  std::vector<int> balls = Repeat(0, 16);
  for (int p : {10, 10, 4, 3}) balls.push_back(p);
  SheetRow row = FreshRow();
  Lane lane(row);
  std::size_t at = 0;
  for (int f = 0; f < 9; ++f) at += lane.Frame(f, balls, at);
  EXPECT_EQ(row[8].nTotal, kNotBowled);  // waits for two more balls
  lane.Frame(kTenthFrame, balls, at);
  EXPECT_EQ(row[8].nTotal, 24);
  EXPECT_EQ(TenthFrameScore(row), 24 + 17);
  // The tenth frame's total stays empty until its third ball is known.
  SheetRow open = FreshRow();
  StoreBall(open, kTenthFrame, 1, kStrike);
  StoreBall(open, kTenthFrame, 2, 5);
  EXPECT_FALSE(TenthComplete(open));
  EXPECT_EQ(TenthFrameScore(open), std::nullopt);
}

TEST(BowlScoring, TotalsWaitForBonusBallsOfPlayersNotYetThere) {
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  // Player 1 has bowled frames 1 and 2 (a strike, then 3 and 4); player 2
  // only a spare in frame 1. The sheet is updated for frame 2.
  StoreBall(sheet[0], 0, 1, kStrike);
  StoreBall(sheet[0], 1, 1, 3);
  StoreBall(sheet[0], 1, 2, 4);
  StoreBall(sheet[1], 0, 1, 6);
  StoreBall(sheet[1], 0, 2, kSpare);
  for (SheetRow& row : sheet) UpdateTotals(row, 1);
  EXPECT_EQ(sheet[0][0].nTotal, 17);
  EXPECT_EQ(sheet[0][1].nTotal, 24);
  EXPECT_EQ(RunningScore(sheet[0]), 24);
  EXPECT_EQ(sheet[1][0].nTotal, kNotBowled);  // the spare's bonus is not bowled yet
  EXPECT_EQ(RunningScore(sheet[1]), 0);
  StoreBall(sheet[1], 1, 1, 8);
  UpdateTotals(sheet[1], 1);
  EXPECT_EQ(sheet[1][0].nTotal, 18);
  EXPECT_EQ(sheet[1][1].nTotal, kNotBowled);  // frame 2 still open
}

TEST(BowlScoring, CountingTheSecondBallTakesOnlyItsOwnPins) {
  FrameState s;
  EXPECT_EQ(CountBall(s, 1, 0, 6).code, 6);
  EXPECT_EQ(s.nPinsStanding, 4);
  EXPECT_EQ(CountBall(s, 2, 0, 9).code, 3);  // nine down on the rack, six of them before
  FrameState spare;
  CountBall(spare, 1, 0, 6);
  const BallCount all = CountBall(spare, 2, 0, 10);
  EXPECT_EQ(all.code, kSpare);
  EXPECT_TRUE(all.allDown);
  // A ball dropped short counts 0 and leaves the pins as they stand.
  FrameState shortBall;
  CountBall(shortBall, 1, 0, 4);
  EXPECT_EQ(CountNoRoll(shortBall, 2, 4), 0);
  EXPECT_EQ(shortBall.nPinsStanding, 6);
  EXPECT_EQ(WhatFollows(0, 1, kStrike, false), AfterBall::FrameOver);
  EXPECT_EQ(WhatFollows(0, 1, 4, false), AfterBall::NextBall);
  EXPECT_EQ(WhatFollows(kTenthFrame, 2, 4, true), AfterBall::NextBall);
  EXPECT_EQ(WhatFollows(kTenthFrame, 2, 4, false), AfterBall::FrameOver);
  EXPECT_EQ(WhatFollows(kTenthFrame, 3, kStrike, true), AfterBall::FrameOver);
}

TEST(BowlScoring, EveryTiedWinnerIsNamedInSeatOrder) {
  EXPECT_EQ(WinnerText({"Ann", "Bob", "Cy"}, {120, 187, 187}), "Good job Bob, Cy, you have won!");
  EXPECT_EQ(WinnerText({"Ann"}, {0}), "Good job Ann, you have won!");
  // A computer among the winners is named, not congratulated as "you".
  EXPECT_EQ(WinnersNamed({"Ann", "Computer"}, {120, 187}), "Computer wins");
  EXPECT_EQ(WinnersNamed({"Ann", "Bob", "Cy"}, {187, 187, 187}), "Ann, Bob and Cy win");
}

TEST(BowlScoring, TheSheetIsLaidOutByRowAndFrame) {
  ScoreSheet sheet;
  std::array<CRect, kPlayers> names;
  LayoutSheet(sheet, names);
  // The classic sheet moved right by kSheetShift, its name box widened to meet it.
  constexpr int s = kSheetShift;
  EXPECT_EQ(names[3], CRect(157, 95 + 78, 199 + s, 118 + 78));
  EXPECT_EQ(sheet[1][2].rcBall1, CRect(212 + s + 64, 96 + 26, 220 + s + 64, 105 + 26));
  EXPECT_EQ(sheet[0][9].rcBall2, CRect(223 + s + 289, 96, 231 + s + 289, 105));
  EXPECT_EQ(sheet[0][9].rcTotal, CRect(202 + s + 288, 107, 231 + s + 288, 118));
  EXPECT_EQ(sheet[2][5].nBall1, kNotBowled);
}

}  // namespace
}  // namespace bowling
