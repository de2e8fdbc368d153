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
  // No two balls come to rest inside each other.
  for (int a = 0; a < kBallCount; ++a)
    for (int b = a + 1; b < kBallCount; ++b) {
      const CPoolBall &p = game.Ball(a), &q = game.Ball(b);
      if (!p.m_bOnTable || !q.m_bOnTable) continue;
      const double dx = p.GetPosX() - q.GetPosX(), dy = p.GetPosY() - q.GetPosY();
      ASSERT_GE(dx * dx + dy * dy, 13.5 * 13.5) << "balls " << a << " and " << b << " rest inside each other";
    }
}

struct SoakStats {
  int games = 0;
  int wins = 0;       // the 8 in the called pocket
  int eightLost = 0;  // the 8 early or in another pocket
  int scratches = 0;  // a scratch on the 8
  int shots = 0;
  int longest = 0;
  int cutOff = 0;  // shots stopped by the time limit
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
      stats.eightLost += e.find(" Loses! 8-Ball") != std::string::npos || e.find(" potted the 8 before") != std::string::npos;
      stats.scratches += e.find(" scratches on 8-ball") != std::string::npos;
    }
    EXPECT_FALSE(game->m_bMoving);
    stats.cutOff += game->m_nCutOffShots;
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
  EXPECT_EQ(stats.cutOff, 0) << "shots that never came to rest";
  // At least 70% of the games end with the 8 sunk legally (over enough games for the share to mean something).
  if (stats.games >= 20) {
    EXPECT_GE(stats.wins * 10, stats.games * 7);
  }
  std::printf("%d games (%d won, %d lost on the 8, %d scratched on the 8), %d shots, longest %d, %d cut off, "
              "%.1f virtual minutes\n",
              stats.games, stats.wins, stats.eightLost, stats.scratches, stats.shots, stats.longest, stats.cutOff,
              stats.virtualMs / 60000.0);
}

// Seat 1 clicks anywhere at random (each click a shot from wherever it lands,
// a placing of the cue ball or a pocket call); the computer has seat 2. The
// computer wins nearly every game, by sinking the 8 or by the other's loss.
TEST(PoolSoak, TheComputerBeatsASeatThatClicksAtRandom) {
  const int games = std::min(Games(), 50);
  PoolApp app(1700000000, /*audio=*/false);
  app.GetHost().Settings().WriteProfileInt("Pool", "ComputerSkill", 2);  // Expert: its cue hardly strays
  std::mt19937 rng(99);
  int beaten = 0, played = 0;
  for (int g = 0; g < games; ++g) {
    app.StartPool(false, true);
    CPool* game = app.Game();
    const std::size_t eventsBefore = app.events.size();
    for (int clicks = 0; clicks < 5000 && !game->m_bGameOver && app.Game() == game; ++clicks)
      app.Click(static_cast<int>(rng() % 602), static_cast<int>(rng() % 401));
    if (app.Game() != game || !game->m_bGameOver) continue;
    ++played;
    for (std::size_t i = eventsBefore; i < app.events.size(); ++i) {
      const std::string& e = app.events[i];
      beaten += e.find("Player2 Wins!") != std::string::npos || e.find("Player1 Loses!") != std::string::npos ||
                e.find("Player1 potted the 8 before") != std::string::npos ||
                e.find("Player1 scratches") != std::string::npos;
    }
  }
  std::printf("the computer beat the random seat in %d of %d games (%d decided)\n", beaten, games, played);
  RecordProperty("beaten", beaten);
  EXPECT_GE(beaten * 10, games * 9);
}

}  // namespace
}  // namespace pool::test
