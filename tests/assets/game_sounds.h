// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every game's sound set as the pack holds it, with what each sound is for,
// and the samples of a generated wave.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/resources.h"
#include "sound/wave_family.h"

namespace art_test {

struct GameSounds {
  SoundFamily family;
  std::span<const UINT> table;
};
// The six games with their tables.
std::vector<GameSounds> AllGameSounds();

// A sound's resource id and what kind of sound it is.
struct GameWave {
  SoundFamily family;
  UINT id;
  UINT Resource() const { return FamilyWaveResource(family, id); }
};
// The calls that crown a moment (fanfares, horns, crowds), set above the rest.
bool IsCall(const GameWave& wave);
// Strikes and knocks, which must crack at once.
bool IsHit(const GameWave& wave);
// Thuds that need a knock in the middle of the band.
bool IsThud(const GameWave& wave);
std::vector<GameWave> AllGameWaves();

// The 16-bit samples of a mono PCM wave file; nothing when it is not one.
std::optional<std::vector<std::int16_t>> WaveSamples(std::span<const BYTE> file);
std::optional<std::vector<std::int16_t>> WaveSamples(const ResourceTable& table, const GameWave& wave);

}  // namespace art_test
