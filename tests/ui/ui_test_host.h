// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host on the headless backend for chrome tests, with a queue of steps
// that run whenever the program waits for input: each step may post input,
// look at the screen or check state, as a user at the window would.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "ui/chrome_layout.h"

class UiTestHost {
 public:
  UiTestHost() {
    auto backend = MakeHeadlessBackend();
    m_backend = backend.get();
    m_host = std::make_unique<Host>(std::move(backend), std::make_unique<SettingsStore>());
    m_backend->SetFeeder([this](DWORD now) -> std::optional<DWORD> {
      if (m_waitUntil) {
        if (static_cast<std::int32_t>(now - *m_waitUntil) < 0) return m_waitUntil;
        m_waitUntil.reset();
      }
      if (m_host->QueuedCount() == 0 && !m_steps.empty()) {
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step();
      }
      if (m_waitUntil) return m_waitUntil;
      return m_steps.empty() ? std::nullopt : std::optional<DWORD>(now + 1);
    });
    m_backend->onStarved = [this] {
      // Nothing more will come: end the loop rather than hang the test.
      ++m_starved;
      m_host->PostQuitMessage(0);
    };
  }

  Host& host() { return *m_host; }
  HeadlessBackend& backend() { return *m_backend; }
  int starved() const { return m_starved; }

  // Gives the window the chrome's size without a chrome.
  void LayOut() {
    const ChromeLayout l = ComputeChromeLayout(true);
    m_host->SetLayout(l.size.cx, l.size.cy, l.view, l.menuBar);
  }

  // Runs when the program next waits with nothing in its queue.
  void Then(std::function<void()> step) { m_steps.push_back(std::move(step)); }
  void Key(UINT vk) {
    Then([this, vk] {
      m_host->PostKey(WM_KEYDOWN, vk);
      m_host->PostKey(WM_KEYUP, vk);
    });
  }
  void Click(CPoint p) {
    Then([this, p] {
      m_host->PostMouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
      m_host->PostMouse(WM_LBUTTONUP, p.x, p.y, 0);
    });
  }
  void Move(CPoint p) {
    Then([this, p] { m_host->PostMouse(WM_MOUSEMOVE, p.x, p.y, 0); });
  }
  // Lets `ms` of virtual time pass (timers keep falling due meanwhile).
  void Wait(DWORD ms) {
    Then([this, ms] { m_waitUntil = m_host->GetTickCount() + ms; });
  }
  bool StepsLeft() const { return !m_steps.empty(); }

 private:
  HeadlessBackend* m_backend = nullptr;
  std::unique_ptr<Host> m_host;
  std::deque<std::function<void()>> m_steps;
  int m_starved = 0;
  std::optional<DWORD> m_waitUntil;
};
