// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/fixed_step_clock.h"

#include <algorithm>

FixedStepClock::FixedStepClock(std::uint32_t numerator, std::uint32_t denominator, std::uint32_t maxCatchUp)
    : m_numerator(std::max<std::uint32_t>(numerator, 1)),
      m_denominator(std::max<std::uint32_t>(denominator, 1)),
      m_maxCatchUp(std::max<std::uint32_t>(maxCatchUp, 1)) {}

void FixedStepClock::Start(DWORD now) {
  m_start = now;
  m_lastNow = now;
  m_taken = 0;
  m_spentFrom = now;
  m_spentSteps = 0;
}

std::uint64_t FixedStepClock::DueBy(DWORD now) const {
  // Unsigned arithmetic: the 49-day wrap of the tick count changes nothing.
  const std::uint64_t elapsed = static_cast<DWORD>(now - m_start);
  return elapsed * m_denominator / m_numerator;
}

std::uint32_t FixedStepClock::Take(DWORD now, std::uint32_t grain) {
  // A clock that seems to run backwards (a tick from before Start) takes nothing.
  if (static_cast<std::int32_t>(now - m_lastNow) < 0) return 0;
  m_lastNow = now;
  grain = std::max<std::uint32_t>(grain, 1);
  const std::uint64_t due = DueBy(now) / grain * grain;
  if (due <= m_taken) return 0;
  std::uint64_t count = due - m_taken;
  m_taken = due;
  // Time beyond the catch-up limit is let go: play resumes from now.
  const std::uint64_t limit = std::max<std::uint64_t>(m_maxCatchUp, grain);
  count = std::min(count, limit);
  m_spentSteps += count;
  return static_cast<std::uint32_t>(count);
}

FixedStepClock::Spent FixedStepClock::TakeSpent() {
  Spent spent{static_cast<double>(m_spentSteps) * StepMs(), static_cast<double>(static_cast<DWORD>(m_lastNow - m_spentFrom))};
  m_spentSteps = 0;
  m_spentFrom = m_lastNow;
  return spent;
}
