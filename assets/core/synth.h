// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small synthesiser for 22050 Hz mono effects: oscillators, filtered noise
// and envelopes on float buffers, finished into 16-bit samples.
#include <cstdint>
#include <vector>

#include "core/noise.h"

namespace art {

using Signal = std::vector<float>;

int Samples(float seconds);

// Oscillators; `freq` may glide linearly to `freqEnd` over the duration.
enum class Wave { Sine, Square, Saw, Triangle };
Signal Tone(float seconds, float freq, float freqEnd = -1.f, Wave wave = Wave::Sine, float amp = 1.f);
Signal WhiteNoise(float seconds, Rng& rng, float amp = 1.f);

// Filters (in place).
void LowPass(Signal& s, float cutoffHz);
void HighPass(Signal& s, float cutoffHz);
// A resonant band pass (biquad), centre frequency and Q.
void BandPass(Signal& s, float centreHz, float q);
// Same, with the centre gliding from centreHz to centreEndHz.
void SweptBandPass(Signal& s, float centreHz, float centreEndHz, float q);

// Envelopes (multiply in place).
void Decay(Signal& s, float attackSec, float halfLifeSec);
void Adsr(Signal& s, float attack, float decay, float sustain, float release);
void Tremolo(Signal& s, float rateHz, float depth);

// A short knock in the 400 Hz-2 kHz band, laid over a thud so that it is
// heard on small speakers that give nothing below 300 Hz.
Signal KnockLayer(Rng& rng, float centreHz, float halfLifeSec = 0.006f);

// Adds `src` x gain into `dst` starting at `atSec`, growing dst as needed;
// the last 3 ms of `src` fade out so that a part never ends in a click.
void MixInto(Signal& dst, const Signal& src, float atSec, float gain = 1.f);

// Normalises to `peak` (0..1), fades the ends in and out over a few
// milliseconds so that every effect starts and ends in silence, and
// converts to 16-bit.
std::vector<std::int16_t> Finish(Signal s, float peak = 0.85f, float fadeMs = 4.f);

}  // namespace art
