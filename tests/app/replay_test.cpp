// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: a seeded game of each kind, recorded as it is played, plays back
// in a fresh program (started at another time of day, so another clock and
// generator) to exactly the state it was saved in, on virtual time and on
// a clock that runs on by itself, unevenly, as a real window's does; a
// replay of another version is refused and says so. QUINTARO_REPLAY_GAMES=20
// plays 20 games of each kind (CI plays 2).
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

// A window's clock: it runs on while the program works (each reading may
// find it a millisecond or two later) and a wait wakes up to 7 ms late.
class WallLikeBackend : public HeadlessBackend {
 public:
  WallLikeBackend(std::int64_t epochSeconds, std::uint32_t seed) : HeadlessBackend(Options(epochSeconds)), m_random(seed) {}
  DWORD Ticks() override {
    const DWORD now = HeadlessBackend::Ticks();
    if (Next() % 4 == 0) SetTicks(now + 1 + Next() % 2);
    return HeadlessBackend::Ticks();
  }
  void WaitUntil(DWORD deadline, bool wakeOnInput) override {
    HeadlessBackend::WaitUntil(deadline, wakeOnInput);
    SetTicks(HeadlessBackend::Ticks() + Next() % 8);
  }

 private:
  static HeadlessOptions Options(std::int64_t epochSeconds) {
    HeadlessOptions options;
    options.epochSeconds = epochSeconds;
    return options;
  }
  std::uint32_t Next() { return m_random = m_random * 1664525u + 1013904223u, m_random >> 16; }
  std::uint32_t m_random;
};

std::unique_ptr<HeadlessBackend> Backend(bool wallLike, std::int64_t epochSeconds, std::uint32_t seed) {
  if (!wallLike) return nullptr;
  return std::make_unique<WallLikeBackend>(epochSeconds, seed);
}

// Lets `ms` of play time pass as the main loop does: it takes each message
// as the program's own loop takes it, waking for each timer and recorded
// message (and once a second to look at the time).
void RunMainLoop(GameApp& app, DWORD ms, bool untilReplayEnds = false) {
  constexpr UINT kLookTimer = 0x7E57;
  Host& host = app.GetHost();
  const HWND frame = host.FrameWindow();
  const DWORD began = host.GetTickCount();
  host.SetTimer(frame, kLookTimer, 1000);
  MSG msg;
  while (host.GetTickCount() - began < ms && host.GetMessage(&msg)) {
    if (msg.hwnd != frame || msg.message != WM_TIMER || msg.wParam != kLookTimer) app.App().DispatchOne(msg);
    app.Doc().ReapRetiredGames();
    app.App().Replays().Idle();
    if (untilReplayEnds && !app.App().Replays().Playing()) break;
  }
  host.KillTimer(frame, kLookTimer);
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

// Records seeded games of one kind and watches each played back; the clock
// each side runs on is virtual or runs on as a window's does.
void RecordAndWatch(int screen, bool recordWallLike, bool watchWallLike) {
  for (int game = 0; game < GamesToPlay(); ++game) {
    const fs::path file = TempReplay(std::to_string(screen) + "-" + std::to_string(game) + ".qreplay");
    DWORD playedMs = 0;
    {
      const std::int64_t epoch = 1700000000 + 7919 * game;
      GameApp played(epoch, true, nullptr, Backend(recordWallLike, epoch, 11u + game));
      played.answers.assign(20, IDOK);
      const DWORD began = played.Now();
      Play(played, screen, game);
      playedMs = played.Now() - began;
      ASSERT_EQ(played.App().Replays().Save(file), "");
    }
    GameApp watched(1800000000, true, nullptr, Backend(watchWallLike, 1800000000, 97u + game));
    watched.answers.assign(20, IDOK);
    ASSERT_TRUE(watched.App().Replays().Open(file));
    // A game of the computers may run on inside one of its own loops far
    // beyond the time the test let pass: the watch lasts as long as the game did.
    RunMainLoop(watched, playedMs + 60000, true);
    EXPECT_EQ(watched.CountEvents("replay The replay ended as recorded"), 1) << "game " << game << ": " << Status(watched);
    fs::remove(file);
  }
}

class GameReplay : public ::testing::TestWithParam<int> {};

TEST_P(GameReplay, SeededGamesPlayBackToTheStateTheyWereSavedIn) { RecordAndWatch(GetParam(), false, false); }

// Played and watched in a window, where the clock runs on while the program
// works and wakes it late: the replay still ends exactly as recorded.
TEST_P(GameReplay, SeededGamesPlayBackAlikeOnAClockThatRunsOnUnevenly) { RecordAndWatch(GetParam(), true, true); }

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
