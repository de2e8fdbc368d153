// SPDX-License-Identifier: GPL-3.0-or-later
// Air Hockey's state as a record: the goals are the seats' scores, which the
// shell keeps, so the game adds only that a match is under way. A resumed
// match restarts from a face-off; a rally under way is the part a kill loses.
#include "game/state_record.h"
#include "games/airhockey/airhockey.h"

bool CAirHockey::SaveState(StateRecord& record) const {
  if (m_bMatchOver) return false;
  record.SetInt("airhockey.match", 1);
  return true;
}

bool CAirHockey::LoadState(StateReader& reader) { return reader.Int("airhockey.match", 1, 1) == 1 && reader.Ok(); }
