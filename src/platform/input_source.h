// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input that comes from a recording rather than from the user (a replay).
// The host asks it for what has fallen due each time it looks at its queue,
// and wakes for its next message as it does for a timer, so each message
// arrives at the play tick it was recorded at.
#include <optional>

#include "platform/messages.h"
#include "platform/types.h"

class Host;

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Posts every message due by play tick `playNow`.
  virtual void PostDue(Host& host, DWORD playNow) = 0;
  // The play tick at which something next falls due, if anything does.
  virtual std::optional<DWORD> NextDue() const = 0;
  // The play tick the program reads: a recording may hold it at the tick of
  // its next message until that message has been taken, so that a message
  // a real window delivers a little late is still acted on at its own tick.
  virtual DWORD ClampPlayTime(DWORD playNow) const { return playNow; }
  // The user's own input as it arrives: false drops it (the recording has the playfield).
  virtual bool LetUserInput(const MSG& /*msg*/) { return true; }
};
