// SPDX-License-Identifier: GPL-3.0-or-later
// The Bowling Controls dialog: a well-formed template whose two track bars
// run 0..3 and open on the stored positions.
#include <gtest/gtest.h>

#include "games/bowling/bowl_dialogs.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_hook_curve.h"
#include "platform/headless/headless_backend.h"
#include "res/table_check.h"

namespace bowling {
namespace {

TEST(BowlDialog, TrackBarsRunOverTheFourPositionsAndOpenOnTheStoredOnes) {
  EXPECT_TRUE(CheckDialogTemplate(ControlsTemplate()).empty());
  Host host(MakeHeadlessBackend(), std::make_unique<SettingsStore>());
  CBowlControlsDlg dlg;
  dlg.m_nSpin = 2;
  dlg.m_nPinInteraction = 3;
  dlg.Create(host);
  for (int id : {kSpinTrack, kPinInteractionTrack}) {
    const DialogControl* track = dlg.GetDlgItem(id);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->track.rangeMin, 0);
    EXPECT_EQ(track->track.rangeMax, 3);
  }
  EXPECT_EQ(dlg.GetTrackPos(kSpinTrack), 2);
  EXPECT_EQ(dlg.GetTrackPos(kPinInteractionTrack), 3);
}

// The dialog's curves: Spin off runs straight, each position bends further
// left, and even the strongest stays on the lane to the head pin.
TEST(BowlDialog, EachSpinPositionsCurveBendsFurtherAndStaysOnTheLane) {
  double last = -1.0;
  for (int spin = 0; spin <= kSettingMax; ++spin) {
    const std::vector<LanePoint> line = HookCurve(spin);
    ASSERT_GT(line.size(), 2u);
    EXPECT_LE(line.back().y, kPinSpots.back().y);
    const double bend = -line.back().x;
    if (spin == 0) EXPECT_NEAR(bend, 0.0, 1e-6);
    else EXPECT_GT(bend, last + 3.0) << spin;
    EXPECT_LT(bend, (kLaneRight - kLaneLeft) * 0.7) << spin;
    last = bend;
  }
}

}  // namespace
}  // namespace bowling
