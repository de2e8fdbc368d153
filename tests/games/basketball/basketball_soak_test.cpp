// SPDX-License-Identifier: GPL-3.0-or-later
// Four computer shooters play whole Timed and Play to 40 games on virtual
// time: every game ends, turns keep their points, clock, board and balls in
// range, and the Wall Of Fame keeps five entries in order. QUINTARO_SOAK_GAMES
// sets the number of games per kind (a couple by default; 100 for the full soak).
#include <gtest/gtest.h>

#include <cstdlib>

#include "basketball_app.h"
#include "game/wall_of_fame.h"
#include "games/basketball/model/basketball_rules.h"

namespace basketball::test {
namespace {

int GamesPerKind() {
  if (const char* env = std::getenv("QUINTARO_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 2;
}

// Four turns of at most 99 s with the pauses between them, and some slack.
constexpr DWORD kGameLimitMs = 4 * (99 + 5) * 1000 + 10000;

void CheckTurnState(const CBasketBall& game) {
  ASSERT_GE(game.m_nPoints, 0);
  ASSERT_LE(game.m_nPoints, kMaxPoints);
  ASSERT_GE(game.m_nTime, 0);
  ASSERT_LE(game.m_nTime, kMaxClock);
  const int bx = game.m_pBackboard->GetX();
  ASSERT_GE(bx, kBoardLeftmost);
  ASSERT_LE(bx, kBoardRightmost);
  for (const ShotBall& b : game.m_balls) {
    ASSERT_TRUE((b.nState >= kOnRack && b.nState <= kGone) || (b.nState >= kNetFirst && b.nState <= kRightBounce))
        << b.nState;
  }
}

void CheckWallOfFame(BasketballApp& app) {
  const FameTable fame = ReadFameTable(app.GetHost().Settings(), kBasketballFame);
  for (int i = 1; i < kFameEntries; ++i)
    ASSERT_GE(fame[static_cast<std::size_t>(i - 1)].score, fame[static_cast<std::size_t>(i)].score);
  for (const FameEntry& e : fame) ASSERT_FALSE(e.name.empty());
}

struct SoakStats {
  int games = 0;
  int turns = 0;
  int bestTurn = 0;
};

SoakStats Soak(int variant, int games, std::int64_t epoch) {
  SoakStats stats;
  BasketballApp app(epoch, /*audio=*/false);
  app.StartBasketball(variant, {4, {true, true, true, true}});
  CBasketBall* game = app.Game();
  while (stats.games < games) {
    app.Wait(4100);
    app.Click(400, 300);  // a game waits for a click; its turns then follow by themselves
    if (!game->m_bTurnRunning) {
      ADD_FAILURE() << "game " << stats.games << " did not start";
      return stats;
    }
    EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0) << "every game starts with the first seat";
    bool running = true;
    const bool ended = app.RunUntil(
        [&] {
          CheckTurnState(*game);
          if (running && !game->m_bTurnRunning) {
            ++stats.turns;
            CheckWallOfFame(app);
          }
          running = game->m_bTurnRunning != FALSE;
          stats.bestTurn = std::max(stats.bestTurn, game->m_nPoints);
          return ::testing::Test::HasFatalFailure() || !app.Doc().m_bGameInProgress;
        },
        kGameLimitMs);
    if (::testing::Test::HasFatalFailure()) return stats;
    if (!ended) {
      ADD_FAILURE() << "game " << stats.games << " did not end";
      return stats;
    }
    EXPECT_TRUE(game->m_bGameOver) << "the final board waits for the next click";
    CheckWallOfFame(app);
    ++stats.games;
  }
  return stats;
}

class BasketballSoak : public ::testing::TestWithParam<int> {};

TEST_P(BasketballSoak, FourComputerShootersPlayWholeGames) {
  const int variant = GetParam();
  const SoakStats stats = Soak(variant, GamesPerKind(), 1700000000 + 1000 * variant);
  EXPECT_EQ(stats.games, GamesPerKind());
  EXPECT_EQ(stats.turns, 4 * stats.games);
  EXPECT_GT(stats.bestTurn, 0);  // the computers do score
  std::printf("variant %d: %d games, %d turns, best turn %d points\n", variant, stats.games, stats.turns,
              stats.bestTurn);
}

INSTANTIATE_TEST_SUITE_P(TimedAndPlayTo40, BasketballSoak, ::testing::Values(kVariantTimed, kVariantPlayTo40));

}  // namespace
}  // namespace basketball::test
