// SPDX-License-Identifier: GPL-3.0-or-later
// The tray: taking a dart, putting it back, and what a dart stuck in the
// board may hide; and whose click it is after the seats change.
#include <gtest/gtest.h>

#include "darts_app.h"
#include "gfx/sprite_list.h"

namespace darts::test {
namespace {

class DartTray : public ::testing::Test {
 protected:
  DartsApp app;
};

// A dart released far too fast at `x` lands at the bottom of the release
// area, right above the tray.
void ThrowIntoTheBottomRow(DartsApp& app, int tray, int x) {
  app.Click(kTrayGrips[static_cast<std::size_t>(tray)].x, kTrayGrips[static_cast<std::size_t>(tray)].y);
  app.Stroke({x, kThrowLine.y}, {x, 270}, 0);
}

TEST_F(DartTray, TheTrayGivesAndTakesBackDarts) {
  app.StartDarts(kVariant301, {1, {}});
  // No dart in hand: a stroke does nothing.
  app.Stroke(kThrowLine, {266, 141}, 300);
  EXPECT_EQ(app.Game()->m_nDartsThrown, 0);
  app.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  CSprite* held = app.View().m_turn.m_pSelSprite;
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->GetX(), -100);
  // Clicking the tray again puts it back where it stood.
  app.Click(kTrayGrips[2].x, kTrayGrips[2].y);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_EQ(held->GetX(), 244);
  EXPECT_EQ(held->GetY(), 300);
  // Throw it; its empty place in the tray then gives nothing.
  Throw(app, 0, {266, 141});
  app.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
}

TEST_F(DartTray, AClickBesideTheNeedleInADartsSlotTakesIt) {
  app.StartDarts(kVariant301, {1, {}});
  // High up in the slot the dart is a needle one pixel wide: the pixels
  // beside it are see-through, yet that is where a user reaches for it.
  for (int tray = 0; tray < kTrayDarts; ++tray) {
    const CPoint beside{kTraySlots[static_cast<std::size_t>(tray)].x + 2,
                        kTraySlots[static_cast<std::size_t>(tray)].y + 4};
    ASSERT_EQ(app.Doc().m_sprites.HitTest(beside.x, beside.y), nullptr) << tray;
    app.Click(beside.x, beside.y);
    CSprite* held = app.View().m_turn.m_pSelSprite;
    ASSERT_NE(held, nullptr) << tray;
    EXPECT_EQ(held->GetX(), -100);
    // Back into its slot for the next try.
    app.Click(beside.x, beside.y);
    ASSERT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
  }
  // Between two slots there is no dart to take.
  app.Click(kTraySlots[0].x + 20, kTraySlots[0].y + 20);
  EXPECT_EQ(app.View().m_turn.m_pSelSprite, nullptr);
}

TEST_F(DartTray, AStuckDartIsNeverTakenBackFromTheTray) {
  app.StartDarts(kVariant301, {1, {}});
  // A dart thrown far too fast lands at the bottom of the release area,
  // right above the tray; standing upright, its picture reaches down into
  // the tray. Throw such darts until one does (the picture is chosen at random).
  auto reachesTray = [&] {
    for (const auto& sprite : app.Doc().m_sprites) {
      CRect r;
      sprite->GetRect(&r);
      if (sprite->GetY() < kTrayRect.top && r.bottom > kTrayRect.top) return true;
    }
    return false;
  };
  for (int turn = 0; turn < 20 && !reachesTray(); ++turn) {
    for (int i = 0; i < 2 && !reachesTray(); ++i) {
      app.Click(kTrayGrips[static_cast<std::size_t>(i)].x, kTrayGrips[static_cast<std::size_t>(i)].y);
      app.Stroke({276, kThrowLine.y}, {276, 270}, 0);
      EXPECT_EQ(app.Game()->m_ptLanding, CPoint(276, 282));
    }
    if (!reachesTray()) Throw(app, 2, {130, 5});  // end the turn and try again
  }
  ASSERT_TRUE(reachesTray());
  // Click every tray pixel where a stuck dart is what the user sees.
  int clicks = 0;
  for (int y = kTrayRect.top; y < kTrayRect.bottom; ++y)
    for (int x = kTrayRect.left; x < kTrayRect.right; ++x) {
      const CSprite* seen = app.Doc().m_sprites.HitTest(x, y);
      if (!seen || seen->GetY() >= kTrayRect.top) continue;
      app.Click(x, y);
      ++clicks;
      ASSERT_EQ(app.View().m_turn.m_pSelSprite, nullptr) << x << "," << y;
    }
  EXPECT_GT(clicks, 0);
}

TEST_F(DartTray, AStuckDartLyingOverAnUnusedTrayDartDoesNotHideIt) {
  app.StartDarts(kVariant301, {1, {}});
  // The third tray dart (drawn in front of the others) lands right above the
  // second; hanging down, its picture covers the top of that dart. Throw
  // until it does.
  const CSprite* stuck = nullptr;
  for (int turn = 0; turn < 20 && !stuck; ++turn) {
    ThrowIntoTheBottomRow(app, 2, kTrayGrips[1].x);
    const CSprite* top = app.Doc().m_sprites.HitTest(kTrayGrips[1].x, kTrayRect.top + 2);
    if (top && top->GetY() < kTrayRect.top) {
      stuck = top;
      break;
    }
    Throw(app, 0, {130, 5});
    Throw(app, 1, {130, 5});
  }
  ASSERT_NE(stuck, nullptr);
  app.Click(kTrayGrips[1].x, kTrayRect.top + 2);
  const CSprite* held = app.View().m_turn.m_pSelSprite;
  ASSERT_NE(held, nullptr) << "the tray dart under the stuck one is taken";
  EXPECT_NE(held, stuck);
  EXPECT_EQ(held->GetX(), -100);
  EXPECT_EQ(stuck->GetY(), 282) << "the stuck dart stays in the board";
}

TEST_F(DartTray, TheFirstClickCountsAfterAComputersSeatGoesToTheUser) {
  app.StartDarts(kVariant301, {1, {true}});
  // The players dialog hands the seat to the user without a new game.
  app.Player(0).m_bComputer = FALSE;
  app.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  EXPECT_NE(app.View().m_turn.m_pSelSprite, nullptr);
  EXPECT_EQ(app.CountEvents("sound 402"), 1);
  // And the other way round: a computer's seat never takes the user's click.
  DartsApp other;
  other.StartDarts(kVariant301, {1, {}});
  other.Player(0).m_bComputer = TRUE;
  other.Click(kTrayGrips[0].x, kTrayGrips[0].y);
  EXPECT_EQ(other.View().m_turn.m_pSelSprite, nullptr);
}

}  // namespace
}  // namespace darts::test
