// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/play_clock.h"

#include <cstdint>

void PlayClock::Hold(PlayHold reason, bool on, DWORD real) {
  const unsigned bit = static_cast<unsigned>(reason);
  const bool wasHeld = Held();
  m_holds = on ? (m_holds | bit) : (m_holds & ~bit);
  if (!wasHeld && Held()) m_heldAt = real;
  // Unsigned arithmetic: the 49-day wrap of the tick count changes nothing.
  if (wasHeld && !Held()) m_stood += real - m_heldAt;
}

void PlayClock::SetStepped(bool on, DWORD real) {
  if (on == m_stepped) return;
  if (on) {
    m_at = Flowing(real);
  } else {
    // Running on from the tick it stood at.
    m_stood += Flowing(real) - m_at;
  }
  m_stepped = on;
}

void PlayClock::StepTo(DWORD play) {
  if (static_cast<std::int32_t>(play - m_at) > 0) m_at = play;
}

void PlayClock::KeepWithin(DWORD ms, DWORD real) {
  const auto behind = static_cast<std::int32_t>(Flowing(real) - m_at);
  if (m_stepped && behind > static_cast<std::int32_t>(ms)) m_stood += static_cast<DWORD>(behind) - ms;
}
