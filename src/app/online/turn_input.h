// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A turn's recorded input as it travels to the other machines: one line per
// playfield message, "tick message wParam lParam" in decimal, the tick in
// play milliseconds since the turn began. What comes from another machine is
// trusted no further than the playfield's own input: only mouse and key
// messages are read back, in tick order, and at most so many per message.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

// One playfield message of a turn, at its play tick since the turn began.
struct TurnInputEvent {
  DWORD tick = 0;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

inline constexpr std::size_t kMaxTurnInputLines = 4000;

std::string WriteTurnInput(const std::vector<TurnInputEvent>& events);
// The events in `text`, or nothing (and why) when any line is not one the
// playfield could have taken.
std::optional<std::vector<TurnInputEvent>> ReadTurnInput(std::string_view text, std::string& error);
// True for the messages a turn's input may hold.
bool IsTurnInputMessage(UINT message);
