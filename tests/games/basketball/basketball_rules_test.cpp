// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring, clock, settings and winner rules of basketball.
#include "games/basketball/model/basketball_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace basketball {
namespace {

TEST(BasketballRules, StoredSettingsAreClampedToWhatTheDialogOffers) {
  EXPECT_EQ(ClampSettings(60, 1).gameTime, 60);
  EXPECT_EQ(ClampSettings(90, 4).boardPercent, 4);
  EXPECT_EQ(ClampSettings(0, -3).gameTime, 30);
  EXPECT_EQ(ClampSettings(-90, -3).boardPercent, 0);
  EXPECT_EQ(ClampSettings(45, 9).gameTime, 30);
  EXPECT_EQ(ClampSettings(1000000, 9).gameTime, 90);
  EXPECT_EQ(ClampSettings(1000000, 9).boardPercent, 4);
  EXPECT_EQ(GameTimeToPos(90), 3);
  EXPECT_EQ(PosToGameTime(7), 90);
  EXPECT_EQ(PosToGameTime(0), 30);
}

TEST(BasketballRules, TimedBoardMovesOnlyInTheLastQuarterAtTheDefaults) {
  const int threshold = BoardThreshold(kVariantTimed, 60, 1);
  EXPECT_EQ(threshold, 15);
  EXPECT_FALSE(IsBackboardMoving(kVariantTimed, threshold, 60, 16, 0));
  EXPECT_TRUE(IsBackboardMoving(kVariantTimed, threshold, 60, 15, 0));
  // A basket then scores 3, one before it 2.
  EXPECT_EQ(AddBasket(10, IsBackboardMoving(kVariantTimed, threshold, 60, 15, 10)), 13);
  EXPECT_EQ(AddBasket(10, IsBackboardMoving(kVariantTimed, threshold, 60, 16, 10)), 12);
  // "Not at all" never moves it while the clock runs; "All of the time" always.
  EXPECT_FALSE(IsBackboardMoving(kVariantTimed, BoardThreshold(kVariantTimed, 90, 0), 90, 1, 0));
  EXPECT_TRUE(IsBackboardMoving(kVariantTimed, BoardThreshold(kVariantTimed, 90, 4), 90, 90, 0));
}

TEST(BasketballRules, PracticeBoardMovesOnlyAllOfTheTime) {
  for (int percent = 0; percent < 4; ++percent)
    EXPECT_FALSE(IsBackboardMoving(kVariantPractice, BoardThreshold(kVariantPractice, 60, percent), 60, 0, 0));
  EXPECT_TRUE(IsBackboardMoving(kVariantPractice, BoardThreshold(kVariantPractice, 60, 4), 60, 0, 0));
}

TEST(BasketballRules, PlayTo40BoardMovesFromThirtyPointsAndTheTurnEndsAbove40) {
  const int threshold = BoardThreshold(kVariantPlayTo40, 60, 1);
  EXPECT_EQ(threshold, 30);
  EXPECT_FALSE(IsBackboardMoving(kVariantPlayTo40, threshold, 60, 5, 29));
  EXPECT_TRUE(IsBackboardMoving(kVariantPlayTo40, threshold, 60, 5, 30));
  EXPECT_EQ(AddBasket(38, true), 41);
  EXPECT_FALSE(BasketEndsTurn(kVariantPlayTo40, 40));
  EXPECT_TRUE(BasketEndsTurn(kVariantPlayTo40, 41));
  EXPECT_FALSE(BasketEndsTurn(kVariantTimed, 60));
}

TEST(BasketballRules, PointsNeverExceed99) {
  EXPECT_EQ(AddBasket(97, false), 99);
  EXPECT_EQ(AddBasket(98, true), 99);
  EXPECT_EQ(AddBasket(99, true), 99);
}

TEST(BasketballRules, ClockCountsDownTimedAndUpOtherwise) {
  ClockTick t = TickClock(kVariantTimed, 2);
  EXPECT_EQ(t.time, 1);
  EXPECT_FALSE(t.turnOver);
  t = TickClock(kVariantTimed, 1);
  EXPECT_EQ(t.time, 0);
  EXPECT_TRUE(t.turnOver);
  EXPECT_TRUE(t.show);
  t = TickClock(kVariantPlayTo40, 97);
  EXPECT_FALSE(t.turnOver);
  t = TickClock(kVariantPlayTo40, 98);
  EXPECT_EQ(t.time, 99);
  EXPECT_TRUE(t.turnOver);
  EXPECT_TRUE(t.show);
  EXPECT_EQ(StartingTime(kVariantTimed, 90), 90);
  EXPECT_EQ(StartingTime(kVariantPlayTo40, 90), 0);
  EXPECT_EQ(TurnResult(kVariantTimed, 12, 0), 12);
  EXPECT_EQ(TurnResult(kVariantPlayTo40, 41, 57), 57);
}

TEST(BasketballRules, WinnerIsTheBestResultAndTiesGoToTheLowerSeat) {
  const std::vector<Seat> timed = {{true, 12}, {true, 18}, {true, 18}, {false, 40}};
  Winner w = FindWinner(kVariantTimed, timed);
  EXPECT_EQ(w.seat, 1);
  EXPECT_EQ(w.value, 18);
  EXPECT_EQ(WinnerMessage("Ann", w), "Ann is the winner with a score of 18!");

  const std::vector<Seat> race = {{true, 57}, {true, 44}, {true, 44}, {false, 3}};
  w = FindWinner(kVariantPlayTo40, race);
  EXPECT_EQ(w.seat, 1);
  EXPECT_EQ(WinnerMessage("Bo", w), "Bo is the winner with a time of 44!");
}

TEST(BasketballRules, NobodyWinsWithoutAScoreOrInPractice) {
  const std::vector<Seat> nothing = {{true, 0}, {true, 0}, {false, 5}, {false, 0}};
  EXPECT_EQ(FindWinner(kVariantTimed, nothing).seat, -1);
  const std::vector<Seat> scored = {{true, 20}, {false, 0}, {false, 0}, {false, 0}};
  EXPECT_EQ(FindWinner(kVariantPractice, scored).seat, -1);
  // In Play to 40 a turn the clock ended at 99 s never reached 40: nobody to announce.
  const std::vector<Seat> timedOut = {{true, 99}, {true, 99}, {false, 0}, {false, 0}};
  EXPECT_EQ(FindWinner(kVariantPlayTo40, timedOut).seat, -1);
  const std::vector<Seat> oneFinished = {{true, 99}, {true, 98}, {false, 0}, {false, 0}};
  EXPECT_EQ(FindWinner(kVariantPlayTo40, oneFinished).seat, 1);
}

}  // namespace
}  // namespace basketball
