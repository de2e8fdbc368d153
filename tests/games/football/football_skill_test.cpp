// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's three levels play each other on the football model (the
// aim, the pass and the series of downs the game uses): each level beats the
// one below in more than two games of three, and the expert wins a game to
// 28 in fewer than 25 possessions of its own on average.
#include <gtest/gtest.h>

#include <random>

#include "games/football/model/football_computer.h"
#include "games/football/model/football_rules.h"
#include "support/skill_selfplay.h"

namespace football {
namespace {

using skill::ComputerSkill;

constexpr int kPossessionLimit = 400;

class SelfPlay {
 public:
  explicit SelfPlay(unsigned seed) : m_rng(seed) {}

  // One possession; the points it scored.
  int Possession(ComputerSkill level) {
    const ThrowSettings settings;
    Series series;
    bool intercepted = false;
    int points = 0;
    auto random = [this](int n) { return n > 0 ? static_cast<int>(m_rng() % static_cast<unsigned>(n)) : 0; };
    do {
      const ComputerPass aim = ComputerAim(settings, level, random);
      const Pass pass = ScorePass(aim.press, aim.release, aim.throwMs, settings, random);
      intercepted = pass.intercepted;
      if (ReachesGoal(series.yardsToGoal, pass.gain)) points += kTouchdownPoints;
      ApplyGain(series, pass.gain);
    } while (!PossessionOver(series, intercepted));
    return points;
  }

 private:
  std::mt19937 m_rng;
};

struct Game {
  int winner = -1;         // 0 or 1
  int possessions[2] = {};  // each side's own
};

Game PlayTo28(ComputerSkill first, ComputerSkill second, unsigned seed) {
  SelfPlay play(seed);
  Game game;
  int score[2] = {};
  const ComputerSkill levels[2] = {first, second};
  for (int turn = 0; turn < kPossessionLimit; ++turn) {
    const int side = turn % 2;
    ++game.possessions[side];
    score[side] += play.Possession(levels[side]);
    if (score[side] >= TargetScore(kPlayTo28)) {
      game.winner = side;
      return game;
    }
  }
  return game;
}

skilltest::PairResult PlayPair(ComputerSkill strong, ComputerSkill weak, double* strongWinPossessions) {
  skilltest::PairResult r;
  int possessions = 0, wins = 0;
  const int games = skilltest::GamesPerPair();
  for (int g = 0; g < games; ++g) {
    const bool strongFirst = g % 2 == 0;
    const Game game = PlayTo28(strongFirst ? strong : weak, strongFirst ? weak : strong, 500u + static_cast<unsigned>(g));
    const int strongSide = strongFirst ? 0 : 1;
    ++r.games;
    if (game.winner == strongSide) {
      ++r.firstWins;
      possessions += game.possessions[strongSide];
      ++wins;
    }
  }
  if (strongWinPossessions) *strongWinPossessions = wins > 0 ? static_cast<double>(possessions) / wins : 0.0;
  return r;
}

TEST(FootballSkill, EachLevelBeatsTheOneBelowAndTheExpertScoresQuickly) {
  double expertPossessions = 0.0;
  const skilltest::PairResult expertClub = PlayPair(ComputerSkill::Expert, ComputerSkill::Club, &expertPossessions);
  const skilltest::PairResult clubBeginner = PlayPair(ComputerSkill::Club, ComputerSkill::Beginner, nullptr);
  skilltest::Print("Football to 28", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("Football to 28", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  std::printf("[skill] Football to 28: Expert wins in %.1f possessions of its own on average\n", expertPossessions);
  EXPECT_GT(expertClub.Rate(), 0.65);
  EXPECT_GT(clubBeginner.Rate(), 0.65);
  EXPECT_GT(expertPossessions, 0.0);
  EXPECT_LT(expertPossessions, 25.0);
}

}  // namespace
}  // namespace football
