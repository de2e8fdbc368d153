// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu of a darts game: the throw settings (taking effect at
// once, stored, read back clamped) and the type of game (kept per game).
#include <gtest/gtest.h>

#include "darts_app.h"
#include "games/darts/model/dart_geometry.h"
#include "res/resource_ids.h"

namespace darts::test {
namespace {

class DartOptions : public ::testing::Test {
 protected:
  DartsApp app;
};

TEST_F(DartOptions, GameControlsTakeEffectOnTheNextStrokeAndAreStored) {
  app.StartDarts(kVariant301, {1, {}});
  Throw(app, 0, {266, 141});
  app.dialogDriver = [](int id, DialogController& dlg) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kControlsDialog));
    dlg.Track(kVelocityTrack, 0);
    dlg.Track(kAccuracyTrack, 1);
    dlg.Track(kDriftTrack, 8);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  app.Pump();
  CDart* game = app.Game();
  EXPECT_EQ(game->m_nVelocity, 0);
  EXPECT_EQ(game->m_nDrift, 8);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Darts", "Velocity", -1), 0);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Darts", "Drift", -1), 8);
  EXPECT_EQ(app.Player(0).m_nScore, 251);  // the game goes on
  EXPECT_EQ(game->m_nDartsThrown, 1);
  // Slow wants 600 ms: a 300 ms stroke now lands 30 pixels low.
  Throw(app, 1, {266, 100});
  EXPECT_EQ(game->m_ptLanding, CPoint(266, 130));
  // Cancel leaves everything as it is.
  app.dialogDriver = [](int, DialogController& dlg) -> std::optional<int> {
    dlg.Track(kVelocityTrack, 2);
    return IDCANCEL;
  };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  EXPECT_EQ(game->m_nVelocity, 0);
}

TEST_F(DartOptions, StoredSettingsOutOfRangeAreClamped) {
  SettingsStore& store = app.GetHost().Settings();
  store.WriteProfileInt("Darts", "Velocity", 7);
  store.WriteProfileInt("Darts", "Accuracy", -4);
  store.WriteProfileInt("Darts", "Drift", 12);
  app.StartDarts(kVariant301, {1, {}});
  EXPECT_EQ(app.Game()->m_nVelocity, 2);
  EXPECT_EQ(app.Game()->m_nAccuracy, 0);
  EXPECT_EQ(app.Game()->m_nDrift, 8);
  // The dialog opens on the clamped values.
  app.dialogDriver = [](int, DialogController&) -> std::optional<int> { return IDOK; };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Darts", "Drift", -1), 8);
}

TEST_F(DartOptions, TypeOfGameAsksDuringAGameThenRestartsWithTheChoice) {
  app.StartDarts(kVariant301, {1, {}});
  Throw(app, 0, {266, 141});
  app.answers = {IDNO};
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  EXPECT_EQ(app.boxes.back(), "Do you wish to quit the current game?");
  EXPECT_TRUE(app.dialogs.empty());
  EXPECT_EQ(app.Player(0).m_nScore, 251);

  app.answers = {IDYES};
  app.dialogDriver = [](int id, DialogController& dlg) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kTypeOfGameDialog));
    dlg.Click(kRadioCricket);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_EQ(app.Game()->m_nVariant, kVariantCricket);
  EXPECT_EQ(app.Doc().m_nGameVariant, kVariantCricket);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
}

TEST_F(DartOptions, AnotherGamesTypeOfGameLeavesDartsAlone) {
  app.StartDarts(kVariantCricket, {1, {}});
  // Basketball's "Practice" is its variant 1, which for darts would be 501.
  app.Doc().SetVariant(kScreenBasketball, 1);
  app.Doc().OnCommand(ID_GAME_NEW_DARTS);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_EQ(app.Game()->m_nVariant, kVariantCricket);
  EXPECT_EQ(app.Doc().m_nGameVariant, kVariantCricket);
  // Nor when darts has never chosen one: a fresh document starts with 301.
  DartsApp fresh;
  fresh.Doc().SetVariant(kScreenBasketball, 1);
  fresh.Doc().OnCommand(ID_GAME_NEW_DARTS);
  fresh.Pump();
  ASSERT_NE(fresh.Game(), nullptr);
  EXPECT_EQ(fresh.Game()->m_nVariant, kVariant301);
}

}  // namespace
}  // namespace darts::test
