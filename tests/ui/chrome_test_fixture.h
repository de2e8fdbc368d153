// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the chrome tests share: a frame and a view window on the headless
// backend with the chrome created over them, and the application's loop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/frame_chrome.h"
#include "ui_test_host.h"

namespace quintaro::test {

class ChromeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.host().onEvent = [this](const std::string& e) { events.push_back(e); };
    frame = t.host().CreateWindow([this](const MSG& msg) -> LRESULT {
      LRESULT r = 0;
      if (chrome->HandleFrameMessage(msg, &r)) return r;
      if (msg.message == WM_COMMAND) commands.push_back(static_cast<UINT>(msg.wParam));
      return 0;
    });
    view = t.host().CreateWindow([this](const MSG& msg) -> LRESULT {
      if (msg.message == WM_PAINT) ++viewPaints;
      if (msg.message == WM_CHAR) typed += static_cast<char>(msg.wParam);
      return 0;
    });
    t.host().SetViewWindow(view);
    t.host().SetFocus(view);
    chrome = std::make_unique<CFrameChrome>(t.host());
    chrome->Create(frame);
  }

  // The application's loop: the chrome's filters, then dispatch, until the queue is empty.
  void Pump() {
    MSG msg;
    while (t.host().PeekMessage(&msg, true)) {
      if (!chrome->PreTranslateMessage(msg)) t.host().DispatchMessage(msg);
    }
  }
  void Key(UINT vk, bool down = true) { t.host().PostKey(down ? WM_KEYDOWN : WM_KEYUP, vk); }
  CPoint ButtonCentre(UINT id) {
    for (const ToolButton& b : chrome->ToolBar().Buttons())
      if (b.id == id) return b.rect.CenterPoint();
    return {};
  }

  UiTestHost t;
  HWND frame = HWND_NONE, view = HWND_NONE;
  std::string typed;  // the characters that reached the view
  std::unique_ptr<CFrameChrome> chrome;
  std::vector<UINT> commands;
  std::vector<std::string> events;
  int viewPaints = 0;
};

}  // namespace quintaro::test
