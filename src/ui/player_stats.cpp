// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/player_stats.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/settings.h"
#include "platform/settings_ini.h"

namespace {

constexpr const char* kSection = "Statistics";
constexpr const char* kResetsKey = "Resets";

// Key: the game, then the player's name in hex, so that any name is a safe key.
std::string KeyFor(const StatsKey& k) {
  std::string key = k.first + "_";
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const unsigned char c : k.second) {
    key += kHex[c >> 4];
    key += kHex[c & 15];
  }
  return key;
}

std::optional<StatsKey> KeyFrom(const std::string& key) {
  const std::size_t cut = key.find('_');
  if (cut == std::string::npos || cut == 0) return std::nullopt;
  const std::string hex = key.substr(cut + 1);
  if (hex.empty() || hex.size() % 2 != 0) return std::nullopt;
  std::string name;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
    if (ec != std::errc() || end != hex.data() + i + 2) return std::nullopt;
    name += static_cast<char>(value);
  }
  return StatsKey{key.substr(0, cut), name};
}

long long RoundTenths(long long tenths) { return (tenths + 5) / 10; }

// Keeps best and total in tenths, with the whole numbers older copies read.
void SetTenths(PlayerRecord& r, long long bestTenths, long long totalTenths) {
  r.tenths = true;
  r.bestTenths = static_cast<int>(std::clamp<long long>(bestTenths, 0, kMaxStatResult * 10LL));
  r.totalTenths = std::clamp<long long>(totalTenths, 0, static_cast<long long>(r.played) * kMaxStatResult * 10);
  r.best = static_cast<int>(RoundTenths(r.bestTenths));
  r.total = RoundTenths(r.totalTenths);
}

long long BestInTenths(const PlayerRecord& r) { return r.tenths ? r.bestTenths : r.best * 10LL; }
long long TotalInTenths(const PlayerRecord& r) { return r.tenths ? r.totalTenths : r.total * 10; }

// "played won best total [bestTenths totalTenths]"; anything unreadable or
// out of range is made safe.
PlayerRecord RecordFrom(const std::string& text) {
  long long v[6] = {0, 0, 0, 0, 0, 0};
  int read = 0;
  const char* p = text.data();
  const char* end = text.data() + text.size();
  bool readAll = true;  // every field so far was a number
  for (long long& n : v) {
    while (p < end && *p == ' ') ++p;
    const auto [next, ec] = std::from_chars(p, end, n);
    if (ec != std::errc()) n = 0;
    readAll = readAll && ec == std::errc();
    read += readAll ? 1 : 0;
    p = next;
  }
  PlayerRecord r;
  r.played = static_cast<int>(std::clamp<long long>(v[0], 0, kMaxStatGames));
  r.won = static_cast<int>(std::clamp<long long>(v[1], 0, r.played));
  r.best = r.played > 0 ? static_cast<int>(std::clamp<long long>(v[2], 0, kMaxStatResult)) : 0;
  r.total = std::clamp<long long>(v[3], 0, static_cast<long long>(r.played) * kMaxStatResult);
  // The tenths count only when they agree with the whole numbers: an older
  // copy or a hand edit that changed those has the last word.
  if (read == 6 && r.played > 0 && RoundTenths(v[4]) == r.best && RoundTenths(v[5]) == r.total) {
    SetTenths(r, v[4], v[5]);
  }
  return r;
}

std::string TextOf(const PlayerRecord& r) {
  std::string text;
  const auto field = [&text](long long n) {
    if (!text.empty()) text += ' ';
    text += std::to_string(n);
  };
  field(r.played);
  field(r.won);
  field(r.best);
  field(r.total);
  if (r.tenths) {
    field(r.bestTenths);
    field(r.totalTenths);
  }
  return text;
}

StatsTable TableIn(const IniKeys& keys) {
  StatsTable table;
  for (const auto& [key, value] : keys)
    if (const auto k = KeyFrom(key)) table[*k] = RecordFrom(value);
  return table;
}

// The records that hold at least one game: what the player is shown.
StatsTable Played(StatsTable table) {
  std::erase_if(table, [](const auto& entry) { return entry.second.played == 0; });
  return table;
}

// How many times the records were reset: a reset is an event in the file's
// history, so a copy that saves later knows whether it missed one. Older
// versions of the program read past this key.
int ResetsIn(const IniKeys& keys) {
  const auto it = keys.find(kResetsKey);
  return it == keys.end() ? 0 : std::max(0, ParseProfileInt(it->second, 0));
}

// The best of the games played between `old` and `now`, in tenths: exact
// when they hold the new best or a single game, else the least it can be
// (their average).
long long BestOfNewGamesInTenths(const PlayerRecord& old, const PlayerRecord& now) {
  const int games = now.played - old.played;
  const long long total = std::max(0LL, TotalInTenths(now) - TotalInTenths(old));
  if (old.played == 0 || BestInTenths(now) > BestInTenths(old)) return BestInTenths(now);
  if (games == 1) return std::min<long long>(total, kMaxStatResult * 10LL);
  return std::min<long long>((total + games - 1) / games, kMaxStatResult * 10LL);
}

void MergeStatsSection(const IniKeys& base, const IniKeys& ours, const IniKeys& onDisk, IniKeys& merged) {
  if (ResetsIn(ours) != ResetsIn(base)) {
    // This copy reset the records: whatever the file holds from before now is forgotten.
    merged = ours;
    merged[kResetsKey] = std::to_string(std::max(ResetsIn(onDisk), ResetsIn(base)) + 1);
    return;
  }
  const bool resetElsewhere = ResetsIn(onDisk) != ResetsIn(base);
  const StatsTable before = TableIn(base), now = TableIn(ours);
  StatsTable result = TableIn(onDisk);
  for (const auto& [k, r] : now) {
    const auto was = before.find(k);
    const PlayerRecord old = was != before.end() ? was->second : PlayerRecord{};
    if (r.played < old.played) {
      result[k] = r;  // this copy reset the records (an older version marks no reset): the reset wins
      continue;
    }
    if (r.played == old.played) continue;
    PlayerRecord& target = result[k];
    // After a reset this copy has not seen, only its new games count: its
    // best and total from before the reset are not brought back.
    const bool reset = resetElsewhere || target.played < old.played;
    const bool tenths = target.tenths || r.tenths;
    const long long newBestTenths = reset ? BestOfNewGamesInTenths(old, r) : BestInTenths(r);
    const long long bestTenths = target.played == 0 ? newBestTenths : std::max(BestInTenths(target), newBestTenths);
    const long long totalTenths = TotalInTenths(target) + std::max(0LL, TotalInTenths(r) - TotalInTenths(old));
    target.best = static_cast<int>((bestTenths + 9) / 10);  // whole records: a whole best, an average rounded up
    target.played = std::min(kMaxStatGames, target.played + r.played - old.played);
    target.won = std::min(target.played, target.won + std::max(0, r.won - old.won));
    target.total += std::max(0LL, r.total - old.total);
    if (tenths) SetTenths(target, bestTenths, totalTenths);
  }
  for (const auto& [k, r] : result) merged[KeyFor(k)] = TextOf(r);
}

}  // namespace

StatsTable ReadStats(const SettingsStore& store) {
  const auto& all = store.AllValues();
  const auto it = all.find(kSection);
  return it == all.end() ? StatsTable{} : Played(TableIn(it->second));
}

void RecordGame(SettingsStore& store, const std::string& game, const std::vector<SeatResult>& seats) {
  StatsTable table = ReadStats(store);
  // The whole game's seats go to the file in one save.
  SettingsGroup group(store);
  for (const SeatResult& s : seats) {
    const StatsKey k{game, s.name};
    PlayerRecord& r = table[k];
    if (r.played >= kMaxStatGames) continue;
    if (s.inTenths || r.tenths) {
      // Once a record holds tenths, whole results are kept in tenths too.
      const long long tenths = std::clamp<long long>(s.inTenths ? s.result : s.result * 10LL, 0, kMaxStatResult * 10LL);
      const long long best = r.played == 0 ? tenths : std::max(BestInTenths(r), tenths);
      const long long total = TotalInTenths(r) + tenths;
      ++r.played;
      SetTenths(r, best, total);
    } else {
      const int result = std::clamp(s.result, 0, kMaxStatResult);
      r.best = r.played == 0 ? result : std::max(r.best, result);
      ++r.played;
      r.total += result;
    }
    r.won += s.won ? 1 : 0;
    store.WriteProfileString(kSection, KeyFor(k), TextOf(r));
  }
  group.Commit();
}

void ResetStats(SettingsStore& store) {
  // A record of no games is no record: every key is emptied in one save.
  const StatsTable table = ReadStats(store);
  SettingsGroup group(store);
  for (const auto& [k, r] : table) store.WriteProfileString(kSection, KeyFor(k), TextOf(PlayerRecord{}));
  store.WriteProfileInt(kSection, kResetsKey, store.GetProfileInt(kSection, kResetsKey, 0) + 1);
  group.Commit();
}

void MergeStatsRecordByRecord(SettingsStore& store) { store.SetSectionMerge(kSection, MergeStatsSection); }
