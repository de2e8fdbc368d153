// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "headless_host.h"

namespace {

// A window of 612 x 460 with the menu bar on top and the 602 x 401 view below
// a tool bar, as the chrome lays it out.
class HostInput : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetLayout(612, 460, viewRect, menuBar);
    host.SetFrameWindow(frame);
    host.SetViewWindow(view);
    host.SetFocus(view);
  }
  MSG Only() {
    const auto got = h.Drain();
    EXPECT_EQ(got.size(), 1u);
    return got.empty() ? MSG{} : got.front();
  }

  HeadlessHost h;
  Host& host = *h.host;
  HWND frame = h.RecordingWindow();
  HWND view = h.RecordingWindow();
  HWND dialog = h.RecordingWindow();
  CRect menuBar{0, 0, 612, 20};
  CRect viewRect{5, 50, 607, 451};
};

TEST_F(HostInput, ClicksInTheViewArriveInViewCoordinates) {
  host.PostMouse(WM_LBUTTONDOWN, 15, 60, MK_LBUTTON);
  const MSG m = Only();
  EXPECT_EQ(m.hwnd, view);
  EXPECT_EQ(m.message, WM_LBUTTONDOWN);
  EXPECT_EQ(GET_X_LPARAM(m.lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(m.lParam), 10);
  EXPECT_EQ(m.wParam, MK_LBUTTON);
}

TEST_F(HostInput, MenuBarClicksAreNonClientAndTheRestOfTheChromeIsClient) {
  host.PostMouse(WM_LBUTTONDOWN, 30, 5, MK_LBUTTON);
  MSG m = Only();
  EXPECT_EQ(m.hwnd, frame);
  EXPECT_EQ(m.message, WM_NCLBUTTONDOWN);
  EXPECT_EQ(GET_X_LPARAM(m.lParam), 30);

  host.PostMouse(WM_RBUTTONUP, 30, 5, 0);
  EXPECT_EQ(Only().message, WM_NCRBUTTONUP);

  host.PostMouse(WM_LBUTTONUP, 100, 30, 0);  // tool bar
  m = Only();
  EXPECT_EQ(m.hwnd, frame);
  EXPECT_EQ(m.message, WM_LBUTTONUP);
  EXPECT_EQ(GET_Y_LPARAM(m.lParam), 30);
}

TEST_F(HostInput, CapturedMouseGoesToTheViewEvenOutsideIt) {
  host.SetCapture(view);
  EXPECT_TRUE(h.clock->MouseCaptured());
  host.PostMouse(WM_LBUTTONUP, 2, 5, 0);  // over the menu bar
  const MSG m = Only();
  EXPECT_EQ(m.hwnd, view);
  EXPECT_EQ(m.message, WM_LBUTTONUP);
  EXPECT_EQ(GET_X_LPARAM(m.lParam), -3);
  EXPECT_EQ(GET_Y_LPARAM(m.lParam), -45);

  host.ReleaseCapture();
  EXPECT_FALSE(h.clock->MouseCaptured());
  host.PostMouse(WM_LBUTTONUP, 2, 5, 0);
  EXPECT_EQ(Only().hwnd, frame);
}

TEST_F(HostInput, ModalLayerTakesMouseInSurfaceCoordinatesAndAllKeys) {
  host.SetCapture(view);
  host.PushModalLayer(dialog);
  host.PostMouse(WM_LBUTTONDOWN, 100, 100, MK_LBUTTON);
  MSG m = Only();
  EXPECT_EQ(m.hwnd, dialog);
  EXPECT_EQ(GET_X_LPARAM(m.lParam), 100);
  host.PostKey(WM_KEYDOWN, 'F', true);
  m = Only();
  EXPECT_EQ(m.hwnd, dialog);
  EXPECT_EQ(m.message, WM_KEYDOWN);

  host.PopModalLayer(dialog);
  host.PostKey(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(Only().hwnd, view);
}

TEST_F(HostInput, AltCombinationsGoToTheFrameAsSystemKeys) {
  host.PostKey(WM_KEYDOWN, 'G', true);
  MSG m = Only();
  EXPECT_EQ(m.hwnd, frame);
  EXPECT_EQ(m.message, WM_SYSKEYDOWN);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('G'));
  host.PostKey(WM_KEYUP, VK_MENU, true);
  EXPECT_EQ(Only().message, WM_SYSKEYUP);
  host.PostKey(WM_CHAR, 'a');
  m = Only();
  EXPECT_EQ(m.hwnd, view);
  EXPECT_EQ(m.message, WM_CHAR);
}

TEST_F(HostInput, ConsecutiveMovesToOneWindowKeepOnlyTheNewest) {
  host.PostMouse(WM_MOUSEMOVE, 10, 60, 0);
  host.PostMouse(WM_MOUSEMOVE, 20, 70, 0);
  host.PostMouse(WM_LBUTTONDOWN, 20, 70, MK_LBUTTON);
  host.PostMouse(WM_MOUSEMOVE, 30, 80, MK_LBUTTON);
  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].message, WM_MOUSEMOVE);
  EXPECT_EQ(GET_X_LPARAM(got[0].lParam), 15);
  EXPECT_EQ(got[1].message, WM_LBUTTONDOWN);
  EXPECT_EQ(got[2].message, WM_MOUSEMOVE);
  EXPECT_EQ(host.GetCursorPos().x, 30);
}

TEST_F(HostInput, CloseBoxPostsCloseToTheFrame) {
  host.PostClose();
  const MSG m = Only();
  EXPECT_EQ(m.hwnd, frame);
  EXPECT_EQ(m.message, WM_CLOSE);
}

TEST_F(HostInput, CursorChangesReachTheBackendOnce) {
  std::vector<std::string> events;
  host.onEvent = [&](const std::string& e) { events.push_back(e); };
  host.SetCursor(149);
  host.SetCursor(149);
  host.SetCursor(0);
  EXPECT_EQ(host.GetCursorId(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"cursor 149", "cursor 0"}));
}

}  // namespace

TEST_F(HostInput, KeyMessagesCarryARepeatCountAndThePreviousKeyState) {
  constexpr LPARAM kWasDown = LPARAM{1} << 30;
  constexpr LPARAM kReleasing = LPARAM{1} << 31;
  host.PostKey(WM_KEYDOWN, VK_SHIFT);
  host.PostKey(WM_KEYDOWN, VK_SHIFT);  // held: the key repeats
  host.PostKey(WM_KEYUP, VK_SHIFT);
  host.PostKey(WM_KEYDOWN, VK_SHIFT);
  const auto got = h.Drain();
  ASSERT_EQ(got.size(), 4u);
  for (const MSG& m : got) EXPECT_EQ(m.lParam & 0xFFFF, 1);
  EXPECT_EQ(got[0].lParam & (kWasDown | kReleasing), 0);
  EXPECT_EQ(got[1].lParam & (kWasDown | kReleasing), kWasDown);
  EXPECT_EQ(got[2].lParam & (kWasDown | kReleasing), kWasDown | kReleasing);
  EXPECT_EQ(got[3].lParam & (kWasDown | kReleasing), 0);
  // Alt keys keep their context bit and are counted the same way.
  host.PostKey(WM_KEYDOWN, 'G', true);
  EXPECT_EQ(Only().lParam & ((LPARAM{1} << 29) | 0xFFFF), (LPARAM{1} << 29) | 1);
}
