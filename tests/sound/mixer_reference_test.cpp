// SPDX-License-Identifier: GPL-3.0-or-later
// The mixer against a plain one-frame-at-a-time rendering of the same voices:
// the output must agree to the bit, whatever shortcuts the mixer takes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/audio_mixer.h"

namespace {

struct ReferenceVoice {
  std::vector<std::int16_t> samples;
  std::uint64_t step = 0;
  StereoGain gain;
  bool loop = false;
  bool playing = true;
  std::uint64_t pos = 0;
};

float Interpolated(const ReferenceVoice& v) {
  const std::size_t i = v.pos >> 32;
  const float a = v.samples[i];
  float b = a;
  if (i + 1 < v.samples.size()) b = v.samples[i + 1];
  else if (v.loop) b = v.samples[0];
  const float fraction = static_cast<float>(static_cast<std::int64_t>(v.pos & 0xFFFFFFFFu)) / 4294967296.0f;
  return a + (b - a) * fraction;
}

// The output stage: the limiter, then rounding to 16 bits.
std::int16_t Clamp(float x) {
  x = SoftLimit(x);
  if (x >= 32767.0f) return 32767;
  if (x <= -32768.0f) return -32768;
  return static_cast<std::int16_t>(std::lrintf(x));
}

// One frame of every voice, summed in voice order.
void RenderFrame(std::vector<ReferenceVoice>& voices, std::int16_t* out) {
  float left = 0.0f, right = 0.0f;
  for (ReferenceVoice& v : voices) {
    const std::uint64_t end = static_cast<std::uint64_t>(v.samples.size()) << 32;
    if (!v.playing) continue;
    const float x = Interpolated(v);
    left += x * v.gain.left;
    right += x * v.gain.right;
    v.pos += v.step;
    if (v.pos >= end) {
      v.playing = v.loop;
      v.pos = v.loop ? v.pos % end : 0;
    }
  }
  out[0] = Clamp(left);
  out[1] = Clamp(right);
}

}  // namespace

TEST(MixerReferenceTest, RandomVoicesMixExactlyAsFrameByFrame) {
  constexpr int kRate = 44100;
  std::mt19937 rng(77);
  for (int round = 0; round < 6; ++round) {
    VoiceBank bank;
    std::vector<ReferenceVoice> reference;
    for (int n = 0; n < 8; ++n) {
      ReferenceVoice r;
      r.samples.resize(1 + rng() % 3000);
      for (auto& s : r.samples) s = static_cast<std::int16_t>(rng() % 40000 - 20000);
      const VoiceId id = bank.Create(r.samples, 22050, static_cast<UINT>(n));
      const DWORD frequency = 100 + rng() % 60000;
      const LONG volume = -static_cast<LONG>(rng() % 3000);
      const LONG pan = static_cast<LONG>(rng() % 8001) - 4000;
      ASSERT_TRUE(bank.SetFrequency(id, frequency) && bank.SetVolume(id, volume) && bank.SetPan(id, pan));
      r.loop = n % 3 != 0;
      bank.Play(id, r.loop);
      r.step = (static_cast<std::uint64_t>(frequency) << 32) / kRate;
      r.gain = VoiceGain(volume, pan);
      reference.push_back(std::move(r));
    }
    // Blocks of uneven length, across the mixer's internal chunks.
    for (int block = 0; block < 5; ++block) {
      const std::size_t frames = 1 + rng() % 1500;
      std::vector<std::int16_t> mixed(2 * frames), expected(2 * frames);
      MixVoices(bank.Voices(), mixed, kRate);
      for (std::size_t f = 0; f < frames; ++f) RenderFrame(reference, &expected[2 * f]);
      ASSERT_EQ(mixed, expected) << "round " << round << " block " << block;
    }
  }
}
