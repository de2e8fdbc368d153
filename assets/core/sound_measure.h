// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures a finished effect as a listener hears it: loudness as the
// loudest 400 ms of A-weighted level, and how fast it rises to its peak.
#include <cstdint>
#include <span>
#include <vector>

namespace art {

struct SoundMeasure {
  float loudnessDb = -120.f;  // loudest 400 ms of A-weighted RMS, dB re full scale
  float peakDb = -120.f;      // largest sample, dB re full scale
  float attackMs = 0.f;       // from the first audible sample to within 3 dB of the peak
  float tailDb = -120.f;      // the last 20 ms before the end fade against the loudest 20 ms
  float seconds = 0.f;
};

// The samples weighted as the ear weights them (A curve, 0 dB at 1 kHz).
std::vector<float> AWeighted(std::span<const float> samples, int rate);

SoundMeasure Measure(std::span<const std::int16_t> samples, int rate);
SoundMeasure Measure(std::span<const float> samples, int rate);

}  // namespace art
