// SPDX-License-Identifier: GPL-3.0-or-later
// Two computer seats play whole games on virtual time: every game reaches a
// result, and after every shot each ball is either on the table or lying in
// its place in the tray. QUINTARO_SOAK_GAMES sets the number of games (a
// few by default; 300 for the full soak).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "pool_app.h"

namespace pool::test {
namespace {

int Games() {
  if (const char* env = std::getenv("QUINTARO_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 3;
}

constexpr int kShotLimit = 600;  // far beyond any real game: a stuck computer
// Everything a ball on the table can reach: the bed and the pocket mouths.
constexpr CRect kTableArea{80, 65, 521, 318};

void CheckBalls(CPool& game) {
  for (int n = 0; n < kBallCount; ++n) {
    const CPoolBall& b = game.Ball(n);
    const CPoint at{b.GetPosX(), b.GetPosY()};
    if (b.m_bOnTable) {
      ASSERT_TRUE(kTableArea.PtInRect(at)) << "ball " << n << " at " << at.x << "," << at.y;
      ASSERT_EQ(b.m_dSpeed, 0.0) << "ball " << n << " still rolling";
    } else {
      ASSERT_EQ(at, TrayPosition(n)) << "ball " << n << " off the table but not in the tray";
    }
  }
}

struct SoakStats {
  int games = 0;
  int wins = 0;       // the 8 in the called pocket
  int eightLost = 0;  // the 8 early or in another pocket
  int scratches = 0;  // a scratch on the 8
  int shots = 0;
  int longest = 0;
  DWORD virtualMs = 0;
};

SoakStats Soak(int games, std::int64_t epoch) {
  SoakStats stats;
  PoolApp app(epoch, /*audio=*/false);
  app.autoPump = false;  // one message at a time: each computer shot is one
  const DWORD start = app.Now();
  // The computer plays the same position the same way: each game breaks
  // from a different spot in the kitchen.
  std::mt19937 rng(static_cast<unsigned>(epoch));
  while (stats.games < games) {
    app.StartPool(true, true);
    CPool* game = app.Game();
    if (stats.games > 0) {
      game->Ball(0).MoveTo(kKitchen.left + static_cast<int>(rng() % 90), kKitchen.top + 10 + static_cast<int>(rng() % 185));
      game->Ball(0).SetVelocity(0, 0);
    }
    const std::size_t eventsBefore = app.events.size();
    app.Click(300, 380);  // the first computer turn of a game waits for a click
    int shots = 0;
    while (!game->m_bGameOver) {
      if (app.Pump({}, 1) == 0) {
        ADD_FAILURE() << "the computers stopped playing in game " << stats.games;
        return stats;
      }
      if (app.Game() != game) {
        ADD_FAILURE() << "game " << stats.games << " was replaced";
        return stats;
      }
      CheckBalls(*game);
      if (::testing::Test::HasFatalFailure()) return stats;
      if (++shots > kShotLimit) {
        std::string last;
        for (std::size_t i = app.events.size() > 12 ? app.events.size() - 12 : 0; i < app.events.size(); ++i)
          last += app.events[i] + "\n";
        ADD_FAILURE() << "game " << stats.games << " did not end: " << game->StateJson() << "\n" << last;
        return stats;
      }
    }
    app.Pump();  // nothing more comes once the game is decided
    for (std::size_t i = eventsBefore; i < app.events.size(); ++i) {
      const std::string& e = app.events[i];
      stats.wins += e.find(" Wins!") != std::string::npos;
      stats.eightLost += e.find(" Loses! 8-Ball") != std::string::npos;
      stats.scratches += e.find(" scratches on 8-ball") != std::string::npos;
    }
    EXPECT_FALSE(game->m_bMoving);
    ++stats.games;
    stats.shots += shots;
    stats.longest = std::max(stats.longest, shots);
  }
  stats.virtualMs = app.Now() - start;
  return stats;
}

TEST(PoolSoak, TwoComputersPlayGamesToAResult) {
  const SoakStats stats = Soak(Games(), 1700000000);
  EXPECT_EQ(stats.games, Games());
  RecordProperty("shots", stats.shots);
  RecordProperty("longestGame", stats.longest);
  EXPECT_EQ(stats.wins + stats.eightLost + stats.scratches, stats.games) << "one result per game";
  std::printf("%d games (%d won, %d lost on the 8, %d scratched on the 8), %d shots, longest %d, %.1f virtual minutes\n",
              stats.games, stats.wins, stats.eightLost, stats.scratches, stats.shots, stats.longest,
              stats.virtualMs / 60000.0);
}

}  // namespace
}  // namespace pool::test
