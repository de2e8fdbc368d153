// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games' clock: real milliseconds less every moment play stood still.
// Play stands still while any hold is on (a menu, dialog, message box or the
// help window is up; the window is away during a real-time game). When the
// last hold goes, play time goes on from exactly where it stopped, so clocks,
// animations and paced loops resume as if no time had passed.
#include "platform/types.h"

enum class PlayHold : unsigned {
  Modal = 1,  // a modal layer is up
  Away = 2,   // the window lost the focus or was minimised (real-time games)
};

class PlayClock {
 public:
  // Play time at real tick `real`.
  DWORD Now(DWORD real) const { return (m_holds != 0 ? m_heldAt : real) - m_stood; }
  // Puts a hold on or takes it off at real tick `real`.
  void Hold(PlayHold reason, bool on, DWORD real);
  bool Held() const { return m_holds != 0; }
  bool HeldFor(PlayHold reason) const { return (m_holds & static_cast<unsigned>(reason)) != 0; }

 private:
  unsigned m_holds = 0;
  DWORD m_heldAt = 0;  // real tick at which play began to stand still
  DWORD m_stood = 0;   // real milliseconds play has stood still in all
};
