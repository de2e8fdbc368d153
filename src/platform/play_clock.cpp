// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/play_clock.h"

void PlayClock::Hold(PlayHold reason, bool on, DWORD real) {
  const unsigned bit = static_cast<unsigned>(reason);
  const bool wasHeld = Held();
  m_holds = on ? (m_holds | bit) : (m_holds & ~bit);
  if (!wasHeld && Held()) m_heldAt = real;
  // Unsigned arithmetic: the 49-day wrap of the tick count changes nothing.
  if (wasHeld && !Held()) m_stood += real - m_heldAt;
}
