// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window while a game is under way asks first; the game is kept
// before the question goes up, so a session that ends with the question
// still open (a logout's SIGTERM, then the kill) loses nothing played.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "app/resume_keeper.h"
#include "games/darts/darts_app.h"

namespace fs = std::filesystem;

namespace darts::test {
namespace {

// Two people play one to three turns each, each dart at the middle of a
// number picked by `seed`.
void PlayTurns(DartsApp& app, unsigned seed) {
  app.App().Resume().OfferOnce();  // nothing kept yet: play may start
  app.StartDarts(0, Seats{2, {}});
  const int darts = 2 * kTrayDarts * (1 + static_cast<int>(seed % 3));
  for (int n = 0; n < darts; ++n) {
    Throw(app, n % kTrayDarts, OnNumber(1 + static_cast<int>((seed * 7 + n * 3) % 20), 100));
    app.Wait(1500);
  }
}

// The same turns, then the window's close box; the process ends while the
// quit question is up. Returns the scores the same turns leave on the table.
std::array<int, 2> PlayThenCloseAndDie(const fs::path& file, unsigned seed) {
  EXPECT_EXIT(
      {
        DartsApp app(1000, false, std::make_unique<SettingsStore>(file));
        PlayTurns(app, seed);
        // The test pumps by itself, so the main loop never idled after these turns.
        app.boxDriver = [](const std::string&, DialogController&) -> std::optional<int> { std::_Exit(0); };
        app.GetHost().PostClose();
        app.Pump();
        std::_Exit(2);
      },
      ::testing::ExitedWithCode(0), "");
  DartsApp app(1000, false);
  PlayTurns(app, seed);
  return {app.Player(0).m_nScore, app.Player(1).m_nScore};
}

TEST(CloseMidGame, TheGameIsKeptBeforeTheQuitQuestionCanBlock) {
  std::string pattern = (fs::temp_directory_path() / "quintaro-close-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path file = fs::path(pattern) / "Quintaro.ini";
  int resumed = 0;
  for (unsigned seed = 1; seed <= 3; ++seed) {
    SCOPED_TRACE(seed);
    fs::remove(fs::path(file).replace_extension(".resume"));
    const std::array<int, 2> scores = PlayThenCloseAndDie(file, seed);
    DartsApp next(1000, false, std::make_unique<SettingsStore>(file));
    next.answers.push_back(IDYES);  // resume the unfinished game
    next.App().OnIdle();
    ASSERT_EQ(next.Doc().m_nGameType, kScreenDarts);
    EXPECT_TRUE(next.Doc().m_bGameInProgress);
    EXPECT_EQ(next.Player(0).m_nScore, scores[0]);
    EXPECT_EQ(next.Player(1).m_nScore, scores[1]);
    EXPECT_LT(scores[0], 301) << "the first player's darts counted before the close";
    resumed += next.Player(0).m_nScore == scores[0] && next.Player(1).m_nScore == scores[1];
  }
  EXPECT_EQ(resumed, 3);
  fs::remove_all(pattern);
}

// A logout's SIGTERM mid-game: no question goes up (nobody would answer it),
// the program ends with code 0 and the next start resumes the same scores.
TEST(CloseMidGame, ATerminateRequestKeepsTheGameAndEndsWithoutAsking) {
  std::string pattern = (fs::temp_directory_path() / "quintaro-term-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path file = fs::path(pattern) / "Quintaro.ini";
  EXPECT_EXIT(
      {
        DartsApp app(1000, false, std::make_unique<SettingsStore>(file));
        PlayTurns(app, 2);
        app.boxDriver = [](const std::string&, DialogController&) -> std::optional<int> { std::_Exit(3); };
        ::raise(SIGTERM);
        app.Pump();
        std::_Exit(2);
      },
      ::testing::ExitedWithCode(0), "");
  DartsApp played(1000, false);
  PlayTurns(played, 2);
  DartsApp next(1000, false, std::make_unique<SettingsStore>(file));
  next.answers.push_back(IDYES);
  next.App().OnIdle();
  ASSERT_TRUE(next.Doc().m_bGameInProgress);
  EXPECT_EQ(next.Player(0).m_nScore, played.Player(0).m_nScore);
  EXPECT_EQ(next.Player(1).m_nScore, played.Player(1).m_nScore);
  fs::remove_all(pattern);
}

}  // namespace
}  // namespace darts::test
