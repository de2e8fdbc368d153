// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real-time play in fixed steps counted by the clock: however late a timer
// tick or a frame comes, the steps that fell due meanwhile are all run, so a
// game keeps the same speed on a slow machine as on a fast one, at any frame
// rate. Only a clock that stood still for long (a debugger, a suspended
// laptop) loses time: a burst never runs more than the catch-up limit.
#include <cstdint>

#include "platform/types.h"

class FixedStepClock {
 public:
  // Steps of `numerator` / `denominator` milliseconds each (15.625 ms is 125 / 8).
  FixedStepClock(std::uint32_t numerator, std::uint32_t denominator, std::uint32_t maxCatchUp);

  // Play begins (or resumes after a pause) at tick `now`: the first step is
  // due one step later.
  void Start(DWORD now);
  // Takes the steps due at `now` that have not been run, as a count to run.
  // With `grain` above 1 only whole groups of that many steps count as due
  // (a timer tick that runs a group at a time); steps already taken beyond
  // them are not taken twice.
  std::uint32_t Take(DWORD now, std::uint32_t grain = 1);

  // Game time the taken steps stand for, and the play time that passed,
  // since the last call (for the frame report's game speed).
  struct Spent {
    double gameMs = 0;
    double realMs = 0;
  };
  Spent TakeSpent();

  double StepMs() const { return static_cast<double>(m_numerator) / m_denominator; }

 private:
  std::uint64_t DueBy(DWORD now) const;

  std::uint32_t m_numerator;
  std::uint32_t m_denominator;
  std::uint32_t m_maxCatchUp;
  DWORD m_start = 0;
  DWORD m_lastNow = 0;
  std::uint64_t m_taken = 0;      // steps counted from m_start, run or dropped
  std::uint64_t m_spentSteps = 0; // steps taken since the last TakeSpent
  DWORD m_spentFrom = 0;          // the tick of the last TakeSpent
};
