// SPDX-License-Identifier: GPL-3.0-or-later
// The darts players' options through the whole program: double out and its
// busts, double in, the checkout hint, the averages, Undo of the last dart,
// and the computer's level from Options > Computer Skill.
#include <gtest/gtest.h>

#include "app/quintaro_doc.h"
#include "darts_app.h"
#include "game/computer_skill_setting.h"
#include "games/darts/model/dart_checkout.h"
#include "gfx/sprite_list.h"
#include "platform/settings.h"

namespace darts::test {
namespace {

const CPoint kTreble20{kBoardCenterX, kBoardCenterY - 64};
const CPoint kSingle20{kBoardCenterX, kBoardCenterY - 40};
const CPoint kDouble20{kBoardCenterX, kBoardCenterY - 97};

std::string Checkout(DartsApp& app) {
  const std::string state = app.Game()->StateJson();
  const std::size_t at = state.find("\"checkout\":\"") + 12;
  return state.substr(at, state.find('"', at) - at);
}

void WithOptions(DartsApp& app, bool doubleOut, bool doubleIn) {
  app.GetHost().Settings().WriteProfileInt("Darts", "DoubleOut", doubleOut ? 1 : 0);
  app.GetHost().Settings().WriteProfileInt("Darts", "DoubleIn", doubleIn ? 1 : 0);
}

std::vector<CRect> SpriteRects(DartsApp& app) {
  std::vector<CRect> rects;
  for (const auto& sprite : app.Doc().m_sprites) {
    CRect r;
    sprite->GetRect(&r);
    rects.push_back(r);
  }
  return rects;
}

// Three treble 20s: 121 left of 301.
void ThreeTrebles(DartsApp& app) {
  for (int i = 0; i < 3; ++i) Throw(app, i, kTreble20);
  app.Wait(2500);
}

TEST(DartPlayersOptions, DoubleOutBustsOnOneAndOnASingleToZeroAndFinishesOnADouble) {
  DartsApp app;
  WithOptions(app, true, false);
  app.StartDarts(kVariant301, {1, {}});
  ThreeTrebles(app);
  ASSERT_EQ(app.Player(0).m_nScore, 121);
  EXPECT_EQ(Checkout(app), CheckoutText(121, 3));
  EXPECT_NE(Checkout(app), "");
  Throw(app, 0, kTreble20);
  EXPECT_EQ(Checkout(app), CheckoutText(61, 2));
  Throw(app, 1, kTreble20);  // 1 left: a bust
  app.Wait(2500);
  EXPECT_EQ(app.Player(0).m_nScore, 121);
  ASSERT_EQ(app.boxes, std::vector<std::string>{"You have busted"});
  // T20, S1, D20: 20 left, out with D10.
  Throw(app, 0, kTreble20);
  Throw(app, 1, OnNumber(1, 40));
  Throw(app, 2, kDouble20);
  app.Wait(2500);
  ASSERT_EQ(app.Player(0).m_nScore, 20);
  EXPECT_EQ(Checkout(app), "D10");
  Throw(app, 0, kSingle20);  // zero, but not on a double
  app.Wait(2500);
  EXPECT_EQ(app.Player(0).m_nScore, 20);
  EXPECT_EQ(app.boxes.size(), 2u);
  CDart* game = app.Game();
  Throw(app, 0, OnNumber(10, 97));
  EXPECT_EQ(app.boxes.back(), kWonText);
  app.Click(300, 200);
  EXPECT_NE(app.Game(), game);  // the click on the final board started a new game
}

TEST(DartPlayersOptions, WithoutTheOptionsEveryRuleIsAsItWas) {
  DartsApp app;
  app.StartDarts(kVariant301, {1, {}});
  ThreeTrebles(app);
  Throw(app, 0, kTreble20);
  Throw(app, 1, kTreble20);
  EXPECT_EQ(app.Player(0).m_nScore, 1);  // no bust on 1
  EXPECT_EQ(Checkout(app), "");          // and no checkout hint
  EXPECT_TRUE(app.boxes.empty());
}

TEST(DartPlayersOptions, DoubleInCountsNothingBeforeTheFirstDouble) {
  DartsApp app;
  WithOptions(app, false, true);
  app.StartDarts(kVariant301, {1, {}});
  Throw(app, 0, kTreble20);
  EXPECT_EQ(app.Player(0).m_nScore, 301);
  Throw(app, 1, kDouble20);
  EXPECT_EQ(app.Player(0).m_nScore, 261);
  Throw(app, 2, kTreble20);
  EXPECT_EQ(app.Player(0).m_nScore, 201);
  // 501 has no double in.
  DartsApp other;
  WithOptions(other, false, true);
  other.StartDarts(kVariant501, {1, {}});
  Throw(other, 0, kTreble20);
  EXPECT_EQ(other.Player(0).m_nScore, 441);
}

TEST(DartPlayersOptions, UndoRestoresBoardScoreAndMarksExactly) {
  for (int variant : {kVariant501, kVariantCricket}) {
    DartsApp app;
    app.StartDarts(variant, {1, {}});
    CDart* game = app.Game();
    Throw(app, 0, kTreble20);
    const std::string afterFirst = game->StateJson();
    const std::vector<CRect> sprites = SpriteRects(app);
    const int score = app.Player(0).m_nScore;
    Throw(app, 1, kSingle20);
    ASSERT_NE(game->StateJson(), afterFirst);
    ASSERT_TRUE(game->CanUndo());
    app.Doc().OnCommand(ID_EDIT_UNDO);
    app.Pump();
    EXPECT_EQ(game->StateJson(), afterFirst) << variant;
    EXPECT_EQ(app.Player(0).m_nScore, score);
    EXPECT_EQ(SpriteRects(app), sprites) << variant;  // each dart's place and picture
    // The dart is back in the tray and can be thrown again.
    Throw(app, 1, kSingle20);
    EXPECT_EQ(game->m_nDartsThrown, 2);
  }
}

TEST(DartPlayersOptions, UndoIsOnlyForTheRunningTurnOfAPerson) {
  DartsApp app;
  app.StartDarts(kVariant301, {2, {false, true}});
  CDart* game = app.Game();
  EXPECT_FALSE(game->CanUndo());
  for (int i = 0; i < 3; ++i) Throw(app, i, kTreble20);
  // The turn went to the computer and back: nothing of it can be taken back.
  EXPECT_EQ(app.Doc().m_nCurrentPlayer, 0);
  EXPECT_FALSE(game->CanUndo());
  const int score = app.Player(0).m_nScore;
  app.Doc().OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(app.Player(0).m_nScore, score);
}

TEST(DartPlayersOptions, TheScoreboardShowsAveragesAndTheComputerItsLevel) {
  DartsApp app;
  app.GetHost().Settings().WriteProfileInt("Darts", "ComputerSkill", 2);
  app.StartDarts(kVariant501, {2, {false, true}});
  for (int i = 0; i < 3; ++i) Throw(app, i, kTreble20);
  EXPECT_EQ(app.CountEvents("status \"Computer (Expert) to play\""), 1);
  const std::string state = app.Game()->StateJson();
  EXPECT_NE(state.find("\"averages\":[\"180.0\""), std::string::npos) << state;
  // A stored level out of range plays at the default, Beginner; the menu stores the choice.
  app.GetHost().Settings().WriteProfileInt("Darts", "ComputerSkill", 7);
  EXPECT_EQ(app.Game()->GetComputerSkill(), skill::ComputerSkill::Beginner);
  app.Doc().OnCommand(ID_OPTIONS_SKILL_CLUB);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Darts", "ComputerSkill", -1), 1);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Pool", "ComputerSkill", -1), -1);
}

}  // namespace
}  // namespace darts::test
