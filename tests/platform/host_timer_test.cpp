// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "headless_host.h"

namespace {

class HostTimer : public ::testing::Test {
 protected:
  // Runs the message loop on virtual time until `until`, counting ticks of `id`.
  int TicksUntil(DWORD until, UINT id = 1) {
    int count = 0;
    MSG m;
    while (true) {
      const auto due = host.NextTimerDue();
      if (!due || static_cast<std::int32_t>(*due - until) > 0) break;
      if (!host.GetMessage(&m)) break;
      if (m.message == WM_TIMER && m.wParam == id) ++count;
    }
    return count;
  }

  HeadlessHost h;
  Host& host = *h.host;
  HWND view = h.RecordingWindow();
  DWORD t0 = host.GetTickCount();
};

TEST_F(HostTimer, OneMillisecondTimerIsClampedToSixtyFourHertzOnAverage) {
  ASSERT_TRUE(host.SetTimer(view, 1, 1));
  EXPECT_EQ(host.NextTimerDue(), t0 + 16);
  EXPECT_EQ(TicksUntil(t0 + 1000), 64);
  EXPECT_EQ(TicksUntil(t0 + 2000), 64);
}

TEST_F(HostTimer, PeriodsAboveTheResolutionAreKept) {
  host.SetTimer(view, 1, 100);
  EXPECT_EQ(TicksUntil(t0 + 1000), 10);
}

TEST_F(HostTimer, BusyQueueHoldsTheTickBackAndALateTimerTicksOnce) {
  host.SetTimer(view, 1, 20);
  h.clock->SetTicks(t0 + 1000);  // fifty periods pass unserved
  host.PostMessage(view, WM_USER);

  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].message, WM_USER);
  EXPECT_EQ(got[1].message, WM_TIMER);
  // The next period starts at the late delivery.
  EXPECT_EQ(host.NextTimerDue(), t0 + 1020);
}

TEST_F(HostTimer, SlightlyLateServiceKeepsTheGridAndVeryLateServiceRestartsIt) {
  host.SetTimer(view, 1, 1);  // ticks due at 15.625 ms steps
  h.clock->SetTicks(t0 + 21);
  ASSERT_EQ(h.Drain().size(), 1u);
  EXPECT_EQ(host.NextTimerDue(), t0 + 32);  // 31.25 on the grid
  h.clock->SetTicks(t0 + 100);
  ASSERT_EQ(h.Drain().size(), 1u);
  EXPECT_EQ(host.NextTimerDue(), t0 + 116);
}

TEST_F(HostTimer, PeekingWithoutRemovingDoesNotConsumeTheTick) {
  host.SetTimer(view, 1, 20);
  h.clock->SetTicks(t0 + 20);
  MSG m;
  ASSERT_TRUE(host.PeekMessage(&m, false));
  EXPECT_EQ(m.message, WM_TIMER);
  ASSERT_TRUE(host.PeekMessage(&m, true));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_FALSE(host.PeekMessage(&m, true));
}

TEST_F(HostTimer, TheTimerDueLongestTicksFirst) {
  host.SetTimer(view, 60, 1000);
  host.SetTimer(view, 2, 20);
  h.clock->SetTicks(t0 + 1000);
  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].wParam, 2u);
  EXPECT_EQ(got[1].wParam, 60u);
}

TEST_F(HostTimer, KillTimerStopsTicksAndSettingAgainRestartsThePeriod) {
  host.SetTimer(view, 1, 50);
  h.clock->SetTicks(t0 + 40);
  host.SetTimer(view, 1, 50);  // replaces, does not add
  EXPECT_EQ(host.NextTimerDue(), t0 + 90);
  EXPECT_TRUE(host.KillTimer(view, 1));
  EXPECT_FALSE(host.KillTimer(view, 1));
  EXPECT_FALSE(host.NextTimerDue().has_value());
  h.clock->SetTicks(t0 + 500);
  EXPECT_TRUE(h.Drain().empty());
}

TEST_F(HostTimer, TimersNeedAWindow) { EXPECT_FALSE(host.SetTimer(12345, 1, 10)); }

TEST_F(HostTimer, SleepAdvancesVirtualTimeWithoutDispatching) {
  host.SetTimer(view, 1, 10);
  host.Sleep(250);
  EXPECT_EQ(host.GetTickCount(), t0 + 250);
  EXPECT_TRUE(h.received.empty());
  host.WaitUntil(t0 + 100);  // already past: returns at once
  EXPECT_EQ(host.GetTickCount(), t0 + 250);
}

}  // namespace
