// SPDX-License-Identifier: GPL-3.0-or-later
// Type Of Game opens on the variant being played: OK without touching a
// choice keeps that variant, for each game that offers the command.
#include <gtest/gtest.h>

#include "res/game_screens.h"
#include "games/basketball/model/basketball_geometry.h"
#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_rules.h"
#include "games/football/model/football_geometry.h"
#include "games/football/model/football_rules.h"
#include "games/pool/pool_dialogs.h"
#include "res/resource_ids.h"
#include "support/game_app.h"

namespace {

struct Case {
  int screen;
  int variant;
  int otherRadio;  // a choice other than the variant played
  int otherVariant;
};

class TypeOfGameOpening : public ::testing::TestWithParam<Case> {
 protected:
  quintaro::test::GameApp app;
};

TEST_P(TypeOfGameOpening, OpensOnTheVariantBeingPlayed) {
  const Case c = GetParam();
  app.StartGame(c.screen, c.variant, {1, {}});
  int opened = 0;
  app.dialogDriver = [&](int, DialogController&) -> std::optional<int> {
    ++opened;
    return IDOK;  // nothing touched
  };
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  app.Pump();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(app.Doc().m_nGameVariant, c.variant);

  // After a choice through the dialog, it opens on that choice next time.
  app.dialogDriver = [&](int, DialogController& dlg) -> std::optional<int> {
    dlg.Click(c.otherRadio);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  app.Pump();
  app.dialogDriver = [](int, DialogController&) -> std::optional<int> { return IDOK; };
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  app.Pump();
  EXPECT_EQ(app.Doc().m_nGameVariant, c.otherVariant);
}

INSTANTIATE_TEST_SUITE_P(Games, TypeOfGameOpening,
                         ::testing::Values(Case{kScreenDarts, darts::kVariantCricket, darts::kRadio501, darts::kVariant501},
                                           Case{kScreenBasketball, basketball::kVariantPlayTo40, basketball::kRadioPractice,
                                                basketball::kVariantPractice},
                                           Case{kScreenFootball, football::kPlayTo54, football::kRadioPlayTo40, football::kPlayTo40},
                                           Case{kScreenPool, 2, pool::kRadioStandard, 1}));

}  // namespace
