// SPDX-License-Identifier: GPL-3.0-or-later
// The Bowling Controls dialog: a well-formed template whose two track bars
// run 0..3 and open on the stored positions.
#include <gtest/gtest.h>

#include "games/bowling/bowl_dialogs.h"
#include "games/bowling/model/bowl_geometry.h"
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

}  // namespace
}  // namespace bowling
