// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "headless_host.h"

namespace {

class HostQueue : public ::testing::Test {
 protected:
  HeadlessHost h;
  Host& host = *h.host;
  HWND a = h.RecordingWindow();
  HWND b = h.RecordingWindow();
};

TEST_F(HostQueue, PostedMessagesComeFirstThenPaintThenTimer) {
  host.SetTimer(a, 7, 10);
  h.clock->SetTicks(h.clock->Ticks() + 100);  // the timer is overdue
  host.InvalidateWindow(b);
  host.PostMessage(a, WM_USER + 1);
  host.PostMessage(b, WM_USER + 2);

  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].message, WM_USER + 1);
  EXPECT_EQ(got[1].message, WM_USER + 2);
  EXPECT_EQ(got[2].message, WM_PAINT);
  EXPECT_EQ(got[2].hwnd, b);
  EXPECT_EQ(got[3].message, WM_TIMER);
  EXPECT_EQ(got[3].wParam, 7u);
}

TEST_F(HostQueue, NoRemoveLeavesTheMessageAndRangeFilterSkipsOthers) {
  host.PostMessage(a, WM_MOUSEMOVE);
  host.PostMessage(a, WM_KEYDOWN, VK_ESCAPE);
  MSG m;
  ASSERT_TRUE(host.PeekMessage(&m, false));
  EXPECT_EQ(m.message, WM_MOUSEMOVE);
  EXPECT_EQ(host.QueuedCount(), 2u);

  ASSERT_TRUE(host.PeekMessage(&m, true, WM_KEYFIRST, WM_KEYLAST));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.wParam, VK_ESCAPE);
  EXPECT_FALSE(host.PeekMessage(&m, true, WM_KEYFIRST, WM_KEYLAST));
  ASSERT_TRUE(host.PeekMessage(&m, true));
  EXPECT_EQ(m.message, WM_MOUSEMOVE);
}

TEST_F(HostQueue, FilterThatExcludesPaintAndTimerLeavesThemPending) {
  host.InvalidateWindow(a);
  MSG m;
  EXPECT_FALSE(host.PeekMessage(&m, true, WM_MOUSEFIRST, WM_MOUSELAST));
  ASSERT_TRUE(host.PeekMessage(&m, true));
  EXPECT_EQ(m.message, WM_PAINT);
  EXPECT_FALSE(host.PeekMessage(&m, true));
}

TEST_F(HostQueue, InvalidatingTwiceGivesOnePaintAndUpdateWindowPaintsAtOnce) {
  host.InvalidateWindow(a);
  host.InvalidateWindow(a);
  EXPECT_TRUE(host.UpdateWindow(a));
  ASSERT_EQ(h.received.size(), 1u);
  EXPECT_EQ(h.received[0].message, WM_PAINT);
  EXPECT_FALSE(host.UpdateWindow(a));
  EXPECT_TRUE(h.Drain().empty());
}

TEST_F(HostQueue, QuitComesAfterEarlierPostsAndEndsGetMessage) {
  host.PostMessage(a, WM_USER);
  host.PostQuitMessage(3);
  MSG m;
  ASSERT_TRUE(host.GetMessage(&m));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_FALSE(host.GetMessage(&m));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 3u);
}

TEST_F(HostQueue, GetMessageSleepsOnVirtualTimeUntilTheTimerIsDue) {
  const DWORD start = host.GetTickCount();
  host.SetTimer(a, 1, 100);
  MSG m;
  ASSERT_TRUE(host.GetMessage(&m));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(host.GetTickCount(), start + 100);
}

TEST_F(HostQueue, ClearQueueDropsPostedMessagesButNotPaints) {
  host.PostMessage(a, WM_USER);
  host.InvalidateWindow(a);
  host.ClearQueue();
  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].message, WM_PAINT);
}

TEST_F(HostQueue, SendCallsTheProcedureAtOnceAndUnknownWindowsAreIgnored) {
  HWND echo = host.CreateWindow([](const MSG& m) { return static_cast<LRESULT>(m.wParam * 2); });
  EXPECT_EQ(host.SendMessage(echo, WM_USER, 21), 42);
  EXPECT_EQ(host.SendMessage(999, WM_USER, 21), 0);
  EXPECT_EQ(host.DispatchMessage(MSG{999, WM_USER}), 0);
}

TEST_F(HostQueue, DestroyingAWindowDropsItsMessagesTimersAndCapture) {
  host.PostMessage(a, WM_USER);
  host.PostMessage(b, WM_USER + 1);
  host.SetTimer(a, 1, 20);
  host.SetCapture(a);
  host.SetFocus(a);
  host.DestroyWindow(a);

  EXPECT_FALSE(host.IsWindow(a));
  EXPECT_EQ(host.GetCapture(), HWND_NONE);
  EXPECT_EQ(host.GetFocus(), HWND_NONE);
  EXPECT_FALSE(host.NextTimerDue().has_value());
  h.received.clear();
  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].hwnd, b);
}

TEST_F(HostQueue, AProcedureMayDestroyItsOwnWindow) {
  HWND self = HWND_NONE;
  int calls = 0;
  self = host.CreateWindow([&](const MSG& m) {
    ++calls;
    if (m.message == WM_CLOSE) host.DestroyWindow(self);
    return LRESULT{0};
  });
  host.PostMessage(self, WM_CLOSE);
  h.Drain();
  EXPECT_FALSE(host.IsWindow(self));
  EXPECT_EQ(calls, 2);  // WM_CLOSE, then WM_DESTROY from inside it
}

}  // namespace
