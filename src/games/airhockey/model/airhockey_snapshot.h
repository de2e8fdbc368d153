// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rink as the machine that runs it tells the machine that shows it, a
// line of text many times a second while play runs: where the bodies are,
// how fast the puck goes, the score, whether play runs, and the knocks
// heard since the last one. Reading it back refuses anything out of range.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rect.h"
#include "platform/types.h"

namespace airhockey {

struct RinkSnapshot {
  static constexpr std::size_t kMaxSounds = 16;
  DWORD tick = 0;  // the running machine's play time, in milliseconds
  CPoint puck;
  CPoint puckVelocity;  // pixels a second
  CPoint nearMallet;    // the first seat's, at the bottom
  CPoint farMallet;     // the second seat's, at the top
  std::array<int, 2> score{};
  bool playing = false;
  bool matchOver = false;
  int serve = 0;  // counts serves: bodies put back on their spots are not blended across one
  std::vector<UINT> sounds;

  // The same rink apart from the time and the sounds: nothing to tell.
  bool SameRink(const RinkSnapshot& other) const;
};

std::string WriteRinkSnapshot(const RinkSnapshot& snapshot);
std::optional<RinkSnapshot> ReadRinkSnapshot(std::string_view text);

}  // namespace airhockey
