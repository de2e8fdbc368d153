// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay_file.h"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr std::string_view kStartPrefix = "start.";
constexpr int kMaxEvents = 999999;
constexpr int kMaxTick = 0x7FFFFFFF;

std::string EventKey(std::size_t n) {
  char key[32];
  std::snprintf(key, sizeof key, "event.%06zu", n);
  return key;
}

}  // namespace

std::uint64_t StateHash(std::string_view state) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : state) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string WriteReplay(const Replay& replay) {
  StateRecord record;
  record.SetText("replay.version", replay.version);
  record.SetInt("replay.seed", replay.seed);
  record.SetInt("replay.wall", replay.wall);
  record.SetInt("replay.startHasState", replay.startHasState ? 1 : 0);
  record.SetInt("replay.endTick", replay.end.tick);
  record.SetInt("replay.endHandled", replay.end.handled);
  record.SetInt("replay.endInGameLoop", replay.end.inGameLoop ? 1 : 0);
  record.SetText("replay.endHash", std::to_string(replay.endHash));
  record.SetText("replay.endScores", replay.endScores);
  for (const auto& [key, value] : replay.start.Values()) record.SetText(std::string(kStartPrefix) + key, value);
  for (std::size_t i = 0; i < replay.events.size() && i < kMaxEvents; ++i) {
    const ReplayEvent& e = replay.events[i];
    record.SetText(EventKey(i), std::to_string(e.at.tick) + " " + std::to_string(e.message) + " " +
                                    std::to_string(e.wParam) + " " + std::to_string(e.lParam) + " " +
                                    std::to_string(e.at.handled) + " " + std::to_string(e.at.inGameLoop ? 1 : 0));
  }
  return record.Write();
}

std::optional<Replay> ReadReplay(std::string_view text, std::string& error) {
  const auto record = StateRecord::Read(text, error, kMaxReplayBytes);
  if (!record) return std::nullopt;
  StateReader reader(*record);
  Replay replay;
  replay.version = reader.Text("replay.version", 64);
  const auto seedText = reader.Text("replay.seed", 12);
  const auto wallText = reader.Text("replay.wall", 24);
  const auto hashText = reader.Text("replay.endHash", 24);
  replay.startHasState = reader.Bool("replay.startHasState");
  replay.end.tick = static_cast<DWORD>(reader.Int("replay.endTick", 0, kMaxTick));
  replay.end.handled = static_cast<std::uint32_t>(reader.Int("replay.endHandled", 0, kMaxTick));
  replay.end.inGameLoop = reader.Bool("replay.endInGameLoop");
  replay.endScores = reader.Text("replay.endScores", 200);
  try {
    if (reader.Ok()) {
      std::size_t used = 0;
      const long long seed = std::stoll(seedText, &used);
      if (used != seedText.size() || seed < 0 || seed > 0xFFFFFFFFll) reader.Fail("replay.seed is out of range");
      replay.seed = static_cast<std::uint32_t>(seed);
      replay.wall = std::stoll(wallText, &used);
      if (used != wallText.size()) reader.Fail("replay.wall is not a number");
      replay.endHash = std::stoull(hashText, &used);
      if (used != hashText.size()) reader.Fail("replay.endHash is not a number");
    }
  } catch (const std::exception&) {
    reader.Fail("a number of the replay is out of range");
  }
  for (const auto& [key, value] : record->Values())
    if (key.starts_with(kStartPrefix)) replay.start.SetText(key.substr(kStartPrefix.size()), value);
  for (std::size_t i = 0; reader.Ok() && record->Has(EventKey(i)); ++i) {
    // Message numbers and parameters are 32-bit values in the files we write.
    const auto v = reader.Ints(EventKey(i), 6, -kMaxTick - 1, kMaxTick);
    if (reader.Ok() && (v[0] < 0 || v[1] < 0 || v[2] < 0 || v[4] < 0 || v[5] < 0 || v[5] > 1))
      reader.Fail(EventKey(i) + " is not an input message");
    const ReplayMark at{static_cast<DWORD>(v[0]), static_cast<std::uint32_t>(v[4]), v[5] != 0};
    if (reader.Ok() && !replay.events.empty() &&
        (at.tick < replay.events.back().at.tick || at.handled <= replay.events.back().at.handled))
      reader.Fail(EventKey(i) + " comes before the message ahead of it");
    replay.events.push_back({at, static_cast<UINT>(v[1]), static_cast<WPARAM>(v[2]), static_cast<LPARAM>(v[3])});
  }
  if (!reader.Ok()) {
    error = reader.Error();
    return std::nullopt;
  }
  return replay;
}
