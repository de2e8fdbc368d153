// SPDX-License-Identifier: GPL-3.0-or-later
// Four computer passers play whole games of every target on virtual time:
// every game ends with a winner, and after every possession the yards, downs
// and yards to go are in range and scores only ever rise by touchdowns.
// QUINTARO_SOAK_GAMES sets the number of games per target (a few by
// default; 200 for the full soak).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "football_app.h"

namespace football::test {
namespace {

int GamesPerKind() {
  if (const char* env = std::getenv("QUINTARO_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 3;
}

constexpr int kPossessionLimit = 5000;  // far beyond any real game: a stuck computer

struct SoakStats {
  int games = 0;
  int possessions = 0;
  int longestGame = 0;
};

void CheckAfterPossession(FootballApp& app, int variant, const std::array<int, 4>& before) {
  CFootBall* game = app.Game();
  ASSERT_NE(game, nullptr);
  ASSERT_GE(game->m_nYardsToGoal, 1);
  ASSERT_LE(game->m_nYardsToGoal, 80);
  ASSERT_GE(game->m_nDown, 1);
  ASSERT_LE(game->m_nDown, 4);
  ASSERT_GE(game->m_nToGo, 1);
  ASSERT_LE(game->m_nToGo, 10);
  ASSERT_GE(game->m_pDownDigit->GetCelIndex(), 1);
  ASSERT_LE(game->m_pDownDigit->GetCelIndex(), 4);
  for (int seat = 0; seat < 4; ++seat) {
    const int score = app.Player(seat).m_nScore;
    const int rise = score - before[static_cast<std::size_t>(seat)];
    ASSERT_TRUE(rise == 0 || rise == kTouchdownPoints) << "seat " << seat;
    ASSERT_LT(score, TargetScore(variant)) << "a winner who did not end the game";
  }
}

SoakStats Soak(int variant, int games, std::int64_t epoch) {
  SoakStats stats;
  FootballApp app(epoch, /*audio=*/false);
  app.StartFootball(variant, {4, {true, true, true, true}});
  app.autoPump = false;  // one message at a time: each computer possession is one
  while (stats.games < games) {
    CFootBall* game = app.Game();
    const std::size_t boxesBefore = app.boxes.size();
    int possessions = 0;
    app.Click(300, 100);  // the first computer possession of a game waits for a click
    while (app.Game() == game) {
      std::array<int, 4> before{};
      for (int seat = 0; seat < 4; ++seat) before[static_cast<std::size_t>(seat)] = app.Player(seat).m_nScore;
      if (game->m_bGameOver) break;
      if (app.Pump({}, 1) == 0) {
        ADD_FAILURE() << "the computers stopped playing in game " << stats.games;
        return stats;
      }
      if (app.Game() != game || game->m_bGameOver) break;
      CheckAfterPossession(app, variant, before);
      if (::testing::Test::HasFatalFailure()) return stats;
      if (++possessions > kPossessionLimit) {
        ADD_FAILURE() << "game " << stats.games << " did not end";
        return stats;
      }
    }
    if (app.Game() != game) {
      ADD_FAILURE() << "game " << stats.games << " was replaced before its result was seen";
      return stats;
    }
    // Every seat is a computer: the winner is named, never congratulated as "you".
    std::string winner;
    for (int seat = 0; seat < 4; ++seat)
      if (app.Player(seat).m_nScore >= TargetScore(variant)) winner = app.Player(seat).m_strName;
    bool named = false;
    for (std::size_t i = boxesBefore; i < app.boxes.size(); ++i) {
      named |= !winner.empty() && app.boxes[i] == winner + " wins";
      EXPECT_NE(app.boxes[i], "Hurray you have won, good job");
    }
    EXPECT_TRUE(named) << "game " << stats.games << " ended without naming its winner";
    // The final board waits for the user; the click starts the next game.
    EXPECT_TRUE(game->m_bGameOver);
    app.Click(300, 100);
    app.Pump({}, 2);
    if (app.Game() == game) {
      ADD_FAILURE() << "the click did not start the next game";
      return stats;
    }
    ++stats.games;
    stats.possessions += possessions;
    stats.longestGame = std::max(stats.longestGame, possessions);
  }
  return stats;
}

class FootballSoak : public ::testing::TestWithParam<int> {};

TEST_P(FootballSoak, FourComputersPlayWholeGames) {
  const int variant = GetParam();
  const SoakStats stats = Soak(variant, GamesPerKind(), 1700000000 + 1000 * variant);
  EXPECT_EQ(stats.games, GamesPerKind());
  std::printf("play to %d: %d games, %d possessions, longest %d possessions\n", TargetScore(variant), stats.games,
              stats.possessions, stats.longestGame);
}

INSTANTIATE_TEST_SUITE_P(AllTargets, FootballSoak, ::testing::Values(kPlayTo28, kPlayTo40, kPlayTo54));

}  // namespace
}  // namespace football::test
