// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games' clock: real milliseconds less every moment play stood still.
// Play stands still while any hold is on (a menu, dialog, message box or the
// help window is up; the window is away during a real-time game). When the
// last hold goes, play time goes on from exactly where it stopped, so clocks,
// animations and paced loops resume as if no time had passed.
//
// Stepped, play time moves only when the program waits, as on virtual time:
// it stands still while a message is handled, so everything a handler reads
// of the clock is the tick it began at, however long it takes on the
// machine. The host steps it after each wait, up to the real time and never
// past the next thing due, so a game played again from the same input sees
// the same ticks at the same points.
#include "platform/types.h"

enum class PlayHold : unsigned {
  Modal = 1,  // a modal layer is up
  Away = 2,   // the window lost the focus or was minimised (real-time games)
};

class PlayClock {
 public:
  // Play time at real tick `real`.
  DWORD Now(DWORD real) const { return m_stepped ? m_at : Flowing(real); }
  // Where play time would be at `real` if it ran with real time.
  DWORD Flowing(DWORD real) const { return (m_holds != 0 ? m_heldAt : real) - m_stood; }
  // Stepped or running with real time; switching keeps the tick it reads.
  void SetStepped(bool on, DWORD real);
  bool Stepped() const { return m_stepped; }
  // Stepped: play time moves on to `play` (never back).
  void StepTo(DWORD play);
  // Stepped: play time fell more than `ms` behind real time (a machine too slow
  // for the game): the rest is let go, as if play had stood still meanwhile.
  void KeepWithin(DWORD ms, DWORD real);
  // Puts a hold on or takes it off at real tick `real`.
  void Hold(PlayHold reason, bool on, DWORD real);
  bool Held() const { return m_holds != 0; }
  bool HeldFor(PlayHold reason) const { return (m_holds & static_cast<unsigned>(reason)) != 0; }

 private:
  unsigned m_holds = 0;
  DWORD m_heldAt = 0;  // real tick at which play began to stand still
  DWORD m_stood = 0;   // real milliseconds play has stood still in all
  bool m_stepped = false;
  DWORD m_at = 0;      // stepped: the play tick
};
