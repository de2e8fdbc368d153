// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each player's record per game: games played and won, the best result and
// the sum of results (for the average), kept in the settings store's
// "Statistics" section. A computer seat is kept under its level's name
// ("Computer (Expert)"), apart from the people.
#include <map>
#include <string>
#include <utility>
#include <vector>

class SettingsStore;

// A result kept to a tenth (the darts three-dart average) is stored as the
// whole numbers older copies read, "played won best total", followed by the
// best and the total in tenths: "3 1 82 240 821 2403". Older copies read the
// first four and ignore the rest; a record without the tenths, or whose
// tenths do not round to its whole numbers, is read in whole numbers.
struct PlayerRecord {
  int played = 0;
  int won = 0;
  int best = 0;
  long long total = 0;  // the sum of every game's result
  bool tenths = false;  // the two below are kept
  int bestTenths = 0;
  long long totalTenths = 0;
  double Best() const { return tenths ? bestTenths / 10.0 : best; }
  double Average() const {
    if (played <= 0) return 0.0;
    return (tenths ? static_cast<double>(totalTenths) / 10.0 : static_cast<double>(total)) / played;
  }
};

// (game, player) -> record; the game is its settings section name ("Bowling").
using StatsKey = std::pair<std::string, std::string>;
using StatsTable = std::map<StatsKey, PlayerRecord>;

// One seat's part in a finished game.
struct SeatResult {
  std::string name;
  int result = 0;
  bool won = false;
  bool inTenths = false;  // `result` counts tenths (82.1 is 821)
};

// The widest numbers kept: a hand-edited bigger or negative value is clamped on reading.
inline constexpr int kMaxStatGames = 1000000;
inline constexpr int kMaxStatResult = 9999;

StatsTable ReadStats(const SettingsStore& store);
// Adds a finished game's seats to their records, in one save.
void RecordGame(SettingsStore& store, const std::string& game, const std::vector<SeatResult>& seats);
// Forgets every record, in one save.
void ResetStats(SettingsStore& store);
// When another copy saved since this one read the file, each copy's new games
// are added to the records the file holds now; neither copy's games are lost.
void MergeStatsRecordByRecord(SettingsStore& store);
