// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input that comes from a recording rather than from the user (a replay).
// The host asks it for what has fallen due each time it looks at its queue,
// and wakes for its next message as it does for a timer, so each message
// arrives at the play tick it was recorded at (play time steps, so it stands
// at that tick while the message is handled).
#include <optional>

#include "platform/messages.h"
#include "platform/types.h"

class Host;

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Posts every message due by play tick `playNow`.
  virtual void PostDue(Host& host, DWORD playNow) = 0;
  // The play tick at which something next falls due, if anything does
  // (nothing does while the recording waits for the program to catch up).
  virtual std::optional<DWORD> NextDue() const = 0;
  // The real tick at which the source wants to be asked again whatever play
  // does (a connection to look at while a dialog holds play), if any.
  virtual std::optional<DWORD> PollDue() const { return std::nullopt; }
  // The user's own input as it arrives: false drops it (the recording has the playfield).
  virtual bool LetUserInput(const MSG& /*msg*/) { return true; }
};
