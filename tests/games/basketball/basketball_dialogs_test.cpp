// SPDX-License-Identifier: GPL-3.0-or-later
// The basketball dialogs on their own and through the Options menu.
#include "games/basketball/basketball_dialogs.h"

#include <gtest/gtest.h>

#include <functional>

#include "basketball_app.h"
#include "platform/headless_host.h"
#include "res/table_check.h"
#include "ui/trackbar_logic.h"

namespace basketball {
namespace {

struct DrivingScript : ModalScript {
  std::function<void(DialogController&)> drive;
  int close = IDOK;
  std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
  std::optional<int> RunDialog(int, DialogController& dlg) override {
    if (drive) drive(dlg);
    return close;
  }
};

TEST(BasketballDialogs, TemplatesAreWellFormedWithTheirLabels) {
  for (const DialogTemplate* dialog : BasketballDialogTemplates()) EXPECT_TRUE(CheckDialogTemplate(*dialog).empty());
  EXPECT_STREQ(TypeOfGameTemplate().caption, "Select Type of Basketball Game");
  EXPECT_STREQ(GameControlsTemplate().caption, "Basketball Game Controls");
  std::vector<std::string> labels;
  for (const ControlDef& c : GameControlsTemplate().controls)
    if (c.kind == ControlKind::Static) labels.emplace_back(c.text);
  EXPECT_EQ(labels, (std::vector<std::string>{"30", "60", "90", "Not at all", "Half of the time", "All of the time"}));
}

TEST(BasketballDialogs, ControlsTrackBarsHaveTheirRangesAndReadBackOnOkOnly) {
  HeadlessHost h;
  CBasketControlsDlg shown;
  shown.m_nTimePos = 3;
  shown.m_nBoardPos = 2;
  shown.Create(*h.host);
  const DialogControl* time = shown.GetDlgItem(kGameTimeTrack);
  const DialogControl* board = shown.GetDlgItem(kBoardTrack);
  ASSERT_TRUE(time && board);
  EXPECT_EQ(time->track.rangeMin, 1);
  EXPECT_EQ(time->track.rangeMax, 3);
  EXPECT_EQ(board->track.rangeMax, 4);
  EXPECT_EQ(shown.GetTrackPos(kGameTimeTrack), 3);
  EXPECT_EQ(shown.GetTrackPos(kBoardTrack), 2);
  EXPECT_EQ(TrackTickPositions(board->track, board->style), (std::vector<int>{0, 1, 2, 3, 4}));

  DrivingScript script;
  script.drive = [](DialogController& c) {
    c.Track(kGameTimeTrack, 0);  // clamped to 30 s
    c.Track(kBoardTrack, 4);
  };
  CBasketControlsDlg dlg;
  EXPECT_EQ(dlg.DoModal(*h.host, &script), IDOK);
  EXPECT_EQ(dlg.m_nTimePos, 1);
  EXPECT_EQ(dlg.m_nBoardPos, 4);
  script.close = IDCANCEL;
  CBasketControlsDlg cancelled;
  EXPECT_EQ(cancelled.DoModal(*h.host, &script), IDCANCEL);
  EXPECT_EQ(cancelled.m_nTimePos, 2);
}

class BasketballCommands : public ::testing::Test {
 protected:
  test::BasketballApp app;
};

TEST_F(BasketballCommands, GameControlsStoreTheSettingsAndTheBoardFollowsAtOnce) {
  app.GetHost().Settings().WriteProfileInt("Basketball", "GameTime", 4000);  // corrupt
  app.GetHost().Settings().WriteProfileInt("Basketball", "BackboardPercent", -7);
  app.StartBasketball(kVariantTimed, {1, {}});
  CBasketBall* game = app.Game();
  EXPECT_EQ(game->m_nGameTime, 90);
  EXPECT_EQ(game->m_nBoardPercent, 0);
  app.Click(400, 300);
  app.dialogDriver = [&](int id, DialogController& c) -> std::optional<int> {
    EXPECT_EQ(id, static_cast<int>(kControlsDialog));
    c.Track(kGameTimeTrack, 1);
    c.Track(kBoardTrack, 4);
    return IDOK;
  };
  app.Doc().OnCommand(ID_OPTIONS_GAMECONTROLS);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Basketball", "GameTime", 0), 30);
  EXPECT_EQ(app.GetHost().Settings().GetProfileInt("Basketball", "BackboardPercent", 0), 4);
  EXPECT_EQ(game->m_nGameTime, 30);
  EXPECT_EQ(game->m_nBoardThreshold, 30);
  EXPECT_GT(game->m_nTime, 30);  // the running clock keeps its value
  EXPECT_FALSE(game->IsBackboardMoving());
  game->m_nTime = 30;  // "All of the time" of a 30-second turn
  EXPECT_TRUE(game->IsBackboardMoving());
}

TEST_F(BasketballCommands, TypeOfGameAsksDuringAGameAndStartsTheChosenKind) {
  app.StartBasketball(kVariantTimed, {1, {}});
  app.Click(400, 300);
  app.dialogDriver = [](int, DialogController& c) -> std::optional<int> {
    c.Click(kRadioPlayTo40);
    return IDOK;
  };
  app.answers.push_back(IDNO);
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  EXPECT_TRUE(app.dialogs.empty());
  EXPECT_EQ(app.Game()->m_nVariant, kVariantTimed);
  app.answers.push_back(IDYES);
  app.Doc().OnCommand(ID_OPTIONS_TYPEOFGAME);
  app.Pump();
  ASSERT_NE(app.Game(), nullptr);
  EXPECT_EQ(app.Game()->m_nVariant, kVariantPlayTo40);
  EXPECT_EQ(app.Doc().m_nGameVariant, kVariantPlayTo40);
  EXPECT_FALSE(app.Doc().m_bGameInProgress);
  EXPECT_EQ(app.boxes.size(), 2u);
}

}  // namespace
}  // namespace basketball
