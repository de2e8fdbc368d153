// SPDX-License-Identifier: GPL-3.0-or-later
// Every track bar that asks for tick marks shows them, in every game's
// controls dialog, whether or not it has the focus.
#include <gtest/gtest.h>

#include "games/airhockey/airhockey_dialogs.h"
#include "games/basketball/basketball_dialogs.h"
#include "games/football/football_dialogs.h"
#include "platform/headless_host.h"
#include "platform/surface.h"
#include "ui/trackbar_logic.h"
#include "ui/ui_colors.h"
#include "ui/window_frame.h"

namespace {

void ExpectTicksOnEveryTrackBar(CDialog& dialog) {
  HeadlessHost h;
  dialog.Create(*h.host);
  Surface32 window;
  dialog.Render(window);
  auto dark = [&](int x, int y) { return window.At(x + kFrameClientLeft, y + kFrameClientTop) == ui_color::kText; };
  int trackBars = 0;
  for (const DialogControl& c : dialog.Controls()) {
    if (c.kind != ControlKind::TrackBar) continue;
    ++trackBars;
    const TrackGeometry g = TrackLayout(c.rect, c.track, c.style);
    ASSERT_GE(g.ticksAbove, 0);
    ASSERT_GE(g.ticksBelow, 0);
    const std::vector<int> ticks = TrackTickPositions(c.track, c.style);
    EXPECT_GE(ticks.size(), 3u) << "control " << c.id;
    for (int p : ticks) {
      const int x = TrackPosToX(g, c.track, p);
      EXPECT_TRUE(dark(x, g.ticksAbove + 2)) << "control " << c.id << ": no tick above position " << p;
      EXPECT_TRUE(dark(x, g.ticksBelow + 1)) << "control " << c.id << ": no tick below position " << p;
    }
  }
  EXPECT_GT(trackBars, 0);
}

TEST(TrackBarTicks, EveryGameControlsDialogShowsItsTicks) {
  airhockey::CGameControlsDlg airHockey;
  ExpectTicksOnEveryTrackBar(airHockey);
  basketball::CBasketControlsDlg basketball;
  basketball.m_nTimePos = 2;
  basketball.m_nBoardPos = 1;
  ExpectTicksOnEveryTrackBar(basketball);
  football::CFootballControlsDlg football;
  ExpectTicksOnEveryTrackBar(football);
}

}  // namespace
