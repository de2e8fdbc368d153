// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: a seeded game of each kind, recorded as it is played, plays back
// in a fresh program (started at another time of day, so another clock and
// generator) to exactly the state it was saved in; a replay of another
// version is refused and says so. QUINTARO_REPLAY_GAMES=20 plays 20 games
// of each kind (CI plays 2).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/replay_desk.h"
#include "game/game.h"
#include "support/game_app.h"

namespace quintaro::test {
namespace {

namespace fs = std::filesystem;

int GamesToPlay() {
  const char* text = std::getenv("QUINTARO_REPLAY_GAMES");
  const int n = text ? std::atoi(text) : 0;
  return n > 0 ? n : 2;
}

fs::path TempReplay(const std::string& name) {
  return fs::temp_directory_path() / ("quintaro-replay-test-" + std::to_string(::getpid()) + "-" + name);
}

std::string Status(GameApp& app) { return app.App().Frame().StatusText(); }

// Lets `ms` pass as the main loop does: woken for each timer and each
// recorded message as it falls due, not in one jump.
void RunMainLoop(GameApp& app, DWORD ms, bool untilReplayEnds = false) {
  Host& host = app.GetHost();
  const DWORD end = host.RealTicks() + ms;
  for (;;) {
    app.Pump();
    app.App().Replays().Idle();
    const DWORD now = host.RealTicks();
    const auto left = static_cast<std::int32_t>(end - now);
    if (left <= 0 || (untilReplayEnds && !app.App().Replays().Playing())) return;
    const auto due = host.NextTimerDue();
    const auto wait = due ? std::clamp(static_cast<std::int32_t>(*due - now), 0, left) : left;
    if (wait > 0) host.Sleep(static_cast<DWORD>(wait));
  }
}

// Plays a while: the computers take their turns; in Air Hockey the user's
// mallet follows a few strokes across the rink.
void Play(GameApp& app, int screen, int game) {
  if (screen == kScreenAirHockey) {
    app.StartGame(screen, 0, {1, {}});
    for (int i = 0; i < 40; ++i) {
      app.Move(100 + (i * 37 + game * 13) % 200, 200 + (i * 53) % 150);
      RunMainLoop(app, 100);
    }
    return;
  }
  app.StartGame(screen, 0, {2, {true, true}});
  app.Click(300, 200);
  RunMainLoop(app, 15000);
}

class GameReplay : public ::testing::TestWithParam<int> {};

TEST_P(GameReplay, SeededGamesPlayBackToTheStateTheyWereSavedIn) {
  const int screen = GetParam();
  for (int game = 0; game < GamesToPlay(); ++game) {
    const fs::path file = TempReplay(std::to_string(screen) + "-" + std::to_string(game) + ".qreplay");
    std::string scores;
    {
      GameApp played(1700000000 + 7919 * game);
      played.answers.assign(20, IDOK);
      Play(played, screen, game);
      ASSERT_EQ(played.App().Replays().Save(file), "");
      scores = played.Doc().StateJson();
    }
    GameApp watched(1800000000);
    watched.answers.assign(20, IDOK);
    ASSERT_TRUE(watched.App().Replays().Open(file));
    RunMainLoop(watched, 600000, true);
    EXPECT_EQ(watched.CountEvents("replay The replay ended as recorded"), 1) << "game " << game << ": " << Status(watched);
    fs::remove(file);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, GameReplay,
                         ::testing::Values(kScreenAirHockey, kScreenBasketball, kScreenBowling, kScreenDarts,
                                           kScreenFootball, kScreenPool));

TEST(Replay, OneOfAnotherVersionIsRefusedAndSaysSo) {
  const fs::path file = TempReplay("version.qreplay");
  {
    GameApp played;
    Play(played, kScreenBowling, 0);
    ASSERT_EQ(played.App().Replays().Save(file), "");
  }
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  std::string changed = text.str();
  const auto at = changed.find("replay.version=");
  ASSERT_NE(at, std::string::npos);
  changed.insert(at + std::string("replay.version=").size(), "0.0-");
  std::ofstream(file, std::ios::trunc) << changed;

  GameApp watched;
  EXPECT_FALSE(watched.App().Replays().Open(file));
  ASSERT_FALSE(watched.boxes.empty());
  EXPECT_NE(watched.boxes.back().find("recorded by Quintaro 0.0-"), std::string::npos) << watched.boxes.back();
  EXPECT_EQ(watched.Doc().m_nGameType, kScreenTitle);
  // A file that is no replay at all is refused the same way.
  std::ofstream(file, std::ios::trunc) << "[Settings]\nSound=1\n";
  EXPECT_FALSE(watched.App().Replays().Open(file));
  fs::remove(file);
}

}  // namespace
}  // namespace quintaro::test
