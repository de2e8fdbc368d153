// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/game_sounds.h"

#include <algorithm>
#include <cstring>

#include "games/airhockey/model/airhockey_geometry.h"
#include "games/basketball/model/basketball_geometry.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/darts/model/dart_geometry.h"
#include "games/football/model/football_geometry.h"
#include "games/pool/model/pool_geometry.h"

namespace art_test {
namespace {

using F = SoundFamily;

bool In(const GameWave& w, F family, std::initializer_list<UINT> ids) {
  return w.family == family && std::find(ids.begin(), ids.end(), w.id) != ids.end();
}

std::uint32_t U32(const BYTE* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::vector<GameSounds> AllGameSounds() {
  return {{F::AirHockey, airhockey::kSoundTable}, {F::Basketball, basketball::kSoundTable},
          {F::Bowling, bowling::kSoundTable},     {F::Darts, darts::kSoundTable},
          {F::Football, football::kSoundTable},   {F::Pool, pool::kSoundTable}};
}

std::vector<GameWave> AllGameWaves() {
  std::vector<GameWave> waves;
  for (const GameSounds& game : AllGameSounds())
    for (UINT id : game.table) waves.push_back({game.family, id});
  return waves;
}

bool IsCall(const GameWave& w) {
  return In(w, F::AirHockey, {359, 355}) || In(w, F::Basketball, {327, 397}) || In(w, F::Bowling, {327, 328}) ||
         In(w, F::Darts, {326, 327}) || In(w, F::Football, {326, 328, 329, 330}) || In(w, F::Pool, {326, 327});
}

bool IsHit(const GameWave& w) {
  return In(w, F::AirHockey, {356, 357, 358}) || In(w, F::Basketball, {362, 373, 402}) ||
         In(w, F::Bowling, {367, 397}) || In(w, F::Darts, {324, 325, 402}) ||
         In(w, F::Football, {362, 373, 400, 402}) || In(w, F::Pool, {375, 376, 377, 378, 379, 380, 381});
}

bool IsThud(const GameWave& w) {
  return In(w, F::Pool, {374, 375, 376}) || In(w, F::Bowling, {364, 365, 366, 367, 368, 397}) ||
         In(w, F::Darts, {324, 325}) || In(w, F::Football, {400});
}

std::optional<std::vector<std::int16_t>> WaveSamples(std::span<const BYTE> b) {
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0) return std::nullopt;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = U32(b.data() + at + 4);
    if (size > b.size() - at - 8) return std::nullopt;
    if (std::memcmp(b.data() + at, "data", 4) == 0) {
      std::vector<std::int16_t> s(size / 2);
      std::memcpy(s.data(), b.data() + at + 8, s.size() * 2);
      return s;
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

std::optional<std::vector<std::int16_t>> WaveSamples(const ResourceTable& table, const GameWave& wave) {
  return WaveSamples(table.Find(ResKind::Wave, wave.Resource()));
}

}  // namespace art_test
