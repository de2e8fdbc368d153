// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every game carries its own recordings. Two games may use the same wave id
// for different sounds (a win, a horn, a ball picked up), so the resource pack
// files each game's waves under the game's own range of resource ids, and a
// game's sound set looks its ids up in that range.
#include "platform/types.h"

enum class SoundFamily : UINT {
  Plain = 0,  // ids taken as they are (tests, waves from anywhere)
  AirHockey = 1,
  Basketball = 2,
  Bowling = 3,
  Darts = 4,
  Football = 5,
  Pool = 6,
};

inline constexpr UINT kSoundFamilyStride = 1000;

// The resource id of a game's wave; ids outside a family's range find nothing.
constexpr UINT FamilyWaveResource(SoundFamily family, UINT nWaveId) {
  if (family == SoundFamily::Plain) return nWaveId;
  if (nWaveId >= kSoundFamilyStride) return 0;
  return static_cast<UINT>(family) * kSoundFamilyStride + nWaveId;
}
