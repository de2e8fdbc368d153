// SPDX-License-Identifier: GPL-3.0-or-later
// A computer bowler at the default settings, measured on the pure model over
// 200 whole games: it bowls like a good league bowler, averaging 120..200,
// with strikes, spares and open frames, and plays its own hook when Spin
// allows one.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "games/bowling/model/bowl_computer.h"
#include "games/bowling/model/bowl_rules.h"
#include "games/bowling/model/bowl_swing.h"
#include "games/bowling/bowl_selfplay.h"
#include "support/skill_selfplay.h"

namespace bowling {
namespace {

struct Averages {
  std::vector<int> scores;
  double mean = 0.0;
  int best = 0, worst = 300;
  double strikeShare = 0.0, spareShare = 0.0;
};

Averages Play(int games, int nSpin, unsigned seed, skill::ComputerSkill level = skill::ComputerSkill::Club) {
  const RandSource rand = selfplay::SeededRand(seed);
  Averages out;
  long total = 0;
  int racks = 0, strikes = 0, leaves = 0, spares = 0;
  const selfplay::BallSeen seen = [&](bool fullRack, int code) {
    if (fullRack) {
      ++racks;
      strikes += code == kStrike;
      leaves += code != kStrike;
    } else {
      spares += code == kSpare;
    }
  };
  for (int g = 0; g < games; ++g) {
    const int s = selfplay::PlayGame(rand, level, nSpin, seen);
    total += s;
    out.scores.push_back(s);
    out.best = std::max(out.best, s);
    out.worst = std::min(out.worst, s);
  }
  out.mean = static_cast<double>(total) / games;
  out.strikeShare = static_cast<double>(strikes) / racks;
  out.spareShare = leaves ? static_cast<double>(spares) / leaves : 0.0;
  return out;
}

TEST(BowlComputer, AveragesLikeALeagueBowlerOverTwoHundredGames) {
  for (int spin : {kDefaultSpin, kSettingMax}) {
    const Averages a = Play(200, spin, 20240601u + static_cast<unsigned>(spin));
    std::printf("computer, Spin %d: 200 games, mean %.1f, best %d, worst %d, strikes %.0f %%, spares %.0f %%\n", spin,
                a.mean, a.best, a.worst, 100.0 * a.strikeShare, 100.0 * a.spareShare);
    EXPECT_GE(a.mean, 120.0);
    EXPECT_LE(a.mean, 200.0);
    EXPECT_LT(a.best, 300);
    EXPECT_GT(a.strikeShare, 0.15);
    EXPECT_LT(a.strikeShare, 0.5);
    EXPECT_GT(a.spareShare, 0.3);
  }
}

// The levels bowl against each other, game for game (each its own rolls): the
// higher score wins a game, a tie wins it for neither.
TEST(BowlComputer, EachLevelBeatsTheOneBelowAndExpertAndBeginnerAverageApart) {
  using skill::ComputerSkill;
  const int games = skilltest::GamesPerPair();
  const Averages beginner = Play(games, kDefaultSpin, 7001u, ComputerSkill::Beginner);
  const Averages club = Play(games, kDefaultSpin, 7002u, ComputerSkill::Club);
  const Averages expert = Play(games, kDefaultSpin, 7003u, ComputerSkill::Expert);
  const auto pair = [games](const Averages& strong, const Averages& weak) {
    skilltest::PairResult r;
    r.games = games;
    for (int g = 0; g < games; ++g) r.firstWins += strong.scores[static_cast<std::size_t>(g)] > weak.scores[static_cast<std::size_t>(g)];
    return r;
  };
  const skilltest::PairResult expertClub = pair(expert, club), clubBeginner = pair(club, beginner);
  skilltest::Print("bowling", ComputerSkill::Expert, ComputerSkill::Club, expertClub);
  skilltest::Print("bowling", ComputerSkill::Club, ComputerSkill::Beginner, clubBeginner);
  std::printf("[skill] bowling averages over %d games: Beginner %.1f, Club %.1f, Expert %.1f\n", games, beginner.mean,
              club.mean, expert.mean);
  EXPECT_GT(expertClub.Rate(), 0.65);
  EXPECT_GT(clubBeginner.Rate(), 0.65);
  EXPECT_GT(expert.mean, 180.0);
  EXPECT_LT(beginner.mean, club.mean - 20.0);
}

}  // namespace
}  // namespace bowling
