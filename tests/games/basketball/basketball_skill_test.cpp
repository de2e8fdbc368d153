// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels and the two models of a person shoot Timed
// 30 s turns on the basketball model (the flights, the sliding board, the
// clock and the scoring the game uses). Each level beats the one below; the
// newcomer beats the Beginner and the regular Club about half the time, the
// Expert beats the regular more often but never scores more than a third
// above the regular nor shoots quicker; every level misses.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "games/basketball/model/basketball_computer.h"
#include "games/basketball/model/basketball_rules.h"
#include "support/person_models.h"
#include "support/skill_selfplay.h"

namespace basketball {
namespace {

using skill::ComputerSkill;

constexpr double kTickMs = 15.625;  // the animation timer at the system's resolution
constexpr int kGameTime = 30;

struct Turn {
  int result = 0;  // points (Timed) or seconds (Play to 40)
  int shots = 0;
  int baskets = 0;
};

// One turn, tick by tick as the game's timers run it.
Turn PlayTurn(const ShooterHand& hand, int variant, unsigned seed) {
  std::mt19937 rng(seed);
  const RandomSource random = [&rng](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
  const int threshold = BoardThreshold(variant, kGameTime, kDefaultBoardPercent);
  int time = StartingTime(variant, kGameTime), points = 0;
  Turn turn;
  std::array<ShotBall, kBalls> balls;
  for (int i = 0; i < kBalls; ++i) balls[static_cast<std::size_t>(i)] = RackedBall(i);
  const DWORD start = 100000;
  BoardSlide board{kBoardHome.x, true, start};
  DWORD nextShot = start + HandCycle(random, hand), nextClock = start + 1000;
  for (int k = 1;; ++k) {
    const DWORD now = start + static_cast<DWORD>(std::lround(k * kTickMs));
    if (now >= nextClock) {
      nextClock += 1000;
      const ClockTick tick = TickClock(variant, time);
      time = tick.time;
      if (tick.turnOver) break;
    }
    const bool moving = IsBackboardMoving(variant, threshold, kGameTime, time, points);
    if (moving) StepBoard(board, now);
    const int i = FirstRackedBall(balls);
    if (static_cast<LONG>(now - nextShot) > 0 && i >= 0) {
      const ComputerShot shot = HandShot(random, hand, CourtView{board, moving, now, kTickMs, i});
      ShotBall& ball = balls[static_cast<std::size_t>(i)];
      ball.nPower = shot.power;
      ball.nTargetX = shot.targetX;
      ball.nTargetY = shot.targetY;
      LaunchBall(ball, now);
      ++turn.shots;
      nextShot = now + HandCycle(random, hand);
    }
    bool over = false;
    for (ShotBall& ball : balls) {
      if (!AdvanceBall(ball, now, board.x).scored) continue;
      points = AddBasket(points, moving);
      ++turn.baskets;
      over = over || BasketEndsTurn(variant, points);
    }
    if (over) break;
  }
  turn.result = TurnResult(variant, points, time);
  return turn;
}

// Timed games of two turns, seats taken in turn (a tie goes to the first
// seat): how often `a` wins, and the two sides' totals.
struct Match {
  skilltest::PairResult pair;
  Turn a, b;
};
Match TimedPair(const ShooterHand& a, const ShooterHand& b, int games, unsigned seed) {
  Match m;
  for (int g = 0; g < games; ++g) {
    const Turn ta = PlayTurn(a, kVariantTimed, seed + 2u * g);
    const Turn tb = PlayTurn(b, kVariantTimed, seed + 2u * g + 1);
    ++m.pair.games;
    if (g % 2 == 0 ? ta.result >= tb.result : ta.result > tb.result) ++m.pair.firstWins;
    for (auto [sum, t] : {std::pair{&m.a, &ta}, std::pair{&m.b, &tb}}) {
      sum->result += t->result;
      sum->shots += t->shots;
      sum->baskets += t->baskets;
    }
  }
  return m;
}

double MissShare(const Turn& t) { return t.shots ? 1.0 - static_cast<double>(t.baskets) / t.shots : 0.0; }

TEST(BasketballSkill, EachLevelOutscoresTheOneBelow) {
  const int games = skilltest::GamesPerPair(20);
  const Match expertClub = TimedPair(HandOf(ComputerSkill::Expert), HandOf(ComputerSkill::Club), games, 1);
  const Match clubBeginner = TimedPair(HandOf(ComputerSkill::Club), HandOf(ComputerSkill::Beginner), games, 5001);
  skilltest::Print("Basketball Timed 30 s", ComputerSkill::Expert, ComputerSkill::Club, expertClub.pair);
  skilltest::Print("Basketball Timed 30 s", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner.pair);
  EXPECT_GT(expertClub.pair.Rate(), skilltest::Widened(0.65, games, true));
  EXPECT_GT(clubBeginner.pair.Rate(), skilltest::Widened(0.65, games, true));
}

TEST(BasketballSkill, APersonBeatsTheLevelsAsOftenAsTheyShould) {
  const int games = skilltest::GamesPerPair(20);
  const Match newcomer = TimedPair(person::kBasketballNewcomer, HandOf(ComputerSkill::Beginner), games, 9001);
  const Match regular = TimedPair(person::kBasketballRegular, HandOf(ComputerSkill::Club), games, 13001);
  const Match expert = TimedPair(HandOf(ComputerSkill::Expert), person::kBasketballRegular, games, 17001);
  skilltest::PrintPerson("Basketball Timed 30 s", "newcomer", ComputerSkill::Beginner, newcomer.pair);
  skilltest::PrintPerson("Basketball Timed 30 s", "regular", ComputerSkill::Club, regular.pair);
  std::printf("[skill] Basketball Timed 30 s: Expert beats the regular in %d of %d games\n", expert.pair.firstWins, games);
  std::printf("[skill] Basketball Timed 30 s: Expert %.1f points (%.1f shots), regular %.1f (%.1f); misses: Beginner "
              "%.0f%%, Club %.0f%%, Expert %.0f%%\n",
              expert.a.result / double(games), expert.a.shots / double(games), expert.b.result / double(games),
              expert.b.shots / double(games), 100 * MissShare(newcomer.b), 100 * MissShare(regular.b),
              100 * MissShare(expert.a));
  EXPECT_GT(newcomer.pair.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.pair.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.pair.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.pair.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.pair.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.pair.Rate(), skilltest::Widened(0.85, games, false));
  // A person's pace and a person's scoring: no more shots than the regular, a third more points at most.
  EXPECT_LE(expert.a.shots, expert.b.shots * 21 / 20);
  EXPECT_LE(expert.a.result, expert.b.result * 4 / 3);
  for (const Match* m : {&newcomer, &regular}) EXPECT_GE(MissShare(m->b), 0.15);
  EXPECT_GE(MissShare(expert.a), 0.15);
}

TEST(BasketballSkill, TheExpertReachesFortyInPlayToForty) {
  const int games = skilltest::GamesPerPair(10);
  int reached = 0;
  for (int g = 0; g < games; ++g) reached += PlayTurn(HandOf(ComputerSkill::Expert), kVariantPlayTo40, 7000u + g).result < kMaxClock;
  std::printf("[skill] Basketball Play to 40: Expert reaches 40 in %d of %d turns\n", reached, games);
  EXPECT_GE(reached, games * 9 / 10);
}

}  // namespace
}  // namespace basketball
