// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/wall_of_fame.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "platform/settings.h"
#include "platform/settings_ini.h"
#include "platform/utf8.h"

namespace {

constexpr const char* kSection = "Wall Of Fame";

std::string NameKey(const std::string& prefix, int k) { return prefix + "Name_" + std::to_string(k); }
std::string ScoreKey(const std::string& prefix, int k) { return prefix + "Score_" + std::to_string(k); }

// Reads a table through `raw`, which gives a key's stored text if there is one.
FameTable ParseFameTable(const std::string& prefix,
                         const std::function<std::optional<std::string>(const std::string&)>& raw) {
  FameTable table;
  for (int k = 1; k <= kFameEntries; ++k) {
    FameEntry& e = table[static_cast<std::size_t>(k - 1)];
    // Names written before they were UTF-8 are read as Latin-1.
    e.name = Utf8FromStoredBytes(raw(NameKey(prefix, k)).value_or("Player " + std::to_string(k)));
    const auto score = raw(ScoreKey(prefix, k));
    e.score = std::clamp(score ? ParseProfileInt(*score, 0) : 0, 0, kMaxFameScore);
  }
  // Insertion relies on the order; a hand-edited file may not keep it.
  std::stable_sort(table.begin(), table.end(),
                   [](const FameEntry& a, const FameEntry& b) { return a.score > b.score; });
  return table;
}

FameTable TableIn(const IniKeys& keys, const std::string& prefix) {
  return ParseFameTable(prefix, [&keys](const std::string& key) -> std::optional<std::string> {
    const auto it = keys.find(key);
    if (it == keys.end()) return std::nullopt;
    return it->second;
  });
}

// Places an entry as a finishing seat is placed: after equal scores, and only
// when it beats the last entry.
void InsertEntry(FameTable& table, const FameEntry& entry) {
  if (entry.score <= table.back().score) return;
  std::size_t i = 0;
  while (table[i].score >= entry.score) ++i;  // stops at the last entry at the latest
  for (std::size_t j = table.size() - 1; j > i; --j) table[j] = table[j - 1];
  table[i] = entry;
}

// The entries of `ours` that `base` did not hold: what this copy added.
std::vector<FameEntry> AddedEntries(const FameTable& base, const FameTable& ours) {
  std::vector<FameEntry> unmatched(base.begin(), base.end());
  std::vector<FameEntry> added;
  for (const FameEntry& e : ours) {
    const auto same = std::find_if(unmatched.begin(), unmatched.end(), [&e](const FameEntry& b) {
      return b.name == e.name && b.score == e.score;
    });
    if (same != unmatched.end())
      unmatched.erase(same);
    else
      added.push_back(e);
  }
  return added;
}

// Another copy of the program may have entered results since this one read
// the table: the entries this copy added go into the table as the file holds
// it now, so neither copy's results are lost.
void MergeFameSection(const IniKeys& base, const IniKeys& ours, const IniKeys& onDisk, IniKeys& merged) {
  for (const char* prefix : {kBasketballFame, kBowlingFame}) {
    const FameTable before = TableIn(base, prefix);
    const std::vector<FameEntry> added = AddedEntries(before, TableIn(ours, prefix));
    if (added.empty()) continue;
    FameTable table = TableIn(onDisk, prefix);
    for (const FameEntry& e : added) InsertEntry(table, e);
    for (int k = 1; k <= kFameEntries; ++k) {
      const FameEntry& e = table[static_cast<std::size_t>(k - 1)];
      merged[NameKey(prefix, k)] = e.name;
      merged[ScoreKey(prefix, k)] = std::to_string(e.score);
    }
  }
}

}  // namespace

FameTable ReadFameTable(const SettingsStore& store, const std::string& prefix) {
  return ParseFameTable(prefix, [&store](const std::string& key) { return store.Raw(kSection, key); });
}

void WriteFameTable(SettingsStore& store, const std::string& prefix, const FameTable& table) {
  // The ten keys go to the file in one save: never a name with another's score.
  SettingsGroup group(store);
  for (int k = 1; k <= kFameEntries; ++k) {
    const FameEntry& e = table[static_cast<std::size_t>(k - 1)];
    store.WriteProfileString(kSection, NameKey(prefix, k), e.name);
    store.WriteProfileInt(kSection, ScoreKey(prefix, k), e.score);
  }
  group.Commit();
}

void MergeWallOfFameEntryByEntry(SettingsStore& store) { store.SetSectionMerge(kSection, MergeFameSection); }

void InsertIntoFameTable(FameTable& table, const CObArray& players) {
  for (const auto& seat : players) {
    if (seat && seat->m_bActive) InsertEntry(table, {seat->m_strName, seat->m_nScore});
  }
}

void UpdateWallOfFame(SettingsStore& store, const std::string& prefix, const CObArray& players) {
  FameTable table = ReadFameTable(store, prefix);
  InsertIntoFameTable(table, players);
  WriteFameTable(store, prefix, table);
}
