// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Crowds: many separate voices on vowels, hands clapping, and the murmur of
// the stands under them, so that a cheer reads as people, not as swept noise.
#include "core/synth.h"

namespace art {

// A crowd cheering: rising "yeah"s and "woo"s over clapping; `fervour` 0..1
// sets how many voices and hands join in.
Signal CrowdCheer(float seconds, Rng& rng, float fervour);
// The crowd's disappointed "ohh": falling voices, no clapping.
Signal CrowdGroan(float seconds, Rng& rng);
// Applause alone, `hands` people clapping at their own pace.
Signal Applause(float seconds, Rng& rng, int hands);

}  // namespace art
