// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/wall_of_fame.h"

#include <algorithm>

#include "platform/settings.h"
#include "platform/utf8.h"

namespace {

constexpr const char* kSection = "Wall Of Fame";

}  // namespace

FameTable ReadFameTable(const SettingsStore& store, const std::string& prefix) {
  FameTable table;
  for (int k = 1; k <= kFameEntries; ++k) {
    FameEntry& e = table[static_cast<std::size_t>(k - 1)];
    // Names written before they were UTF-8 are read as Latin-1.
    e.name = Utf8FromStoredBytes(
        store.GetProfileString(kSection, prefix + "Name_" + std::to_string(k), "Player " + std::to_string(k)));
    e.score = std::clamp(store.GetProfileInt(kSection, prefix + "Score_" + std::to_string(k), 0), 0, kMaxFameScore);
  }
  // Insertion relies on the order; a hand-edited file may not keep it.
  std::stable_sort(table.begin(), table.end(),
                   [](const FameEntry& a, const FameEntry& b) { return a.score > b.score; });
  return table;
}

void WriteFameTable(SettingsStore& store, const std::string& prefix, const FameTable& table) {
  for (int k = 1; k <= kFameEntries; ++k) {
    const FameEntry& e = table[static_cast<std::size_t>(k - 1)];
    store.WriteProfileString(kSection, prefix + "Name_" + std::to_string(k), e.name);
    store.WriteProfileInt(kSection, prefix + "Score_" + std::to_string(k), e.score);
  }
}

void InsertIntoFameTable(FameTable& table, const CObArray& players) {
  for (const auto& seat : players) {
    if (!seat || !seat->m_bActive || seat->m_nScore <= table.back().score) continue;
    std::size_t i = 0;
    while (table[i].score >= seat->m_nScore) ++i;  // stops at the last entry at the latest
    for (std::size_t j = table.size() - 1; j > i; --j) table[j] = table[j - 1];
    table[i] = {seat->m_strName, seat->m_nScore};
  }
}

void UpdateWallOfFame(SettingsStore& store, const std::string& prefix, const CObArray& players) {
  FameTable table = ReadFameTable(store, prefix);
  InsertIntoFameTable(table, players);
  WriteFameTable(store, prefix, table);
}
