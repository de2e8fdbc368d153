// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the window shows its next frame, and the frame report. A change waits
// for its frame; the frame falls due on the display's beat, counted from each
// frame's start. With QUINTARO_FRAME_STATS=1 every frame and every input is
// noted, and the report is printed as the program ends.
#include <SDL.h>

#include <functional>

#include "platform/frame_pacer.h"
#include "platform/frame_stats.h"

class SdlFrameTiming {
 public:
  // The display's refresh rate (0 when unknown: 60 Hz).
  void SetRefreshRate(int hz) { m_pacer = FramePacer(FramePacer::PeriodForRate(hz)); }
  // Something changed: a frame waits to be shown.
  void MarkChanged() { m_pending = true; }
  // Whether a frame may be shown now; and whether one waits and may.
  bool Due() const;
  bool FrameWaitingAndDue() const { return m_pending && Due(); }
  // How long a wait of `limitMs` may sleep: less when a waiting frame falls
  // due sooner (whole milliseconds, rounded up).
  int SleepMs(int limitMs) const;
  // Shows a frame through `show`, noting when it began and ended.
  void ShowFrame(const std::function<void()>& show);
  // Input the next frame answers.
  void NoteEvent(const SDL_Event& e);
  // Whether the report was asked for, and printing it (once).
  bool Reporting() const { return m_reporting; }
  void PrintReport();

 private:
  FramePacer m_pacer{FramePacer::PeriodForRate(0)};
  bool m_pending = false;
  bool m_reporting = FrameStats::Wanted();
};
