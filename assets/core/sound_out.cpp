// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sound_out.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/sound_measure.h"

namespace art {
namespace {

void Fade(Signal& s, float inMs, float outMs) {
  const auto len = [&](float ms) {
    return std::min(s.size() / 2, static_cast<std::size_t>(ms * kSampleRate / 1000.f));
  };
  const std::size_t in = len(inMs), out = len(outMs);
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
  for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

// A short hit can be too peaky to reach its loudness under the ceiling: a
// gentle saturation rounds off its highest peaks and lifts the rest.
Signal Saturated(const Signal& s, float peak, float drive) {
  Signal out(s.size());
  const float norm = peak / std::tanh(drive);
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = std::tanh(drive * s[i] / peak) * norm;
  return out;
}

}  // namespace

std::vector<std::int16_t> FinishAt(Signal s, const Finishing& how) {
  if (s.empty()) return {};
  Fade(s, how.fadeInMs, how.fadeOutMs);
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::abs(v));
  if (peak <= 0) return std::vector<std::int16_t>(s.size(), 0);
  const float target = (how.role == Role::Call ? kCallLoudnessDb : kPlayLoudnessDb) + how.trimDb;
  Signal shaped = s;
  float gain = 0;
  for (float drive : {0.f, 1.f, 1.6f, 2.4f, 3.2f}) {
    if (drive > 0) shaped = Saturated(s, peak, drive);
    const float now = Measure(std::span<const float>(shaped), kSampleRate).loudnessDb;
    const float wanted = std::pow(10.f, (target - now) / 20.f);
    gain = std::min(wanted, kPeakCeiling / peak);
    if (wanted <= gain * 1.001f) break;
  }
  std::vector<std::int16_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i)
    out[i] = static_cast<std::int16_t>(std::lround(shaped[i] * gain * 32767.f));
  return out;
}

void EmitWave(ResourceSink& sink, SoundFamily family, UINT id, Signal s, const Finishing& how) {
  sink.Wave(FamilyWaveResource(family, id), FinishAt(std::move(s), how));
}

}  // namespace art
