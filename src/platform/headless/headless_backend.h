// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A backend on virtual time: the clock moves only when the program waits, so
// a scripted run is the same on every machine and takes no real time.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/backend.h"

struct HeadlessOptions {
  DWORD startTick = 1000;         // GetTickCount at start
  std::int64_t epochSeconds = 0;  // wall clock at tick 0
  DisplayCaps caps = DisplayCaps::Palette8();
  bool audio = true;              // false: the program finds no audio device
};

class HeadlessBackend : public Backend {
 public:
  // Posts the scripted input that is due at `now` into the host's queue and
  // returns the tick of its next pending event, if any. Waits never step past
  // that tick, so each event lands exactly when it is due.
  using Feeder = std::function<std::optional<DWORD>(DWORD now)>;

  explicit HeadlessBackend(HeadlessOptions options = {});
  ~HeadlessBackend() override;

  void SetFeeder(Feeder feeder) { m_feeder = std::move(feeder); }
  // Called when the program waits for input that can never come (no timer,
  // no scripted event). If it returns with nothing queued, the host is asked
  // to quit (WM_QUIT), so a run without a hook ends instead of hanging.
  std::function<void()> onStarved;
  // Called with the exit code just before ExitProcess ends the process.
  std::function<void(int code)> onExit;
  // Called at every present, where a screen would show the window.
  std::function<void()> onPresent;

  void SetCaps(const DisplayCaps& caps) { m_options.caps = caps; }
  void SetAudioEnabled(bool enabled) { m_options.audio = enabled; }
  void SetEpoch(std::int64_t seconds) { m_options.epochSeconds = seconds; }
  // Moves the clock directly (before the program starts).
  void SetTicks(DWORD tick) { m_now = tick; }

  // What the desktop does to the window, as a script tells it: the focus
  // lost or gained, the window minimised or restored. The program hears of
  // it through its message queue, as from a real desktop.
  void ReportFocus(bool focused);
  void ReportMinimised(bool minimised);

  int CursorId() const { return m_cursorId; }
  bool MouseCaptured() const { return m_captured; }
  std::uint64_t PresentCount() const { return m_presents; }

  // Backend
  DWORD Ticks() override { return m_now; }
  std::int64_t WallSeconds() override { return m_options.epochSeconds + m_now / 1000; }
  void WaitUntil(DWORD deadline, bool wakeOnInput) override;
  void Poll() override;
  void Present(bool /*force*/) override {
    ++m_presents;
    if (onPresent) onPresent();
  }
  DisplayCaps Caps() const override { return m_options.caps; }
  void SetCursor(int resourceId, const CursorImage* image) override;
  void SetMouseCapture(bool captured) override { m_captured = captured; }
  AudioDevice* Audio() override;
  [[noreturn]] void ExitProcess(int code) override;

 private:
  std::optional<DWORD> Feed();

  HeadlessOptions m_options;
  DWORD m_now;
  Feeder m_feeder;
  int m_cursorId = 0;
  bool m_captured = false;
  std::uint64_t m_presents = 0;
  std::unique_ptr<AudioDevice> m_audio;
};

std::unique_ptr<HeadlessBackend> MakeHeadlessBackend(HeadlessOptions options = {});
