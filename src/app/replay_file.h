// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A replay as a file (`.qreplay`): the program version that recorded it, the
// game as it began, the random generator and the clock at that moment, each
// input message the game acted on with where it came, and how the game
// stood when the recording ended. It is a game record (key=value lines), so
// it is read by the same careful reader.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/state_record.h"
#include "platform/types.h"

// Where a message came in the game's stream: its play tick, how many of the
// game's messages (input, timer ticks, its own posted messages) were handled
// before it, and whether a game's own loop took it (rather than the main
// loop). Timer ticks and input at the same tick come back in the same order.
struct ReplayMark {
  DWORD tick = 0;  // play ticks since the game began
  std::uint32_t handled = 0;
  bool inGameLoop = false;
};

struct ReplayEvent {
  ReplayMark at;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

struct Replay {
  std::string version;
  StateRecord start;        // the game as it began
  bool startHasState = false;  // the start holds the game's own state (a game taken up again)
  std::uint32_t seed = 0;   // the random generator's state as the game began
  std::int64_t wall = 0;    // the clock's seconds as the game began
  std::vector<ReplayEvent> events;
  ReplayMark end;           // where the recording ended
  std::uint64_t endHash = 0;  // of the state dump at the end
  std::string endScores;    // the seats' scores at the end, as the player may read them
};

inline constexpr std::size_t kMaxReplayBytes = 16 * 1024 * 1024;

std::string WriteReplay(const Replay& replay);
// Reads a replay; on failure says why. A replay of another version is read
// (so that it can be named) and refused by the player.
std::optional<Replay> ReadReplay(std::string_view text, std::string& error);
// The fingerprint of a state dump (FNV-1a, 64 bits).
std::uint64_t StateHash(std::string_view state);
