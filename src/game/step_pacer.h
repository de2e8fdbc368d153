// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paces a physics loop by the clock: a fixed number of milliseconds per step,
// however fast the machine, with the picture shown at the display's rate.
// Between due steps the loop sleeps instead of spinning.
#include <functional>

#include "platform/types.h"

class Host;

class CStepPacer {
 public:
  // `stepMs` milliseconds per physics step; the picture is flushed at most
  // once per `frameMs` (a display refresh).
  CStepPacer(Host& host, DWORD stepMs, DWORD frameMs = 16);

  // Runs `step` as many times as the clock says are due, then waits for the
  // next. `step` returns false when the motion is over; so does Advance.
  // `present` is called after the steps of each displayed frame.
  bool Advance(const std::function<bool()>& step, const std::function<void()>& present);

  // Steps run so far.
  long Steps() const { return m_nSteps; }

 private:
  Host& m_host;
  DWORD m_stepMs;
  DWORD m_frameMs;
  DWORD m_nextStep;
  DWORD m_nextFrame;
  long m_nSteps = 0;
};
