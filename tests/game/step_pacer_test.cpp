// SPDX-License-Identifier: GPL-3.0-or-later
// The physics pacer: steps follow the clock, not the machine, and the picture
// is shown at the display's rate, never per step.
#include "game/step_pacer.h"

#include <gtest/gtest.h>

#include "game/turn_state.h"
#include "gfx/sprite.h"
#include "platform/headless_host.h"

namespace {

TEST(StepPacer, RunsOneStepPerMillisecondAndPresentsAtTheDisplayRate) {
  HeadlessHost h;
  Host& host = *h.host;
  const DWORD start = host.GetTickCount();
  CStepPacer pacer(host, 1, 16);
  int steps = 0;
  int frames = 0;
  while (pacer.Advance([&] { return ++steps < 1000; }, [&] { ++frames; })) {
  }
  EXPECT_EQ(steps, 1000);
  // A thousand 1 ms steps take a second of virtual time, shown in about 60 frames.
  const DWORD elapsed = host.GetTickCount() - start;
  EXPECT_GE(elapsed, 998u);
  EXPECT_LE(elapsed, 1002u);
  EXPECT_GE(frames, 55);
  EXPECT_LE(frames, 66);
}

TEST(StepPacer, SlowerStepsTakeLongerAndTheLastStepIsAlwaysShown) {
  HeadlessHost h;
  Host& host = *h.host;
  const DWORD start = host.GetTickCount();
  CStepPacer pacer(host, 10, 16);
  int steps = 0;
  bool shownAfterLast = false;
  while (pacer.Advance(
      [&] {
        shownAfterLast = false;
        return ++steps < 50;
      },
      [&] { shownAfterLast = true; })) {
  }
  EXPECT_TRUE(shownAfterLast);
  EXPECT_NEAR(static_cast<double>(host.GetTickCount() - start), 500.0, 12.0);
}

TEST(StepPacer, AStalledClockCatchesUpInBoundedBursts) {
  HeadlessHost h;
  Host& host = *h.host;
  CStepPacer pacer(host, 1, 16);
  host.Sleep(10000);  // the machine stood still for ten seconds
  int steps = 0;
  pacer.Advance([&] { return ++steps > 0; }, [] {});
  EXPECT_LE(steps, 100);
  EXPECT_GT(steps, 0);
}

TEST(TurnState, OnlyAnEscapeAfterTheLoopBeganCountsAndOnlyOnce) {
  CTurnState turn;
  turn.m_bEscape = TRUE;  // pressed during the user's own turn
  turn.BeginLoop();
  EXPECT_FALSE(turn.ConsumeEscape());
  turn.m_bEscape = TRUE;
  EXPECT_TRUE(turn.ConsumeEscape());
  EXPECT_FALSE(turn.ConsumeEscape());
}

TEST(TurnState, ResetLetsGoOfEverything) {
  CTurnState turn;
  CSprite held(5, 6, 0, 1);
  turn.Select(&held, held.GetX(), held.GetY());
  turn.m_bDragging = TRUE;
  turn.m_bComputerPlaying = TRUE;
  turn.Reset();
  EXPECT_EQ(turn.m_pSelSprite, nullptr);
  EXPECT_FALSE(turn.m_bDragging);
  EXPECT_FALSE(turn.m_bComputerPlaying);
}

}  // namespace
