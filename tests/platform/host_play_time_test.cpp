// SPDX-License-Identifier: GPL-3.0-or-later
// Play time: while a modal layer is up or the window is away from a
// real-time game, the games' clock and the view's timers stand still, and
// they resume on the same beat; the chrome's own timers keep real time.
#include <gtest/gtest.h>

#include <random>

#include "headless_host.h"

namespace {

class PlayTime : public ::testing::Test {
 protected:
  PlayTime() { host.SetViewWindow(view); }

  // Serves every message and timer tick due within the next `ms` real milliseconds.
  void RunFor(DWORD ms) {
    const DWORD until = host.RealTicks() + ms;
    for (;;) {
      for (MSG m; host.PeekMessage(&m, true);) host.DispatchMessage(m);
      const auto due = host.NextTimerDue();
      if (!due || static_cast<std::int32_t>(*due - until) > 0) break;
      h.clock->SetTicks(*due);
    }
    h.clock->SetTicks(until);
  }
  int TicksOf(HWND hwnd, UINT id) const {
    int n = 0;
    for (const MSG& m : h.received) n += m.hwnd == hwnd && m.message == WM_TIMER && m.wParam == id ? 1 : 0;
    return n;
  }

  HeadlessHost h;
  Host& host = *h.host;
  HWND view = h.RecordingWindow();
  HWND chrome = h.RecordingWindow();
  HWND layer = h.RecordingWindow();
};

TEST_F(PlayTime, AModalLayerStopsTheGamesClockAndTimersButNotTheChromes) {
  host.SetTimer(view, 1, 100);
  host.SetTimer(chrome, 2, 100);
  RunFor(250);
  const DWORD play = host.GetTickCount();
  host.PushModalLayer(layer);
  RunFor(20000);
  EXPECT_EQ(host.GetTickCount(), play);
  EXPECT_EQ(TicksOf(view, 1), 2);
  EXPECT_EQ(TicksOf(chrome, 2), 202);
  // A nested layer closing does not let play go on; the last one does, on the same beat.
  host.PushModalLayer(chrome);
  host.PopModalLayer(chrome);
  EXPECT_TRUE(host.PlayHeld());
  host.PopModalLayer(layer);
  EXPECT_EQ(host.NextTimerDue(), host.RealTicks() + 50);
  RunFor(50);
  EXPECT_EQ(TicksOf(view, 1), 3);
  EXPECT_EQ(host.GetTickCount(), play + 50);
}

TEST_F(PlayTime, ALayerWhoseWindowIsDestroyedReleasesPlay) {
  host.PushModalLayer(layer);
  host.DestroyWindow(layer);
  EXPECT_FALSE(host.PlayHeld());
}

TEST_F(PlayTime, ABusyWaitOfAGameLastsItsPlayTime) {
  host.HoldPlay(PlayHold::Away, true);
  RunFor(5000);
  host.HoldPlay(PlayHold::Away, false);
  const DWORD real = host.RealTicks();
  host.WaitUntil(host.GetTickCount() + 300);
  EXPECT_EQ(host.RealTicks(), real + 300);
}

// Over many seeded runs of random holds (layers opening and closing, the
// window going away and back), the games' clock advances by exactly the
// time nothing held it, and a view timer ticks once per period of that time.
TEST_F(PlayTime, PlayTimeIsRealTimeLessEveryHoldOverManySeededRuns) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    HeadlessHost run;
    Host& ho = *run.host;
    const HWND v = run.RecordingWindow();
    const HWND modal = run.RecordingWindow();
    ho.SetViewWindow(v);
    ho.SetTimer(v, 7, 40);
    std::mt19937 rng(seed);
    const DWORD play0 = ho.GetTickCount();
    DWORD unheld = 0;
    bool layerUp = false, away = false;
    for (int step = 0; step < 60; ++step) {
      const DWORD ms = rng() % 700;
      const DWORD until = ho.RealTicks() + ms;
      for (;;) {
        for (MSG m; ho.PeekMessage(&m, true);) ho.DispatchMessage(m);
        const auto due = ho.NextTimerDue();
        if (!due || static_cast<std::int32_t>(*due - until) > 0) break;
        run.clock->SetTicks(*due);
      }
      run.clock->SetTicks(until);
      if (!layerUp && !away) unheld += ms;
      if (rng() % 2) {
        layerUp = !layerUp;
        if (layerUp) ho.PushModalLayer(modal);
        else ho.PopModalLayer(modal);
      } else {
        away = !away;
        ho.HoldPlay(PlayHold::Away, away);
      }
    }
    int ticks = 0;
    for (const MSG& m : run.received) ticks += m.message == WM_TIMER ? 1 : 0;
    EXPECT_EQ(ho.GetTickCount() - play0, unheld) << "seed " << seed;
    EXPECT_EQ(static_cast<DWORD>(ticks), unheld / 40) << "seed " << seed;
  }
}

}  // namespace
