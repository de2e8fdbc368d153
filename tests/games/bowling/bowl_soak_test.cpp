// SPDX-License-Identifier: GPL-3.0-or-later
// Four computer bowlers play whole games on virtual time. After every turn
// the sheet holds only valid codes; at every game's end each final score is
// 0..300 and equals what an independent ten-pin scorer makes of the balls
// on the sheet, and the winners are named. QUINTARO_SOAK_GAMES sets the
// number of games (a couple by default; 200 for the full soak).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bowl_app.h"

namespace bowling::test {
namespace {

int SoakGames() {
  if (const char* env = std::getenv("QUINTARO_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 2;
}

constexpr int kTurnLimit = 200;  // 40 frames a game: far beyond means a stuck computer

// The pins each ball knocked down, read back from the sheet's codes.
std::vector<int> Rolls(const SheetRow& row) {
  std::vector<int> rolls;
  for (int f = 0; f < kTenthFrame; ++f) {
    const BowlFrameCell& c = row[static_cast<std::size_t>(f)];
    if (c.nBall1 == kStrike) {
      rolls.push_back(10);
      continue;
    }
    rolls.push_back(c.nBall1);
    rolls.push_back(c.nBall2 == kSpare ? 10 - c.nBall1 : c.nBall2);
  }
  const BowlFrameCell& t = row[kTenthFrame];
  int standing = 10;
  for (int code : {t.nBall1, t.nBall2, t.nTotal}) {
    if (code == kNotBowled) break;
    const int pins = code == kStrike ? 10 : code == kSpare ? standing : code;
    rolls.push_back(pins);
    standing = standing - pins == 0 ? 10 : standing - pins;
  }
  return rolls;
}

// Ten-pin scoring the textbook way, over a list of rolls.
int TenPinScore(const std::vector<int>& r) {
  int score = 0;
  std::size_t i = 0;
  const auto at = [&r](std::size_t k) { return k < r.size() ? r[k] : 0; };
  for (int frame = 0; frame < 10 && i < r.size(); ++frame) {
    if (at(i) == 10) {
      score += 10 + at(i + 1) + at(i + 2);
      i += 1;
    } else if (at(i) + at(i + 1) == 10) {
      score += 10 + at(i + 2);
      i += 2;
    } else {
      score += at(i) + at(i + 1);
      i += 2;
    }
  }
  return score;
}

bool ValidCode(int code) { return code == kNotBowled || (code >= 0 && code <= 9) || code == kSpare || code == kStrike; }

class SoakApp : public BowlApp {
 public:
  using BowlApp::BowlApp;
  // The game-end message comes while the finished game is still on the table.
  std::optional<int> AnswerMessageBox(const std::string& caption, const std::string& text, UINT type) override {
    if (CBowl* game = Game()) {
      finalSheet = game->m_frames;
      for (int p = 0; p < kPlayers; ++p) finalScores[static_cast<std::size_t>(p)] = Player(p).m_nScore;
      ended = true;
    }
    return BowlApp::AnswerMessageBox(caption, text, type);
  }
  ScoreSheet finalSheet{};
  std::array<int, kPlayers> finalScores{};
  bool ended = false;
};

void CheckSheet(CBowl& game) {
  for (const SheetRow& row : game.m_frames)
    for (const BowlFrameCell& c : row) {
      ASSERT_TRUE(ValidCode(c.nBall1) && ValidCode(c.nBall2)) << c.nBall1 << ' ' << c.nBall2;
      if (c.nBall1 >= 0 && c.nBall1 <= 9 && c.nBall2 >= 0 && c.nBall2 <= 9) {
        ASSERT_LE(c.nBall1 + c.nBall2, 9);
      }
    }
}

void CheckFinal(const SoakApp& app, int game) {
  int best = -1;
  for (int p = 0; p < kPlayers; ++p) {
    const SheetRow& row = app.finalSheet[static_cast<std::size_t>(p)];
    const int score = app.finalScores[static_cast<std::size_t>(p)];
    EXPECT_GE(score, 0);
    EXPECT_LE(score, 300);
    EXPECT_EQ(score, TenPinScore(Rolls(row))) << "game " << game << " seat " << p;
    EXPECT_TRUE(TenthComplete(row)) << "game " << game << " seat " << p;
    best = std::max(best, score);
  }
  ASSERT_FALSE(app.boxes.empty());
  // Computers won: they are named, never congratulated as "you".
  EXPECT_EQ(app.boxes.back().find("you have won!"), std::string::npos) << app.boxes.back();
  for (int p = 0; p < kPlayers; ++p) {
    if (app.finalScores[static_cast<std::size_t>(p)] == best) {
      EXPECT_NE(app.boxes.back().find("Player" + std::to_string(p + 1)), std::string::npos);
    }
  }
}

TEST(BowlSoak, FourComputerBowlersPlayWholeGames) {
  SoakApp app(1700000000, /*audio=*/false);
  app.StartBowling({4, {true, true, true, true}});
  app.autoPump = false;  // one message at a time: each computer frame is one
  int turns = 0, high = 0;
  long total = 0;
  for (int games = 0; games < SoakGames(); ++games) {
    CBowl* game = app.Game();
    ASSERT_NE(game, nullptr);
    app.ended = false;
    app.Click(300, 300);  // the first computer turn of a game waits for a click
    for (int t = 0; app.Game() == game && !game->m_bGameOver; ++t) {
      ASSERT_GT(app.Pump({}, 1), 0) << "the computers stopped bowling in game " << games;
      ASSERT_LT(t, kTurnLimit) << "game " << games << " did not end";
      if (app.Game() == game) {
        CheckSheet(*game);
        ++turns;
      }
    }
    ASSERT_TRUE(app.ended) << "game " << games << " ended without its message";
    CheckFinal(app, games);
    if (::testing::Test::HasFailure()) return;
    EXPECT_FALSE(app.Doc().m_bGameInProgress);
    app.Click(300, 300);  // the final sheet goes; the next game waits for its click
    app.Pump();
    for (int score : app.finalScores) {
      total += score;
      high = std::max(high, score);
    }
  }
  RecordProperty("turns", turns);
  std::printf("%d games, %d turns, mean score %.1f, best %d\n", SoakGames(), turns,
              static_cast<double>(total) / (kPlayers * SoakGames()), high);
}

TEST(BowlSoak, TheIndependentScorerAgreesWithKnownGames) {
  EXPECT_EQ(TenPinScore(std::vector<int>(12, 10)), 300);
  EXPECT_EQ(TenPinScore({10, 7, 3, 9, 0, 10, 0, 8, 8, 2, 0, 6, 10, 10, 10, 8, 1}), 167);
}

}  // namespace
}  // namespace bowling::test
