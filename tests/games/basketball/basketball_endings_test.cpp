// SPDX-License-Identifier: GPL-3.0-or-later
// How turns and games end where the clock decides: Practice with several
// seats hands the turn on after 99 s, a Play to 40 game nobody finished says
// so; and a ball behind the ring's front is drawn behind it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "basketball_app.h"
#include "gfx/dib.h"
#include "gfx/sprite.h"

namespace basketball::test {
namespace {

TEST(BasketballEndings, PracticeWithSeveralSeatsPassesTheTurnAfter99Seconds) {
  BasketballApp app;
  app.StartBasketball(kVariantPractice, {2, {}});
  CBasketBall* game = app.Game();
  app.Click(400, 300);
  ASSERT_TRUE(game->m_bTurnRunning);
  ASSERT_TRUE(app.RunUntil([&] { return !game->m_bTurnRunning; }, 101000));
  EXPECT_EQ(app.Player(0).m_nScore, 99);
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 1);
  // The second seat's turn ends the same way and the game starts over, with no winner to name.
  app.Wait(4100);
  app.Click(400, 300);
  ASSERT_TRUE(game->m_bTurnRunning);
  ASSERT_TRUE(app.RunUntil([&] { return !game->m_bTurnRunning; }, 101000));
  EXPECT_TRUE(game->m_bGameOver);
  EXPECT_TRUE(app.boxes.empty());

  // Alone at practice, the turn runs on for as long as the player likes.
  BasketballApp alone;
  alone.StartBasketball(kVariantPractice, {1, {}});
  alone.Click(400, 300);
  alone.RunUntil([] { return false; }, 120000);
  EXPECT_TRUE(alone.Game()->m_bTurnRunning);
  EXPECT_EQ(alone.Game()->m_nTime, 0);
}

TEST(BasketballEndings, PlayTo40WhereNobodyReached40SaysSo) {
  BasketballApp app;
  app.StartBasketball(kVariantPlayTo40, {1, {}});
  CBasketBall* game = app.Game();
  app.Click(400, 300);
  ASSERT_TRUE(app.RunUntil([&] { return !game->m_bTurnRunning; }, 101000));
  EXPECT_EQ(app.boxes, std::vector<std::string>{"Nobody reached 40"});
}

// The window's pixels over the board.
std::vector<std::uint32_t> BoardPixels(BasketballApp& app, const CRect& box) {
  std::vector<std::uint32_t> out;
  const CRect& view = app.GetHost().ViewRect();
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) out.push_back(app.GetHost().WindowSurface().At(x + view.left, y + view.top));
  return out;
}

TEST(BasketballEndings, ABallBehindTheRingsFrontIsDrawnBehindIt) {
  BasketballApp app;
  app.StartBasketball(kVariantPractice, {1, {}});
  CBasketBall* game = app.Game();
  app.Click(400, 300);
  const CRect board{kBoardHome.x, kBoardHome.y, kBoardHome.x + kBoardWidth, kBoardHome.y + kBoardHeight};
  const std::vector<std::uint32_t> empty = BoardPixels(app, board);
  // A ball at the glass, on the left of the ring and level with it.
  ShotBall& b = game->m_balls[0];
  b.nState = kFalling;
  b.nPower = 7;
  b.z = kBoardDepth;
  b.x = static_cast<float>(kBoardHome.x + 20);
  b.y = static_cast<float>(kRimY) + 1.0f - kFallStep;
  b.dy = kFallStep;
  b.dwStepTick = app.Now();
  app.Wait(16);
  ASSERT_EQ(b.nState, kFalling);
  const std::vector<std::uint32_t> shown = BoardPixels(app, board);
  const CDIB* rim = game->m_pRimFront ? game->m_pRimFront->GetCel() : nullptr;
  ASSERT_NE(rim, nullptr);
  const BYTE key = *rim->PixelPtr(0, 0);
  int ringPixels = 0, ballPixels = 0;
  for (int y = 0; y < kBoardHeight; ++y)
    for (int x = 0; x < kBoardWidth; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * kBoardWidth + x);
      ballPixels += shown[i] != empty[i] ? 1 : 0;
      if (*rim->PixelPtr(x, y) == key) continue;
      ++ringPixels;
      EXPECT_EQ(shown[i], empty[i]) << "the ball covers the ring's front at " << x << "," << y;
    }
  EXPECT_GT(ringPixels, 50);
  EXPECT_GT(ballPixels, 50) << "the ball is on the board";
}

}  // namespace
}  // namespace basketball::test
