// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game and the first minute: the final board stays until the
// next click, the rows show points as points and times as times, and a click
// in the pause between turns is not lost.
#include <gtest/gtest.h>

#include <string>

#include "basketball_app.h"
#include "gfx/sprite.h"

namespace basketball::test {
namespace {

bool TurnRunning(BasketballApp& app) { return app.Game()->m_bTurnRunning != FALSE; }

// Plays the current seat's turn: `points` scored by the time the clock (at `clock`) runs out.
void PlayTurn(BasketballApp& app, int points, int clock) {
  app.Wait(4100);
  app.Click(400, 300);
  ASSERT_TRUE(TurnRunning(app));
  app.Game()->m_nPoints = points;
  app.Game()->m_nTime = clock;
  ASSERT_TRUE(app.RunUntil([&] { return !TurnRunning(app); }, 100000));
}

// The result digits of a seat's row.
int Shown(BasketballApp& app, int seat) {
  const auto& digits = app.Game()->m_pPlayerDigits[static_cast<std::size_t>(seat)];
  return digits[0]->GetCelIndex() * 10 + digits[1]->GetCelIndex();
}

// Ink in the right-hand end of a seat's name box, where its time stands.
int InkRightOfName(BasketballApp& app, int seat) {
  const CRect& box = app.Game()->m_rcName[static_cast<std::size_t>(seat)];
  const CRect end{box.right - 24, box.top, box.right, box.bottom};
  return end.Width() * end.Height() - app.CountColour(end, 0);
}

class BasketballFinalBoard : public ::testing::Test {
 protected:
  bool TurnRunning() { return basketball::test::TurnRunning(app); }
  void PlayTurn(int points, int clock) { basketball::test::PlayTurn(app, points, clock); }
  int Shown(int seat) { return basketball::test::Shown(app, seat); }
  BasketballApp app;
};

TEST_F(BasketballFinalBoard, TheFinalScoresPointsAndClockStayUntilTheNextClick) {
  app.GetHost().Settings().WriteProfileInt("Basketball", "GameTime", 30);
  app.StartBasketball(kVariantTimed, {2, {}});
  CBasketBall* game = app.Game();
  PlayTurn(12, 30);
  PlayTurn(7, 30);
  ASSERT_EQ(app.boxes, std::vector<std::string>{"Player1 is the winner with a score of 12!"});
  app.Wait(20000);
  EXPECT_EQ(app.Player(0).m_nScore, 12);
  EXPECT_EQ(app.Player(1).m_nScore, 7);
  EXPECT_EQ(Shown(0), 12);
  EXPECT_EQ(Shown(1), 7);
  EXPECT_EQ(game->m_pPointsOnes->GetCelIndex(), 7) << "the last turn's points";
  EXPECT_EQ(game->m_pTimeOnes->GetCelIndex(), 0) << "the clock that ran out";
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_TRUE(app.Doc().m_bGameEnded);
  EXPECT_TRUE(app.App().Frame().StatusText().starts_with(app.boxes[0]));
  // The click clears the board and starts the next game with the first seat.
  app.Click(400, 300);
  EXPECT_EQ(app.Player(0).m_nScore, 0);
  EXPECT_EQ(Shown(0), 0);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_TRUE(TurnRunning());
}

TEST_F(BasketballFinalBoard, RacesShowThePointsAsPointsAndTheTimeBesideTheName) {
  for (const int variant : {kVariantPlayTo40, kVariantPractice}) {
    BasketballApp a;
    a.StartBasketball(variant, {2, {}});
    EXPECT_EQ(InkRightOfName(a, 0), 0) << "no time before the seat has played";
    basketball::test::PlayTurn(a, 24, 96);
    basketball::test::PlayTurn(a, 0, 96);
    // Both clocks ran out at 99 s: the rows show what was scored, and the time apart.
    EXPECT_EQ(a.Player(0).m_nScore, 99);
    EXPECT_EQ(basketball::test::Shown(a, 0), 24) << variant;
    EXPECT_EQ(basketball::test::Shown(a, 1), 0) << variant;
    EXPECT_GT(InkRightOfName(a, 0), 0) << variant;
    EXPECT_GT(InkRightOfName(a, 1), 0) << variant;
  }
}

TEST_F(BasketballFinalBoard, AClickInThePauseStartsTheNextTurnOnceThePauseIsOver) {
  app.GetHost().Settings().WriteProfileInt("Basketball", "GameTime", 30);
  app.StartBasketball(kVariantTimed, {2, {}});
  PlayTurn(0, 30);
  app.Wait(1000);
  app.Click(300, 300);
  EXPECT_FALSE(TurnRunning()) << "the pause lasts";
  ASSERT_TRUE(app.RunUntil([&] { return TurnRunning(); }, 3200));
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
}

}  // namespace
}  // namespace basketball::test
