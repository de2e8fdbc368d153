// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/model/airhockey_snapshot.h"

#include <algorithm>
#include <charconv>

#include "games/airhockey/model/airhockey_geometry.h"

namespace airhockey {

namespace {

// Bodies stay near the rink; anything far off it is not a rink.
constexpr int kFarthest = 1000;
constexpr int kFastest = 100000;

std::string Pair(int a, int b) {
  std::string text = std::to_string(a);
  text += ',';
  text.append(std::to_string(b));
  return text;
}

std::optional<int> Number(std::string_view text, int lo, int hi) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi) return std::nullopt;
  return value;
}

std::optional<CPoint> Point(std::string_view text, int limit) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto x = Number(text.substr(0, comma), -limit, limit);
  const auto y = Number(text.substr(comma + 1), -limit, limit);
  if (!x || !y) return std::nullopt;
  return CPoint{*x, *y};
}

bool KnownSound(int wave) {
  return std::find(kSoundTable.begin(), kSoundTable.end(), static_cast<UINT>(wave)) != kSoundTable.end();
}

std::optional<std::vector<UINT>> Sounds(std::string_view text) {
  std::vector<UINT> sounds;
  while (!text.empty()) {
    const std::size_t comma = std::min(text.find(','), text.size());
    const auto wave = Number(text.substr(0, comma), 0, 100000);
    if (!wave || !KnownSound(*wave) || sounds.size() == RinkSnapshot::kMaxSounds) return std::nullopt;
    sounds.push_back(static_cast<UINT>(*wave));
    text.remove_prefix(std::min(comma + 1, text.size()));
  }
  return sounds;
}

// One `key=value` word into the snapshot; false when it does not fit.
bool ReadWord(std::string_view key, std::string_view value, RinkSnapshot& s, unsigned& seen) {
  std::optional<CPoint> point;
  auto take = [&](unsigned bit, bool ok) {
    seen |= bit;
    return ok;
  };
  if (key == "t") {
    std::uint64_t tick = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), tick);
    s.tick = static_cast<DWORD>(tick);
    return take(1, ec == std::errc() && end == value.data() + value.size() && tick <= 0xFFFFFFFFu);
  }
  if (key == "puck") return take(2, (point = Point(value, kFarthest)) && (s.puck = *point, true));
  if (key == "v") return take(4, (point = Point(value, kFastest)) && (s.puckVelocity = *point, true));
  if (key == "near") return take(8, (point = Point(value, kFarthest)) && (s.nearMallet = *point, true));
  if (key == "far") return take(16, (point = Point(value, kFarthest)) && (s.farMallet = *point, true));
  if (key == "score") {
    point = Point(value, kWinningScore);
    if (point) s.score = {point->x, point->y};
    return take(32, point && point->x >= 0 && point->y >= 0);
  }
  if (key == "play" || key == "over") {
    const auto flag = Number(value, 0, 1);
    (key == "play" ? s.playing : s.matchOver) = flag == 1;
    return take(key == "play" ? 64 : 128, flag.has_value());
  }
  if (key == "serve") {
    const auto serve = Number(value, 0, 1 << 30);
    s.serve = serve.value_or(0);
    return take(256, serve.has_value());
  }
  if (key == "sounds") {
    auto sounds = Sounds(value);
    if (sounds) s.sounds = std::move(*sounds);
    return sounds.has_value();
  }
  return true;  // a word from a later program: not ours to read
}

}  // namespace

bool RinkSnapshot::SameRink(const RinkSnapshot& o) const {
  return puck == o.puck && puckVelocity == o.puckVelocity && nearMallet == o.nearMallet &&
         farMallet == o.farMallet && score == o.score && playing == o.playing && matchOver == o.matchOver &&
         serve == o.serve;
}

std::string WriteRinkSnapshot(const RinkSnapshot& s) {
  std::string text;
  auto word = [&text](const char* key, const std::string& value) {
    if (!text.empty()) text += ' ';
    text.append(key).append("=").append(value);
  };
  word("t", std::to_string(s.tick));
  word("puck", Pair(s.puck.x, s.puck.y));
  word("v", Pair(s.puckVelocity.x, s.puckVelocity.y));
  word("near", Pair(s.nearMallet.x, s.nearMallet.y));
  word("far", Pair(s.farMallet.x, s.farMallet.y));
  word("score", Pair(s.score[0], s.score[1]));
  word("play", s.playing ? "1" : "0");
  word("over", s.matchOver ? "1" : "0");
  word("serve", std::to_string(s.serve));
  std::string sounds;
  for (std::size_t i = 0; i < s.sounds.size() && i < RinkSnapshot::kMaxSounds; ++i) {
    if (i > 0) sounds += ',';
    sounds.append(std::to_string(s.sounds[i]));
  }
  word("sounds", sounds);
  return text;
}

std::optional<RinkSnapshot> ReadRinkSnapshot(std::string_view text) {
  constexpr unsigned kAll = 511;
  RinkSnapshot s;
  unsigned seen = 0;
  while (!text.empty()) {
    const std::size_t space = std::min(text.find(' '), text.size());
    const std::string_view word = text.substr(0, space);
    text.remove_prefix(std::min(space + 1, text.size()));
    if (word.empty()) continue;
    const std::size_t eq = word.find('=');
    if (eq == std::string_view::npos || !ReadWord(word.substr(0, eq), word.substr(eq + 1), s, seen))
      return std::nullopt;
  }
  if (seen != kAll) return std::nullopt;
  return s;
}

}  // namespace airhockey
