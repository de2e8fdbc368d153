// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's events as the program receives them, and the frame as the
// canvas receives it.
#include <gtest/gtest.h>

#include "headless_host.h"
#include "platform/frame_rgba.h"
#include "platform/web/web_input.h"

namespace {

class WebInput : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetLayout(606, 471, viewRect, menuBar);
    host.SetFrameWindow(frame);
    host.SetViewWindow(view);
    host.SetFocus(view);
  }
  std::vector<MSG> Post(const WebEvent& e) {
    PostWebEvent(host, e);
    return h.Drain();
  }

  HeadlessHost h;
  Host& host = *h.host;
  HWND frame = h.RecordingWindow();
  HWND view = h.RecordingWindow();
  CRect menuBar{0, 0, 606, 19};
  CRect viewRect{2, 48, 604, 449};
};

WebEvent Pointer(WebEvent::Kind kind, int x, int y, int button, int buttons) {
  WebEvent e;
  e.kind = kind;
  e.x = x;
  e.y = y;
  e.button = button;
  e.buttons = buttons;
  return e;
}

TEST_F(WebInput, ButtonsReachTheViewWithTheButtonsAndKeysHeld) {
  WebEvent right = Pointer(WebEvent::Kind::PointerDown, 12, 58, 2, 2);
  right.shift = true;
  auto got = Post(right);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].hwnd, view);
  EXPECT_EQ(got[0].message, WM_RBUTTONDOWN);
  EXPECT_EQ(got[0].wParam, MK_RBUTTON | MK_SHIFT);
  EXPECT_EQ(GET_X_LPARAM(got[0].lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(got[0].lParam), 10);

  got = Post(Pointer(WebEvent::Kind::PointerUp, 12, 58, 1, 0));
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].message, WM_MBUTTONUP);
  EXPECT_EQ(got[0].wParam, 0u);

  // A button the program does not know is dropped, not turned into another.
  EXPECT_TRUE(Post(Pointer(WebEvent::Kind::PointerDown, 12, 58, 3, 8)).empty());
}

TEST_F(WebInput, TheWheelTurnsInNotchesAwayFromTheUser) {
  WebEvent wheel = Pointer(WebEvent::Kind::Wheel, 100, 100, -1, 0);
  const auto got = Post(wheel);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].message, WM_MOUSEWHEEL);
  EXPECT_EQ(static_cast<short>((got[0].wParam >> 16) & 0xFFFF), -120);
}

TEST_F(WebInput, KeysBecomeVirtualKeysAndTextBecomesCharacters) {
  WebEvent key;
  key.kind = WebEvent::Kind::KeyDown;
  key.code = 0x0D;  // Enter: a key and the character an edit field takes
  auto got = Post(key);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].message, WM_KEYDOWN);
  EXPECT_EQ(got[0].wParam, VK_RETURN);
  EXPECT_EQ(got[1].message, WM_CHAR);
  EXPECT_EQ(got[1].wParam, static_cast<WPARAM>('\r'));

  key.code = 0x61;  // the keypad's 1 is the digit 1
  got = Post(key);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].wParam, static_cast<WPARAM>('1'));

  key.code = 0xBA;  // a key the program has no use for
  EXPECT_TRUE(Post(key).empty());

  WebEvent text;
  text.kind = WebEvent::Kind::Char;
  text.code = 0x416;  // Cyrillic Zhe, typed
  got = Post(text);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].message, WM_CHAR);
  EXPECT_EQ(got[0].wParam, 0x416u);

  // Alt+letter opens a menu: it types nothing; nor do control codes or
  // what is not a character at all.
  text.alt = true;
  EXPECT_TRUE(Post(text).empty());
  text.alt = false;
  for (int code : {0x1B, 0x7F, 0x110000, -5}) {
    text.code = code;
    EXPECT_TRUE(Post(text).empty()) << code;
  }
}

TEST_F(WebInput, LeavingThePageHoldsThePlayLikeLeavingTheWindow) {
  WebEvent focus;
  focus.kind = WebEvent::Kind::Focus;
  focus.code = 0;
  auto got = Post(focus);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].hwnd, frame);
  EXPECT_EQ(got[0].message, WM_ACTIVATEAPP);
  EXPECT_EQ(got[0].wParam, 0u);

  WebEvent hidden;
  hidden.kind = WebEvent::Kind::Hidden;
  hidden.code = 1;
  got = Post(hidden);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].message, WM_SIZE);
  EXPECT_EQ(got[0].wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
}

TEST(FrameRgba, OnlyTheAreaIsConvertedToCanvasBytes) {
  Surface32 frame(4, 3, ToPixel(1, 2, 3));
  frame.View().Row(1)[2] = ToPixel(0xAA, 0xBB, 0xCC);
  std::vector<std::uint8_t> rgba;
  ConvertToRgba(frame, CRect(1, 1, 3, 2), rgba);
  ASSERT_EQ(rgba.size(), 4u * 3u * 4u);
  const std::size_t at = (1 * 4 + 2) * 4;
  EXPECT_EQ((std::vector<std::uint8_t>{rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]}),
            (std::vector<std::uint8_t>{0xAA, 0xBB, 0xCC, 0xFF}));
  EXPECT_EQ(rgba[(1 * 4 + 1) * 4], 1);  // inside the area
  EXPECT_EQ(rgba[0], 0);                // outside it: left as it was
  // An area past the frame's edges is clipped, never written beyond.
  ConvertToRgba(frame, CRect(-5, -5, 50, 50), rgba);
  EXPECT_EQ(rgba[0], 1);
  EXPECT_EQ(rgba.size(), 4u * 3u * 4u);
}

}  // namespace
