// SPDX-License-Identifier: GPL-3.0-or-later
// Four computer players play whole games of every kind on virtual time: every
// game ends with a winner, no score is ever left below zero after a turn and
// no entry ever holds more than three marks. QUINTARO_SOAK_GAMES sets the
// number of games per kind (a few by default; 200 for the full soak).
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "darts_app.h"

namespace darts::test {
namespace {

int GamesPerKind() {
  if (const char* env = std::getenv("QUINTARO_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 3;
}

constexpr int kTurnLimit = 3000;  // far beyond any real game: a stuck computer

struct SoakStats {
  int games = 0;
  int turns = 0;
  int longestGame = 0;
};

void CheckAfterTurn(DartsApp& app, int variant) {
  const std::set<std::string> marks = {"0", "|", "||", "|||"};
  CDart* game = app.Game();
  ASSERT_NE(game, nullptr);
  for (int seat = 0; seat < 4; ++seat) {
    if (variant != kVariantCricket) {
      ASSERT_GE(app.Player(seat).m_nScore, 0) << "seat " << seat;
    }
    for (int e = 0; e < kCricketEntries; ++e) ASSERT_TRUE(marks.count(game->m_marks.Get(seat, e)));
  }
  ASSERT_GE(game->m_nTurnTotal, 0);
}

SoakStats Soak(int variant, int games, std::int64_t epoch) {
  SoakStats stats;
  DartsApp app(epoch, /*audio=*/false);
  app.StartDarts(variant, {4, {true, true, true, true}});
  app.autoPump = false;  // one message at a time: each computer turn is one
  while (stats.games < games) {
    CDart* game = app.Game();
    const std::size_t boxesBefore = app.boxes.size();
    int turns = 0;
    app.Click(300, 200);  // the first computer turn of a game waits for a click
    while (app.Game() == game && !game->m_bGameOver) {
      if (app.Pump({}, 1) == 0) {
        ADD_FAILURE() << "the computers stopped playing in game " << stats.games;
        return stats;
      }
      if (app.Game() != game) break;
      CheckAfterTurn(app, variant);
      if (::testing::Test::HasFatalFailure()) return stats;
      if (++turns > kTurnLimit) {
        ADD_FAILURE() << "game " << stats.games << " did not end";
        return stats;
      }
    }
    // A computer's win names it; no computer is told it busted, or that "you" won.
    bool won = false;
    for (std::size_t i = boxesBefore; i < app.boxes.size(); ++i) {
      const std::string& box = app.boxes[i];
      won |= box.size() > 5 && box.ends_with(" wins");
      EXPECT_NE(box, "Hurray you have won, good job");
      EXPECT_NE(box, "You have busted");
    }
    EXPECT_TRUE(won) << "game " << stats.games << " ended without a winner";
    EXPECT_FALSE(app.Doc().m_bGameInProgress);
    app.Click(300, 200);  // the final board goes; the next game waits for its click
    app.Pump();
    ++stats.games;
    stats.turns += turns;
    stats.longestGame = std::max(stats.longestGame, turns);
  }
  return stats;
}

class DartSoak : public ::testing::TestWithParam<int> {};

TEST_P(DartSoak, FourComputersPlayWholeGames) {
  const int variant = GetParam();
  const SoakStats stats = Soak(variant, GamesPerKind(), 1700000000 + 1000 * variant);
  EXPECT_EQ(stats.games, GamesPerKind());
  RecordProperty("turns", stats.turns);
  RecordProperty("longestGame", stats.longestGame);
  std::printf("variant %d: %d games, %d turns, longest %d turns\n", variant, stats.games, stats.turns,
              stats.longestGame);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, DartSoak, ::testing::Values(kVariant301, kVariant501, kVariantCricket));

}  // namespace
}  // namespace darts::test
