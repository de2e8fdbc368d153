// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Wall Of Fame: the five best results of Basketball and of Bowling, with
// the names of the players who made them, kept in the settings store.
#include <array>
#include <string>

#include "game/player.h"

class SettingsStore;

struct FameEntry {
  std::string name;
  int score = 0;
};

inline constexpr int kFameEntries = 5;
// The widest score the Hall of Fame's score column shows whole; no game
// scores more, and a hand-edited bigger or negative one is clamped on reading.
inline constexpr int kMaxFameScore = 9999;
using FameTable = std::array<FameEntry, kFameEntries>;

// "Basketball_" or "Bowling_": the key prefix of a game's table.
inline constexpr const char* kBasketballFame = "Basketball_";
inline constexpr const char* kBowlingFame = "Bowling_";

// Reads a table tolerantly: scores clamped to 0..kMaxFameScore and the
// entries sorted best first (equal scores keep their stored order).
FameTable ReadFameTable(const SettingsStore& store, const std::string& prefix);
// Writes the whole table in one save.
void WriteFameTable(SettingsStore& store, const std::string& prefix, const FameTable& table);
// When another copy of the program saved since this one read the file, the
// tables are merged entry by entry: every result either copy entered stays,
// best first, five per table.
void MergeWallOfFameEntryByEntry(SettingsStore& store);
// Offers each active seat's score to the table in seat order; a score enters
// only when it beats the current last entry and goes after equal scores.
void InsertIntoFameTable(FameTable& table, const CObArray& players);
// Reads, offers the seats' scores and writes the table back.
void UpdateWallOfFame(SettingsStore& store, const std::string& prefix, const CObArray& players);
