// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/synth.h"

#include <algorithm>
#include <cmath>

#include "core/writers.h"

namespace art {
namespace {
constexpr float kPi = 3.14159265358979f;
constexpr float kRate = static_cast<float>(kSampleRate);
// How long the end of a mixed part fades out.
constexpr float kPartFadeSec = 0.003f;

struct Biquad {
  float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  void SetBandPass(float f, float q) {
    const float w = 2.f * kPi * std::clamp(f, 20.f, kRate * 0.45f) / kRate;
    const float alpha = std::sin(w) / (2.f * q);
    const float a0 = 1.f + alpha;
    b0 = alpha / a0;
    b1 = 0;
    b2 = -alpha / a0;
    a1 = -2.f * std::cos(w) / a0;
    a2 = (1.f - alpha) / a0;
  }
  float Run(float x) {
    const float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};
}  // namespace

int Samples(float seconds) { return std::max(1, static_cast<int>(seconds * kRate)); }

namespace {

// Square and saw waves are summed from their harmonics below the top of the
// band, so no harmonic folds back under the tone as an alias.
float BandLimited(Wave wave, double phase, float freq) {
  constexpr float kTop = 10000.f;
  const int harmonics = std::max(1, static_cast<int>(kTop / std::max(freq, 1.f)));
  const bool oddOnly = wave == Wave::Square;
  double sum = 0;
  for (int k = 1; k <= harmonics; k += oddOnly ? 2 : 1) sum += std::sin(2.0 * kPi * k * phase) / k;
  return static_cast<float>(oddOnly ? sum * 4.0 / kPi : -sum * 2.0 / kPi);
}

}  // namespace

Signal Tone(float seconds, float freq, float freqEnd, Wave wave, float amp) {
  if (freqEnd < 0) freqEnd = freq;
  Signal s(static_cast<std::size_t>(Samples(seconds)));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(s.size());
    const float f = freq + (freqEnd - freq) * t;
    phase += f / kRate;
    phase -= std::floor(phase);
    const float p = static_cast<float>(phase);
    float v = 0;
    switch (wave) {
      case Wave::Sine: v = std::sin(2.f * kPi * p); break;
      case Wave::Square:
      case Wave::Saw: v = BandLimited(wave, phase, f); break;
      case Wave::Triangle: v = 1.f - 4.f * std::abs(p - 0.5f); break;
    }
    s[i] = v * amp;
  }
  return s;
}

Signal WhiteNoise(float seconds, Rng& rng, float amp) {
  Signal s(static_cast<std::size_t>(Samples(seconds)));
  for (float& v : s) v = (rng.Uniform() * 2.f - 1.f) * amp;
  return s;
}

void LowPass(Signal& s, float cutoffHz) {
  const float k = 1.f - std::exp(-2.f * kPi * cutoffHz / kRate);
  float y = 0;
  for (float& v : s) v = (y += k * (v - y));
}

void HighPass(Signal& s, float cutoffHz) {
  const float k = 1.f - std::exp(-2.f * kPi * cutoffHz / kRate);
  float low = 0;
  for (float& v : s) {
    low += k * (v - low);
    v -= low;
  }
}

void BandPass(Signal& s, float centreHz, float q) { SweptBandPass(s, centreHz, centreHz, q); }

void SweptBandPass(Signal& s, float centreHz, float centreEndHz, float q) {
  Biquad f;
  f.SetBandPass(centreHz, q);
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (centreEndHz != centreHz && i % 64 == 0) {
      const float t = static_cast<float>(i) / static_cast<float>(s.size());
      f.SetBandPass(centreHz * std::pow(centreEndHz / centreHz, t), q);
    }
    s[i] = f.Run(s[i]);
  }
}

void Decay(Signal& s, float attackSec, float halfLifeSec) {
  const float a = std::max(1.f, attackSec * kRate);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = static_cast<float>(i);
    const float env = t < a ? t / a : std::exp2(-(t - a) / (halfLifeSec * kRate));
    s[i] *= env;
  }
}

void Adsr(Signal& s, float attack, float decay, float sustain, float release) {
  const float n = static_cast<float>(s.size());
  const float a = attack * kRate, d = decay * kRate, r = release * kRate;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = static_cast<float>(i);
    float env = sustain;
    if (t < a) env = t / std::max(1.f, a);
    else if (t < a + d) env = 1.f + (sustain - 1.f) * (t - a) / std::max(1.f, d);
    if (t > n - r) env *= std::max(0.f, (n - t) / std::max(1.f, r));
    s[i] *= env;
  }
}

void Tremolo(Signal& s, float rateHz, float depth) {
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] *= 1.f - depth * 0.5f * (1.f + std::sin(2.f * kPi * rateHz * static_cast<float>(i) / kRate));
}

Signal KnockLayer(Rng& rng, float centreHz, float halfLifeSec) {
  Signal s = WhiteNoise(0.02f + 8.f * halfLifeSec, rng);
  BandPass(s, centreHz, 2.2f);
  Signal body = Tone(static_cast<float>(s.size()) / kRate, centreHz * 0.8f, centreHz * 0.74f);
  MixInto(s, body, 0.f, 0.25f);
  Decay(s, 0.0002f, halfLifeSec);
  return s;
}

void MixInto(Signal& dst, const Signal& src, float atSec, float gain) {
  const std::size_t at = static_cast<std::size_t>(std::max(0.f, atSec) * kRate);
  if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.f);
  // A part that stops while still sounding would click: its last few
  // milliseconds fade out.
  const std::size_t fade = std::min(src.size() / 4, static_cast<std::size_t>(kPartFadeSec * kRate));
  const std::size_t fadeFrom = src.size() - fade;
  for (std::size_t i = 0; i < src.size(); ++i) {
    const float env = i < fadeFrom ? 1.f : static_cast<float>(src.size() - i) / static_cast<float>(fade + 1);
    dst[at + i] += src[i] * gain * env;
  }
}

std::vector<std::int16_t> Finish(Signal s, float peak, float fadeMs) {
  float maxAbs = 0;
  for (float v : s) maxAbs = std::max(maxAbs, std::abs(v));
  const float gain = maxAbs > 0 ? peak / maxAbs : 0.f;
  const std::size_t fade = std::min(s.size() / 2, static_cast<std::size_t>(fadeMs * kRate / 1000.f));
  std::vector<std::int16_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    float env = 1.f;
    if (i < fade) env = static_cast<float>(i) / static_cast<float>(fade);
    const std::size_t fromEnd = s.size() - 1 - i;
    if (fromEnd < fade) env = std::min(env, static_cast<float>(fromEnd) / static_cast<float>(fade));
    const float v = std::clamp(s[i] * gain * env, -1.f, 1.f);
    out[i] = static_cast<std::int16_t>(std::lround(v * 32767.f));
  }
  return out;
}

}  // namespace art
