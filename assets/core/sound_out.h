// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finishing a game's effect and filing it under the game's own ids. Levels are
// set by loudness, not by peak: every sound of play (hits, rolls, swishes,
// whistles) sits at one loudness, the calls that crown a moment (fanfares,
// horns, crowds) a few decibels above them.
#include "core/synth.h"
#include "core/writers.h"
#include "sound/wave_family.h"

namespace art {

enum class Role { Play, Call };

inline constexpr float kPlayLoudnessDb = -27.f;   // loudest 400 ms, A-weighted, re full scale
inline constexpr float kCallLoudnessDb = -22.5f;  // 4.5 dB above the sounds of play
// No file peaks above this: the mixer's limiter leaves single sounds alone.
inline constexpr float kPeakCeiling = 0.70f;

struct Finishing {
  Role role = Role::Play;
  float trimDb = 0.f;     // a deliberate step from the role's level (soft and hard strikes)
  float fadeInMs = 0.1f;  // hits crack at once; beds and tones fade in longer
  float fadeOutMs = 4.f;
};

// Fades, sets the loudness of the role and converts to 16 bits. A sound too
// peaky to reach it under the ceiling is gently saturated first.
std::vector<std::int16_t> FinishAt(Signal s, const Finishing& how);

void EmitWave(ResourceSink& sink, SoundFamily family, UINT id, Signal s, const Finishing& how = {});

}  // namespace art
