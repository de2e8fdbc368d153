// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay_list.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>

#include "game/game_table.h"
#include "game/state_record.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSeats = 4;
// Only the tail of a file is read for its line: a replay's keys are sorted,
// so the start ("start.") comes after the events and the rest.
constexpr std::streamoff kTailBytes = 64 * 1024;

std::string LocalTime(fs::file_time_type when) {
  const auto system = std::chrono::system_clock::now() +
                      std::chrono::duration_cast<std::chrono::system_clock::duration>(when - fs::file_time_type::clock::now());
  const std::time_t t = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

// The start's keys, from whole lines of the file's tail.
StateRecord ReadStart(const fs::path& file) {
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  StateRecord start;
  const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
  in.seekg(std::max<std::streamoff>(0, size - kTailBytes));
  std::string line;
  if (size > kTailBytes) std::getline(in, line);  // a line cut in two
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    if (line.rfind("start.", 0) == 0 && eq != std::string::npos)
      start.SetText(line.substr(6, eq - 6), line.substr(eq + 1));
  }
  return start;
}

std::string Line(const fs::path& file, fs::file_time_type when) {
  const StateRecord start = ReadStart(file);
  StateReader reader(start);
  const auto game = reader.Ints("game", 2, 0, 1000);
  const GameInfo* info = reader.Ok() ? FindGame(GameTable(), game[0]) : nullptr;
  if (!info) return file.filename().string();
  std::string players;
  for (int i = 0; i < kSeats; ++i) {
    const std::string seat = "seat" + std::to_string(i);
    const auto flags = reader.Ints(seat, 4, -1000000, 1000000);
    const std::string name = reader.Text(seat + ".name", 256);
    if (!reader.Ok()) break;
    if (flags[1] != 0 && !name.empty()) players += (players.empty() ? "" : ", ") + name;
  }
  return std::string(info->pszName) + ", " + LocalTime(when) + " (" + (players.empty() ? "?" : players) + ")";
}

}  // namespace

std::vector<ReplayListing> ListReplays(const fs::path& folder) {
  std::error_code ec;
  std::vector<std::pair<fs::file_time_type, fs::path>> found;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.path().extension() != ".qreplay" || !entry.is_regular_file(ec)) continue;
    found.emplace_back(entry.last_write_time(ec), entry.path());
  }
  // Newest first; files of the same moment by name, so the order is the same each time.
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  std::vector<ReplayListing> list;
  for (const auto& [when, file] : found) list.push_back({file, Line(file, when)});
  return list;
}
