// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/crowd.h"

#include <cmath>

namespace art {
namespace {

struct Vowel {
  float f1, f2;
};
constexpr Vowel kVowels[] = {{730.f, 1090.f}, {530.f, 1840.f}, {570.f, 840.f}, {300.f, 870.f}, {660.f, 1720.f}};

// A voiced pulse for a crowd voice. The formants below take off the top, so a
// plain saw is clean enough here.
Signal Glottal(float seconds, float f0, float f1, float vibratoHz) {
  Signal s(static_cast<std::size_t>(Samples(seconds)));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(s.size());
    const float f =
        (f0 + (f1 - f0) * t) * (1.f + 0.02f * std::sin(6.2832f * vibratoHz * static_cast<float>(i) / 22050.f));
    phase += f / 22050.f;
    phase -= std::floor(phase);
    s[i] = static_cast<float>(2.0 * phase - 1.0);
  }
  return s;
}

// One person's shout: a voiced vowel with a little breath, shaped by its formants.
Signal Shout(Rng& rng, float seconds, float f0, float glide) {
  const Vowel& v = kVowels[static_cast<std::size_t>(rng.Range(0.f, 4.99f))];
  Signal src = Glottal(seconds, f0, f0 * glide, rng.Range(4.f, 7.f));
  MixInto(src, WhiteNoise(seconds, rng, 0.3f), 0.f);
  Signal a = src, b = src;
  BandPass(a, v.f1 * rng.Range(0.9f, 1.1f), 6.f);
  BandPass(b, v.f2 * rng.Range(0.9f, 1.1f), 8.f);
  Signal s = a;
  MixInto(s, b, 0.f, 0.6f);
  Adsr(s, rng.Range(0.03f, 0.09f), 0.1f, 0.7f, seconds * 0.4f);
  return s;
}

void AddShouts(Signal& s, Rng& rng, float seconds, int voices, float glideLow, float glideHigh) {
  for (int i = 0; i < voices; ++i) {
    const float len = rng.Range(0.35f, 0.9f);
    const float at = rng.Range(0.f, std::max(0.05f, seconds - len));
    const float f0 = rng.Range(0.f, 1.f) < 0.5f ? rng.Range(110.f, 170.f) : rng.Range(200.f, 330.f);
    MixInto(s, Shout(rng, len, f0, rng.Range(glideLow, glideHigh)), at, rng.Range(0.4f, 1.f));
  }
}

Signal Murmur(float seconds, Rng& rng) {
  Signal bed = WhiteNoise(seconds, rng);
  BandPass(bed, 700.f, 0.8f);
  Tremolo(bed, 3.1f, 0.3f);
  return bed;
}

}  // namespace

Signal Applause(float seconds, Rng& rng, int hands) {
  Signal s(static_cast<std::size_t>(Samples(seconds)), 0.f);
  for (int h = 0; h < hands; ++h) {
    const float pace = rng.Range(0.17f, 0.26f);
    const float tone = rng.Range(900.f, 2400.f);
    for (float at = rng.Range(0.f, pace); at < seconds - 0.04f; at += pace * rng.Range(0.85f, 1.15f)) {
      Signal clap = WhiteNoise(0.04f, rng);
      BandPass(clap, tone, 1.4f);
      Decay(clap, 0.0003f, 0.005f);
      MixInto(s, clap, at, rng.Range(0.5f, 1.f));
    }
  }
  return s;
}

Signal CrowdCheer(float seconds, Rng& rng, float fervour) {
  Signal s = Murmur(seconds, rng);
  for (float& v : s) v *= 0.25f;
  AddShouts(s, rng, seconds, 8 + static_cast<int>(16.f * fervour), 1.05f, 1.4f);
  MixInto(s, Applause(seconds, rng, 6 + static_cast<int>(14.f * fervour)), 0.05f, 1.f);
  Adsr(s, 0.12f, 0.2f, 0.85f, seconds * 0.35f);
  return s;
}

Signal CrowdGroan(float seconds, Rng& rng) {
  Signal s = Murmur(seconds, rng);
  for (float& v : s) v *= 0.2f;
  AddShouts(s, rng, seconds * 0.6f, 14, 0.7f, 0.85f);
  Adsr(s, 0.08f, 0.2f, 0.8f, seconds * 0.5f);
  return s;
}

}  // namespace art
