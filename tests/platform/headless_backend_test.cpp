// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <deque>

#include "headless_host.h"

namespace {

// Scripted input: a click posted to `hwnd` at each listed tick.
struct Script {
  Host* host = nullptr;
  HWND hwnd = HWND_NONE;
  std::deque<DWORD> clicks;
  std::vector<DWORD> calls;

  std::optional<DWORD> operator()(DWORD now) {
    calls.push_back(now);
    while (!clicks.empty() && static_cast<std::int32_t>(now - clicks.front()) >= 0) {
      host->PostMessage(hwnd, WM_LBUTTONDOWN, 0, static_cast<LPARAM>(clicks.front()));
      clicks.pop_front();
    }
    if (clicks.empty()) return std::nullopt;
    return clicks.front();
  }
};

class Headless : public ::testing::Test {
 protected:
  void Feed(std::deque<DWORD> clicks) {
    script = std::make_shared<Script>(Script{&host, view, std::move(clicks), {}});
    h.clock->SetFeeder([s = script](DWORD now) { return (*s)(now); });
  }
  HeadlessHost h{HeadlessOptions{1000, 1'700'000'000, DisplayCaps::Palette8(), true}};
  Host& host = *h.host;
  HWND view = h.RecordingWindow();
  std::shared_ptr<Script> script;
};

TEST_F(Headless, ClockStartsWhereToldAndWallTimeFollowsIt) {
  EXPECT_EQ(host.GetTickCount(), 1000u);
  EXPECT_EQ(host.Time(), 1'700'000'001);
  host.Sleep(2500);
  EXPECT_EQ(host.Time(), 1'700'000'003);
}

TEST_F(Headless, BusyWaitsStopAtEachScriptedEventWithoutDispatching) {
  Feed({1030, 1070});
  host.Sleep(100);
  EXPECT_EQ(host.GetTickCount(), 1100u);
  EXPECT_EQ(script->calls, (std::vector<DWORD>{1000, 1030, 1070, 1100}));
  EXPECT_TRUE(h.received.empty());
  EXPECT_EQ(host.QueuedCount(), 2u);
}

TEST_F(Headless, GetMessageWakesWhenTheInputIsDue) {
  Feed({1250});
  MSG m;
  ASSERT_TRUE(host.GetMessage(&m));
  EXPECT_EQ(m.message, WM_LBUTTONDOWN);
  EXPECT_EQ(m.time, 1250u);
  EXPECT_EQ(host.GetTickCount(), 1250u);
}

TEST_F(Headless, ATimerDueBeforeTheNextEventWinsTheWait) {
  Feed({1500});
  host.SetTimer(view, 1, 100);
  MSG m;
  ASSERT_TRUE(host.GetMessage(&m));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(host.GetTickCount(), 1100u);
}

TEST_F(Headless, WaitingForInputThatCanNeverComeCallsTheStarvedHook) {
  int starved = 0;
  h.clock->onStarved = [&] {
    ++starved;
    host.PostQuitMessage(0);
  };
  MSG m;
  EXPECT_FALSE(host.GetMessage(&m));
  EXPECT_EQ(starved, 1);
  EXPECT_EQ(host.GetTickCount(), 1000u);  // time did not run away
}

TEST_F(Headless, WithoutAStarvedHookTheLoopEndsInsteadOfHanging) {
  MSG m;
  EXPECT_FALSE(host.GetMessage(&m));
  EXPECT_EQ(m.message, WM_QUIT);
}

TEST_F(Headless, AFeederThatReportsAPastEventCannotStallTheClock) {
  h.clock->SetFeeder([](DWORD now) { return std::optional<DWORD>(now); });
  host.Sleep(5);
  EXPECT_EQ(host.GetTickCount(), 1005u);
}

TEST_F(Headless, CapsAndTheAudioSwitchAreConfigurable) {
  EXPECT_TRUE(host.Caps().paletteDevice);
  h.clock->SetCaps(DisplayCaps::FromBits(4));
  EXPECT_EQ(host.Caps().bitsPerPixel, 4);
  EXPECT_NE(host.Audio(), nullptr);
  h.clock->SetAudioEnabled(false);
  EXPECT_EQ(host.Audio(), nullptr);
}

TEST(HeadlessExit, ExitReportsTheCodeAndEndsTheProcess) {
  EXPECT_EXIT(
      {
        HeadlessHost h;
        h.clock->onExit = [](int code) { std::printf("exit %d\n", code); };
        h.host->GetBackend().ExitProcess(2);
      },
      ::testing::ExitedWithCode(2), "");
}

}  // namespace
