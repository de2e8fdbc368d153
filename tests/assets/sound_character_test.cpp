// SPDX-License-Identifier: GPL-3.0-or-later
// What makes the sounds read as what they are: tones without folded
// harmonics, a whistle whose pea warbles, air hockey clacks that are plastic
// cracks rather than tonal blips, and crowds with hands clapping in them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "assets/game_sounds.h"
#include "core/synth.h"

using namespace art_test;

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Power of one frequency in a signal (one DFT bin, Hann-windowed).
double PowerAt(const std::vector<float>& s, double hz) {
  std::complex<double> sum = 0;
  const double n = static_cast<double>(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double w = 0.5 - 0.5 * std::cos(kTwoPi * static_cast<double>(i) / n);
    sum += w * s[i] * std::polar(1.0, -kTwoPi * hz * static_cast<double>(i) / 22050.0);
  }
  return std::norm(sum);
}

std::vector<float> Floats(const std::vector<std::int16_t>& s) { return {s.begin(), s.end()}; }

std::vector<float> Samples(SoundFamily family, UINT id) {
  const ResourceTable table;
  return Floats(*WaveSamples(table, {family, id}));
}

}  // namespace

TEST(SoundCharacter, SquareAndSawTonesFoldNoHarmonicsBackUnderThemselves) {
  // A 2500 Hz square's 5th, 7th and 9th harmonics lie above 11025 Hz; drawn
  // naively they fold back to 9550, 4550 and 450 Hz.
  const art::Signal square = art::Tone(0.2f, 2500.f, -1.f, art::Wave::Square);
  const double fundamental = PowerAt(square, 2500.0);
  for (double alias : {9550.0, 4550.0, 450.0})
    EXPECT_LT(10 * std::log10(PowerAt(square, alias) / fundamental), -50.0) << alias;
  const art::Signal saw = art::Tone(0.2f, 1800.f, -1.f, art::Wave::Saw);
  EXPECT_LT(10 * std::log10(PowerAt(saw, 22050.0 - 7 * 1800.0) / PowerAt(saw, 1800.0)), -50.0);
}

TEST(SoundCharacter, TheWhistlesPeaWarblesThePitch) {
  const std::vector<float> s = Samples(SoundFamily::Football, 331);
  // The pitch over windows of eight periods through the first blast.
  std::vector<double> crossings;
  for (std::size_t i = 22050 / 50; i < 22050 / 4; ++i)
    if (s[i - 1] < 0 && s[i] >= 0) crossings.push_back(static_cast<double>(i - 1) + s[i - 1] / (s[i - 1] - s[i]));
  std::vector<double> pitch;
  for (std::size_t i = 8; i < crossings.size(); i += 8)
    pitch.push_back(8 * 22050.0 / (crossings[i] - crossings[i - 8]));
  ASSERT_GT(pitch.size(), 40u);
  std::sort(pitch.begin(), pitch.end());
  EXPECT_GT(pitch[pitch.size() * 9 / 10] - pitch[pitch.size() / 10], 150.0);
}

TEST(SoundCharacter, AirHockeyHitsAreShortBrightCracks) {
  for (UINT id : {356u, 357u}) {
    const std::vector<float> s = Samples(SoundFamily::AirHockey, id);
    art::Signal low(s.begin(), s.end());
    for (int pole = 0; pole < 4; ++pole) art::LowPass(low, 2000.f);
    double all = 0, under = 0, first = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
      all += s[i] * s[i];
      under += low[i] * low[i];
      if (i < 22050 * 15 / 1000) first += s[i] * s[i];
    }
    EXPECT_GT(first / all, 0.9) << id << ": over within 15 ms";
    EXPECT_LT(under / all, 0.25) << id << ": little of it under 2 kHz";
  }
}

TEST(SoundCharacter, CrowdsHaveHandsClappingInThem) {
  for (GameWave crowd : {GameWave{SoundFamily::Pool, 327}, GameWave{SoundFamily::Bowling, 327}}) {
    const std::vector<float> s = Samples(crowd.family, crowd.id);
    // Claps: 2 ms frames standing 6 dB over the 20 ms before them.
    constexpr std::size_t kFrame = 44;
    std::vector<double> energy;
    for (std::size_t i = 0; i + kFrame <= s.size(); i += kFrame) {
      double e = 0;
      for (std::size_t k = i; k < i + kFrame; ++k) e += s[k] * s[k];
      energy.push_back(e);
    }
    const double loudest = *std::max_element(energy.begin(), energy.end());
    int claps = 0;
    for (std::size_t f = 10; f < energy.size(); ++f) {
      double before = 0;
      for (std::size_t k = f - 10; k < f; ++k) before += energy[k] / 10;
      claps += energy[f] > 4 * before && energy[f] > loudest * 1e-3 ? 1 : 0;
    }
    const double seconds = static_cast<double>(s.size()) / 22050.0;
    EXPECT_GT(claps / seconds, 5.0) << crowd.Resource();
  }
}
