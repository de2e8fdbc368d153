// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sound_measure.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979;

// One first-order section from the bilinear transform: s/(s+w) or w/(s+w).
struct FirstOrder {
  double b0 = 1, b1 = 0, a1 = 0, x1 = 0, y1 = 0;
  static FirstOrder Make(double cornerHz, int rate, bool highPass) {
    const double k = 2.0 * rate;
    const double w = 2.0 * kPi * cornerHz;
    FirstOrder f;
    f.b0 = (highPass ? k : w) / (k + w);
    f.b1 = highPass ? -f.b0 : f.b0;
    f.a1 = -(k - w) / (k + w);
    return f;
  }
  double Run(double x) {
    const double y = b0 * x + b1 * x1 - a1 * y1;
    x1 = x;
    y1 = y;
    return y;
  }
  std::complex<double> At(double hz, int rate) const {
    const std::complex<double> z1 = std::polar(1.0, -2.0 * kPi * hz / rate);
    return (b0 + b1 * z1) / (1.0 + a1 * z1);
  }
};

// The A curve's low corners (20.6 Hz twice, 107.7 Hz, 737.9 Hz). Its upper
// corner at 12.2 kHz lies above this rate's Nyquist limit and is left out.
std::vector<FirstOrder> ACurve(int rate) {
  std::vector<FirstOrder> f;
  for (double hz : {20.6, 20.6, 107.7, 737.9}) f.push_back(FirstOrder::Make(hz, rate, true));
  return f;
}

float Db(double v) { return v > 1e-12 ? static_cast<float>(20.0 * std::log10(v)) : -120.f; }

// Largest mean square over any window of `window` samples (shorter sounds
// count as padded with silence).
double LoudestMeanSquare(std::span<const float> s, std::size_t window) {
  double sum = 0, best = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    sum += static_cast<double>(s[i]) * s[i];
    if (i >= window) sum -= static_cast<double>(s[i - window]) * s[i - window];
    best = std::max(best, sum);
  }
  return best / static_cast<double>(window);
}

}  // namespace

std::vector<float> AWeighted(std::span<const float> samples, int rate) {
  std::vector<FirstOrder> curve = ACurve(rate);
  std::complex<double> at1k = 1.0;
  for (const FirstOrder& f : curve) at1k *= f.At(1000.0, rate);
  const double norm = 1.0 / std::abs(at1k);
  std::vector<float> out(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    double v = samples[i];
    for (FirstOrder& f : curve) v = f.Run(v);
    out[i] = static_cast<float>(v * norm);
  }
  return out;
}

SoundMeasure Measure(std::span<const float> s, int rate) {
  SoundMeasure m;
  if (s.empty() || rate <= 0) return m;
  m.seconds = static_cast<float>(s.size()) / static_cast<float>(rate);
  const std::vector<float> a = AWeighted(s, rate);
  // A full-scale sine reads -3 dB, as RMS does.
  m.loudnessDb = Db(std::sqrt(LoudestMeanSquare(a, static_cast<std::size_t>(rate * 0.4))));
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::abs(v));
  m.peakDb = Db(peak);
  const auto first = std::find_if(s.begin(), s.end(), [&](float v) { return std::abs(v) >= peak * 0.01f; });
  const auto near = std::find_if(first, s.end(), [&](float v) { return std::abs(v) >= peak * 0.708f; });
  m.attackMs = 1000.f * static_cast<float>(near - first) / static_cast<float>(rate);
  // The tail: the 20 ms that end 5 ms before the last sample (past any end fade).
  const std::size_t w = static_cast<std::size_t>(rate / 50), fade = static_cast<std::size_t>(rate / 200);
  if (s.size() > w + fade) {
    const double tail = LoudestMeanSquare(s.subspan(s.size() - fade - w, w), w);
    m.tailDb = Db(std::sqrt(tail)) - Db(std::sqrt(LoudestMeanSquare(s, w)));
  }
  return m;
}

SoundMeasure Measure(std::span<const std::int16_t> samples, int rate) {
  std::vector<float> f(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) f[i] = static_cast<float>(samples[i]) / 32768.f;
  return Measure(f, rate);
}

}  // namespace art
