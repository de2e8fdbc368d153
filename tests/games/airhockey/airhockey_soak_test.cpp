// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted user (the mallet steered toward the puck with a little noise)
// plays whole matches against the computer on virtual time: every match
// ends with a winner, the puck never leaves the rink, neither mallet
// leaves its half and no frame shows the puck under a mallet. QUINTARO_SOAK_GAMES sets the number of matches (a couple
// by default; 100 for the full soak).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "airhockey_app.h"

namespace airhockey::test {
namespace {

int MatchesToPlay() {
  if (const char* env = std::getenv("QUINTARO_SOAK_GAMES")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 2;
}

constexpr DWORD kTickMs = 16;
constexpr DWORD kMatchLimitMs = 30 * 60 * 1000;  // far beyond any real match: play has stalled

struct SoakStats {
  int matches = 0;
  int userWins = 0;
  int goals = 0;
  DWORD longestMatchMs = 0;
  int frames = 0;
  int puckUnderMallet = 0;  // frames with a mallet's centre closer to the puck's than their touch
};

// Whole pixels may leave the two a hair inside their touching distance, never more.
constexpr double kClearance = kMalletRadius + kPuckRadius - 1;

bool PuckUnderAMallet(const Rink& rink) {
  for (const Mallet* mallet : {&rink.human, &rink.computer}) {
    const double dx = rink.puck.pos.x - mallet->pos.x, dy = rink.puck.pos.y - mallet->pos.y;
    if (std::sqrt(dx * dx + dy * dy) < kClearance) return true;
  }
  return false;
}

void CheckInvariants(AirHockeyApp& app) {
  const Rink& rink = app.TheRink();
  const CPoint puck = rink.puck.pos;
  ASSERT_GE(puck.x - kPuckRadius, kWallLeft);
  ASSERT_LE(puck.x + kPuckRadius, kWallRight);
  ASSERT_GE(puck.y - kPuckRadius, kWallTop);
  ASSERT_LE(puck.y + kPuckRadius, kWallBottom);
  const CPoint user = rink.human.pos;
  ASSERT_TRUE(user.x >= 58 && user.x <= 202 && user.y >= 212 && user.y <= 360) << user.x << "," << user.y;
  const CPoint computer = rink.computer.pos;
  ASSERT_LE(computer.y, kCentreLineY) << "the computer's mallet stays in its half";
  ASSERT_GE(computer.y - kMalletRadius, kWallTop - 1);
  ASSERT_GE(computer.x - kMalletRadius, kWallLeft - 1);
  ASSERT_LE(computer.x + kMalletRadius, kWallRight + 1);
  for (int seat = 0; seat < 2; ++seat) {
    ASSERT_GE(app.Player(seat).m_nScore, 0);
    // Seven stays up only over a finished match, until the next press.
    ASSERT_LE(app.Player(seat).m_nScore, app.Doc().m_bGameInProgress ? kWinningScore - 1 : kWinningScore);
  }
}

SoakStats Soak(int matches, std::int64_t epoch) {
  SoakStats stats;
  AirHockeyApp app(epoch, /*audio=*/false);
  app.StartAirHockey();
  std::mt19937 noise(static_cast<std::uint32_t>(epoch));
  std::uniform_int_distribution<int> jitter(-6, 6);
  DWORD matchStart = app.Now();
  while (stats.matches < matches) {
    if (!app.Game()->m_bPlaying) app.PressMallet();
    const CPoint puck = app.TheRink().puck.pos;
    // Play catches up as the move is read, so a goal may come with the move.
    const std::size_t boxes = app.boxes.size();
    app.Move(puck.x + jitter(noise), puck.y + jitter(noise));
    app.Wait(kTickMs);
    CheckInvariants(app);
    ++stats.frames;
    if (PuckUnderAMallet(app.TheRink()) && stats.puckUnderMallet++ == 0)
      ADD_FAILURE() << "the puck under a mallet: " << app.Game()->StateJson();
    if (::testing::Test::HasFatalFailure()) return stats;
    for (std::size_t i = boxes; i < app.boxes.size(); ++i) {
      const std::string& box = app.boxes[i];
      if (box.starts_with("Its a Goal!")) {
        EXPECT_TRUE(box == "Its a Goal!\nPLAYER scores." || box == "Its a Goal!\nCOMPUTER scores.") << box;
        ++stats.goals;
      } else {
        EXPECT_TRUE(box == "PLAYER Wins!" || box == "COMPUTER Wins!") << box;
        stats.userWins += box == "PLAYER Wins!";
        stats.longestMatchMs = std::max(stats.longestMatchMs, app.Now() - matchStart);
        matchStart = app.Now();
        ++stats.matches;
      }
    }
    if (app.Now() - matchStart > kMatchLimitMs) {
      ADD_FAILURE() << "match " << stats.matches << " did not end: " << app.Game()->StateJson();
      return stats;
    }
  }
  return stats;
}

// Each clock start seeds a different run of the computer's choices.
class AirHockeySoak : public ::testing::TestWithParam<std::int64_t> {};

TEST_P(AirHockeySoak, ScriptedUserPlaysWholeMatchesAgainstTheComputer) {
  const int matches = MatchesToPlay();
  const SoakStats stats = Soak(matches, GetParam());
  ASSERT_EQ(stats.matches, matches);
  EXPECT_GE(stats.goals, 7 * stats.matches);
  EXPECT_LE(stats.goals, 13 * stats.matches);
  std::printf("%d matches, %d frames, %d with the puck under a mallet\n", stats.matches, stats.frames,
              stats.puckUnderMallet);
  EXPECT_EQ(stats.puckUnderMallet, 0) << "of " << stats.frames << " frames";
  RecordProperty("Matches", stats.matches);
  RecordProperty("UserWins", stats.userWins);
  RecordProperty("Goals", stats.goals);
  RecordProperty("LongestMatchSeconds", static_cast<int>(stats.longestMatchMs / 1000));
}

INSTANTIATE_TEST_SUITE_P(Clocks, AirHockeySoak, ::testing::Values(1700000000, 1234567, 987654321));

}  // namespace
}  // namespace airhockey::test
