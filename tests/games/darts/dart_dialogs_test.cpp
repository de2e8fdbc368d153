// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "games/darts/dart_dialogs.h"
#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_rules.h"
#include "platform/headless_host.h"
#include "res/resource_ids.h"
#include "ui/trackbar_logic.h"

namespace darts {
namespace {

// Drives one dialog with a function and closes it with the given button.
struct DrivingScript : ModalScript {
  std::function<void(DialogController&)> drive;
  int close = IDOK;
  std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
  std::optional<int> RunDialog(int, DialogController& dlg) override {
    if (drive) drive(dlg);
    return close;
  }
};

TEST(DartDialogs, TypeOfGameShowsAndReturnsTheKind) {
  HeadlessHost h;
  DrivingScript script;
  CTypeOfGameDlg dlg;
  dlg.m_nType = kVariant501;
  script.drive = [&](DialogController&) { EXPECT_EQ(dlg.IsDlgButtonChecked(kRadio501), 1); };
  EXPECT_EQ(dlg.DoModal(*h.host, &script), IDOK);
  EXPECT_EQ(dlg.m_nType, kVariant501);

  CTypeOfGameDlg pick;
  pick.m_nType = kVariant301;
  script.drive = [](DialogController& c) { c.Click(kRadioCricket); };
  EXPECT_EQ(pick.DoModal(*h.host, &script), IDOK);
  EXPECT_EQ(pick.m_nType, kVariantCricket);
}

TEST(DartDialogs, ControlsTrackBarsHaveTheirRangesTicksAndValues) {
  HeadlessHost h;
  CGameControlsDlg dlg;
  dlg.m_nVelocity = 2;
  dlg.m_nAccuracy = 0;
  dlg.m_nDrift = 6;
  dlg.Create(*h.host);
  const DialogControl* velocity = dlg.GetDlgItem(kVelocityTrack);
  const DialogControl* drift = dlg.GetDlgItem(kDriftTrack);
  ASSERT_TRUE(velocity && drift);
  EXPECT_EQ(velocity->track.rangeMax, 2);
  EXPECT_EQ(dlg.GetTrackPos(kVelocityTrack), 2);
  EXPECT_EQ(dlg.GetTrackPos(kAccuracyTrack), 0);
  EXPECT_EQ(dlg.GetTrackPos(kDriftTrack), 6);
  EXPECT_EQ(TrackTickPositions(velocity->track, velocity->style), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(TrackTickPositions(drift->track, drift->style), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(DartDialogs, ControlsReadBackOnOkOnly) {
  HeadlessHost h;
  DrivingScript script;
  script.drive = [](DialogController& c) {
    c.Track(kVelocityTrack, 0);
    c.Track(kAccuracyTrack, 2);
    c.Track(kDriftTrack, 99);  // clamped to the range
  };
  CGameControlsDlg dlg;
  EXPECT_EQ(dlg.DoModal(*h.host, &script), IDOK);
  EXPECT_EQ(dlg.m_nVelocity, 0);
  EXPECT_EQ(dlg.m_nAccuracy, 2);
  EXPECT_EQ(dlg.m_nDrift, 8);

  script.close = IDCANCEL;
  CGameControlsDlg cancelled;
  EXPECT_EQ(cancelled.DoModal(*h.host, &script), IDCANCEL);
  EXPECT_EQ(cancelled.m_nVelocity, 1);
  EXPECT_EQ(cancelled.m_nAccuracy, 1);
  EXPECT_EQ(cancelled.m_nDrift, 4);
}

}  // namespace
}  // namespace darts
