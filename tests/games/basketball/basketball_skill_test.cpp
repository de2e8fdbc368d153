// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels shoot turns on the basketball model (the
// flights, the sliding board, the clock and the scoring the game uses): each
// level outscores the one below in more than two Timed games of three, and
// the expert reaches 40 in Play to 40.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "games/basketball/model/basketball_computer.h"
#include "games/basketball/model/basketball_rules.h"
#include "support/skill_selfplay.h"

namespace basketball {
namespace {

using skill::ComputerSkill;

constexpr double kTickMs = 15.625;  // the animation timer at the system's resolution

// One computer turn, tick by tick as the game's timers run it; the turn's result.
int PlayTurn(ComputerSkill level, int variant, unsigned seed) {
  std::mt19937 rng(seed);
  const RandomSource random = [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
  const int threshold = BoardThreshold(variant, kDefaultGameTime, kDefaultBoardPercent);
  int time = StartingTime(variant, kDefaultGameTime), points = 0;
  std::array<ShotBall, kBalls> balls;
  for (int i = 0; i < kBalls; ++i) balls[static_cast<std::size_t>(i)] = RackedBall(i);
  const DWORD start = 100000;
  BoardSlide board{kBoardHome.x, true, start};
  DWORD nextShot = start, nextClock = start + 1000;
  for (int k = 1;; ++k) {
    const DWORD now = start + static_cast<DWORD>(std::lround(k * kTickMs));
    if (now >= nextClock) {
      nextClock += 1000;
      const ClockTick tick = TickClock(variant, time);
      time = tick.time;
      if (tick.turnOver) break;
    }
    const bool moving = IsBackboardMoving(variant, threshold, kDefaultGameTime, time, points);
    if (moving) StepBoard(board, now);
    const int i = FirstRackedBall(balls);
    if (static_cast<LONG>(now - nextShot) > 0 && i >= 0) {
      const CourtView court{board, moving, now, kTickMs, i};
      const ComputerShot shot = ChooseComputerShot(random, kBoardWidth, level, court);
      ShotBall& ball = balls[static_cast<std::size_t>(i)];
      ball.nPower = shot.power;
      ball.nTargetX = shot.targetX;
      ball.nTargetY = shot.targetY;
      LaunchBall(ball, now);
      nextShot = now + NextShotDelay(random, level);
    }
    bool over = false;
    for (ShotBall& ball : balls) {
      if (!AdvanceBall(ball, now, board.x).scored) continue;
      points = AddBasket(points, moving);
      over = over || BasketEndsTurn(variant, points);
    }
    if (over) break;
  }
  return TurnResult(variant, points, time);
}

// Timed games of two turns: the stronger level's points against the weaker's.
skilltest::PairResult TimedPair(ComputerSkill strong, ComputerSkill weak, int games) {
  skilltest::PairResult r;
  for (int g = 0; g < games; ++g) {
    ++r.games;
    if (PlayTurn(strong, kVariantTimed, 2u * g + 1) > PlayTurn(weak, kVariantTimed, 2u * g + 2)) ++r.firstWins;
  }
  return r;
}

TEST(BasketballSkill, EachLevelOutscoresTheOneBelowAndTheExpertReachesForty) {
  const int games = skilltest::GamesPerPair(10);
  const skilltest::PairResult expertClub = TimedPair(ComputerSkill::Expert, ComputerSkill::Club, games);
  const skilltest::PairResult clubBeginner = TimedPair(ComputerSkill::Club, ComputerSkill::Beginner, games);
  skilltest::Print("Basketball Timed 60 s", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("Basketball Timed 60 s", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  EXPECT_GT(expertClub.Rate(), 0.65);
  EXPECT_GT(clubBeginner.Rate(), 0.65);

  int reached = 0, seconds = 0;
  for (int g = 0; g < games; ++g) {
    const int time = PlayTurn(ComputerSkill::Expert, kVariantPlayTo40, 7000u + g);
    if (time < kMaxClock) {
      ++reached;
      seconds += time;
    }
  }
  std::printf("[skill] Basketball Play to 40: Expert reaches 40 in %d of %d turns (%.1f s on average)\n", reached,
              games, reached ? static_cast<double>(seconds) / reached : 0.0);
  EXPECT_EQ(reached, games);
}

}  // namespace
}  // namespace basketball
