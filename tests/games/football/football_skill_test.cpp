// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels and the two models of a person play games to
// 28 on the football model (the pass, the drift and the series of downs the
// game uses), taking the first possession in turn. Each level beats the one
// below; the newcomer beats the Beginner and the regular Club about half the
// time, the Expert beats the regular more often but misses too; the
// Beginner reaches 28 in 30 possessions or fewer on average.
#include <gtest/gtest.h>

#include <random>

#include "games/football/model/football_computer.h"
#include "games/football/model/football_rules.h"
#include "support/person_models.h"
#include "support/skill_selfplay.h"

namespace football {
namespace {

using skill::ComputerSkill;

constexpr int kPossessionLimit = 400;

struct Tally {
  int passes = 0;
  int misses = 0;  // incomplete or intercepted
};

class SelfPlay {
 public:
  explicit SelfPlay(unsigned seed) : m_rng(seed) {}

  // One possession; the points it scored.
  int Possession(const PasserHand& hand, Tally& tally) {
    const ThrowSettings settings;
    Series series;
    bool intercepted = false;
    int points = 0;
    auto random = [this](int n) { return n > 0 ? static_cast<int>(m_rng() % static_cast<unsigned>(n)) : 0; };
    do {
      const ComputerPass aim = HandPass(settings, hand, random);
      const Pass pass = ScorePass(aim.press, aim.release, aim.throwMs, settings, random);
      intercepted = pass.intercepted;
      ++tally.passes;
      tally.misses += pass.gain == 0;
      if (ReachesGoal(series.yardsToGoal, pass.gain)) points += kTouchdownPoints;
      ApplyGain(series, pass.gain);
    } while (!PossessionOver(series, intercepted));
    return points;
  }

 private:
  std::mt19937 m_rng;
};

struct Match {
  skilltest::PairResult pair;
  Tally a, b;
  int possessionsA = 0;
};

// Games to 28 between `a` and `b`, the first possession alternating.
Match PlayPair(const PasserHand& a, const PasserHand& b, int games, unsigned seed) {
  Match m;
  for (int g = 0; g < games; ++g) {
    SelfPlay play(seed + static_cast<unsigned>(g));
    const int aSide = g % 2;
    int score[2] = {};
    for (int turn = 0; turn < kPossessionLimit; ++turn) {
      const int side = turn % 2;
      const bool isA = side == aSide;
      m.possessionsA += isA;
      score[side] += play.Possession(isA ? a : b, isA ? m.a : m.b);
      if (score[side] >= TargetScore(kPlayTo28)) {
        m.pair.firstWins += isA;
        break;
      }
    }
    ++m.pair.games;
  }
  return m;
}

double MissShare(const Tally& t) { return t.passes ? static_cast<double>(t.misses) / t.passes : 0.0; }

TEST(FootballSkill, EachLevelBeatsTheOneBelow) {
  const int games = skilltest::GamesPerPair(20);
  const Match expertClub = PlayPair(HandOf(ComputerSkill::Expert), HandOf(ComputerSkill::Club), games, 500);
  const Match clubBeginner = PlayPair(HandOf(ComputerSkill::Club), HandOf(ComputerSkill::Beginner), games, 900);
  skilltest::Print("Football to 28", ComputerSkill::Expert, ComputerSkill::Club, expertClub.pair);
  skilltest::Print("Football to 28", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner.pair);
  EXPECT_GT(expertClub.pair.Rate(), skilltest::Widened(0.65, games, true));
  EXPECT_GT(clubBeginner.pair.Rate(), skilltest::Widened(0.65, games, true));
}

TEST(FootballSkill, APersonBeatsTheLevelsAsOftenAsTheyShould) {
  const int games = skilltest::GamesPerPair(20);
  const Match newcomer = PlayPair(person::kFootballNewcomer, HandOf(ComputerSkill::Beginner), games, 1300);
  const Match regular = PlayPair(person::kFootballRegular, HandOf(ComputerSkill::Club), games, 1700);
  const Match expert = PlayPair(HandOf(ComputerSkill::Expert), person::kFootballRegular, games, 2100);
  skilltest::PrintPerson("Football to 28", "newcomer", ComputerSkill::Beginner, newcomer.pair);
  skilltest::PrintPerson("Football to 28", "regular", ComputerSkill::Club, regular.pair);
  std::printf("[skill] Football to 28: Expert beats the regular in %d of %d games; misses: Beginner %.0f%%, "
              "Club %.0f%%, Expert %.0f%%\n",
              expert.pair.firstWins, games, 100 * MissShare(newcomer.b), 100 * MissShare(regular.b),
              100 * MissShare(expert.a));
  EXPECT_GT(newcomer.pair.Rate(), skilltest::Widened(0.40, games, true));
  EXPECT_LT(newcomer.pair.Rate(), skilltest::Widened(0.70, games, false));
  EXPECT_GT(regular.pair.Rate(), skilltest::Widened(0.35, games, true));
  EXPECT_LT(regular.pair.Rate(), skilltest::Widened(0.65, games, false));
  EXPECT_GT(expert.pair.Rate(), skilltest::Widened(0.60, games, true));
  EXPECT_LT(expert.pair.Rate(), skilltest::Widened(0.85, games, false));
  for (const Tally* t : {&newcomer.b, &regular.b, &expert.a}) EXPECT_GE(MissShare(*t), 0.15);
}

TEST(FootballSkill, TheBeginnerReaches28InThirtyPossessions) {
  const int games = skilltest::GamesPerPair(40);
  SelfPlay play(4242);
  Tally tally;
  int possessions = 0;
  for (int g = 0; g < games; ++g)
    for (int score = 0; score < TargetScore(kPlayTo28) && possessions < kPossessionLimit * games; ++possessions)
      score += play.Possession(HandOf(ComputerSkill::Beginner), tally);
  const double average = static_cast<double>(possessions) / games;
  std::printf("[skill] Football to 28: Beginner needs %.1f possessions on average\n", average);
  // 40 games: the average strays about 2 possessions either way.
  EXPECT_LT(average, games >= 200 ? 30.0 : 34.0);
}

}  // namespace
}  // namespace football
