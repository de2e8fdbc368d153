// SPDX-License-Identifier: GPL-3.0-or-later
// The mixer's arithmetic on rendered sample blocks, and the voice bank that
// feeds it.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/audio_mixer.h"
#include "wave_builder.h"

namespace {

using wavetest::Constant;

struct Rendered {
  std::vector<std::int16_t> left;
  std::vector<std::int16_t> right;
};

Rendered Render(VoiceBank& bank, std::size_t frames, int rate) {
  std::vector<std::int16_t> out(frames * 2, 12345);
  MixVoices(bank.Voices(), out, rate);
  Rendered r;
  for (std::size_t i = 0; i < frames; ++i) {
    r.left.push_back(out[2 * i]);
    r.right.push_back(out[2 * i + 1]);
  }
  return r;
}

TEST(MixerTest, UnityVoiceAtTheOutputRateIsCopiedToBothChannels) {
  VoiceBank bank;
  const std::vector<std::int16_t> s = {0, 100, -200, 24576, -24576, 5};
  const VoiceId v = bank.Create(s, 22050, 1);
  ASSERT_EQ(bank.Play(v, false), VoiceBank::PlayResult::Started);
  const Rendered r = Render(bank, 8, 22050);
  EXPECT_EQ(r.left, (std::vector<std::int16_t>{0, 100, -200, 24576, -24576, 5, 0, 0}));
  EXPECT_EQ(r.right, r.left);
  EXPECT_FALSE(bank.IsPlaying(v));
}

TEST(MixerTest, VolumeAndPanAreGains) {
  VoiceBank bank;
  const VoiceId v = bank.Create(Constant(64, 10000), 22050, 1);
  bank.SetVolume(v, -1000);
  bank.Play(v, true);
  Rendered r = Render(bank, 16, 22050);
  EXPECT_NEAR(r.left[0], 3162, 1);  // -10 dB is amplitude x 0.316
  EXPECT_NEAR(r.right[0], 3162, 1);

  bank.SetVolume(v, 0);
  bank.SetPan(v, kPanRight);
  r = Render(bank, 16, 22050);
  EXPECT_EQ(r.left[0], 0);
  EXPECT_EQ(r.right[0], 10000);

  bank.SetPan(v, -2000);  // the right channel 20 dB down
  r = Render(bank, 16, 22050);
  EXPECT_EQ(r.left[0], 10000);
  EXPECT_NEAR(r.right[0], 1000, 1);

  bank.SetVolume(v, kVolumeSilent);
  r = Render(bank, 16, 22050);
  EXPECT_EQ(r.left[0], 0);
  EXPECT_EQ(r.right[0], 0);
}

TEST(MixerTest, GainHelpersFollowTheDecibelScale) {
  EXPECT_FLOAT_EQ(AttenuationGain(0), 1.0f);
  EXPECT_NEAR(AttenuationGain(-600), 0.5012f, 1e-4);
  EXPECT_FLOAT_EQ(AttenuationGain(kVolumeSilent), 0.0f);
  EXPECT_FLOAT_EQ(AttenuationGain(-20000), 0.0f);
  EXPECT_FLOAT_EQ(AttenuationGain(500), 1.0f);
  const StereoGain g = VoiceGain(-1000, 1000);
  EXPECT_NEAR(g.left, 0.1f, 1e-5);
  EXPECT_NEAR(g.right, 0.3162f, 1e-4);
}

TEST(MixerTest, FrequencyResamplesTheSource) {
  std::vector<std::int16_t> ramp;
  for (int i = 0; i < 100; ++i) ramp.push_back(static_cast<std::int16_t>(i * 100));

  // At its own rate into a 44100 Hz output, each source sample spans two
  // frames and the second one is interpolated half way.
  VoiceBank bank;
  const VoiceId v = bank.Create(ramp, 22050, 1);
  bank.Play(v, false);
  Rendered r = Render(bank, 200, 44100);
  for (int i = 0; i < 99; ++i) {
    ASSERT_EQ(r.left[2 * i], i * 100);
    ASSERT_EQ(r.left[2 * i + 1], i * 100 + 50);
  }
  EXPECT_FALSE(bank.IsPlaying(v));

  // Frequency 44100 plays the 22050 Hz source twice as fast: 100 frames.
  ASSERT_TRUE(bank.SetFrequency(v, 44100));
  bank.Play(v, false);
  r = Render(bank, 99, 44100);
  for (int i = 0; i < 99; ++i) ASSERT_EQ(r.left[i], i * 100);
  EXPECT_TRUE(bank.IsPlaying(v));
  r = Render(bank, 2, 44100);
  EXPECT_EQ(r.left[0], 9900);
  EXPECT_EQ(r.left[1], 0);
  EXPECT_FALSE(bank.IsPlaying(v));
}

TEST(MixerTest, LoudVoicesAreLimitedInsteadOfWrapping) {
  VoiceBank bank;
  const VoiceId a = bank.Create(Constant(8, 30000), 22050, 1);
  const VoiceId b = bank.Create(Constant(8, 30000), 22050, 2);
  bank.Play(a, false);
  bank.Play(b, false);
  const std::int16_t limited = Render(bank, 4, 22050).left[0];
  EXPECT_GT(limited, 30000);
  EXPECT_LT(limited, 32767);
  bank.Stop(a);
  bank.Stop(b);

  const VoiceId c = bank.Create(Constant(8, -30000), 22050, 3);
  const VoiceId d = bank.Create(Constant(8, -30000), 22050, 4);
  bank.Play(c, false);
  bank.Play(d, false);
  EXPECT_EQ(Render(bank, 4, 22050).right, Constant(4, static_cast<std::int16_t>(-limited)));
}

TEST(MixerTest, LoopingVoiceWrapsAndAShotStopsAndRewinds) {
  VoiceBank bank;
  const VoiceId loop = bank.Create(std::vector<std::int16_t>{1, 2, 3}, 22050, 1);
  bank.Play(loop, true);
  EXPECT_EQ(Render(bank, 7, 22050).left, (std::vector<std::int16_t>{1, 2, 3, 1, 2, 3, 1}));
  EXPECT_TRUE(bank.IsPlaying(loop));
  bank.Stop(loop);
  bank.Play(loop, false);
  EXPECT_EQ(Render(bank, 5, 22050).left, (std::vector<std::int16_t>{1, 2, 3, 0, 0}));
  EXPECT_FALSE(bank.IsPlaying(loop));
}

TEST(MixerTest, BlockBoundariesDoNotChangeTheOutput) {
  std::vector<std::int16_t> s;
  for (int i = 0; i < 977; ++i) s.push_back(static_cast<std::int16_t>(std::sin(i * 0.05) * 20000));
  auto make = [&](VoiceBank& bank) {
    const VoiceId a = bank.Create(s, 22050, 1);
    const VoiceId b = bank.Create(s, 22050, 2);
    bank.SetFrequency(a, 30001);
    bank.SetPan(b, 3000);
    bank.Play(a, true);
    bank.Play(b, false);
  };
  VoiceBank whole;
  VoiceBank pieces;
  make(whole);
  make(pieces);
  std::vector<std::int16_t> one(2 * 3000);
  MixVoices(whole.Voices(), one, 44100);
  std::vector<std::int16_t> split(2 * 3000);
  std::size_t at = 0;
  for (std::size_t n : {1u, 255u, 256u, 257u, 1000u, 1231u}) {
    MixVoices(pieces.Voices(), std::span(split).subspan(2 * at, 2 * n), 44100);
    at += n;
  }
  ASSERT_EQ(at, 3000u);
  EXPECT_EQ(one, split);
}

TEST(MixerTest, OddOutputLengthAndBadRateAreSafe) {
  VoiceBank bank;
  const VoiceId v = bank.Create(Constant(8, 500), 22050, 1);
  bank.Play(v, false);
  std::vector<std::int16_t> out(5, 77);
  MixVoices(bank.Voices(), out, 22050);
  EXPECT_EQ(out, (std::vector<std::int16_t>{500, 500, 500, 500, 0}));
  MixVoices(bank.Voices(), out, 0);
  EXPECT_EQ(out, std::vector<std::int16_t>(5, 0));
}

TEST(VoiceBankTest, PlayDoesNotRestartAPlayingVoice) {
  VoiceBank bank;
  const VoiceId v = bank.Create(std::vector<std::int16_t>{1, 2, 3, 4, 5, 6}, 22050, 1);
  bank.Play(v, false);
  Render(bank, 2, 22050);
  EXPECT_EQ(bank.Play(v, false), VoiceBank::PlayResult::AlreadyPlaying);
  EXPECT_EQ(Render(bank, 2, 22050).left, (std::vector<std::int16_t>{3, 4}));
  // Playing again with the loop flag makes the running sound loop.
  bank.Play(v, true);
  EXPECT_EQ(Render(bank, 4, 22050).left, (std::vector<std::int16_t>{5, 6, 1, 2}));
}

TEST(VoiceBankTest, ControlsRefuseValuesOutOfRangeAndKeepTheirOld) {
  VoiceBank bank;
  const VoiceId v = bank.Create(Constant(4, 1), 22050, 1);
  EXPECT_TRUE(bank.SetFrequency(v, 44100));
  EXPECT_FALSE(bank.SetFrequency(v, 99));
  EXPECT_FALSE(bank.SetFrequency(v, 100001));
  EXPECT_TRUE(bank.SetVolume(v, -500));
  EXPECT_FALSE(bank.SetVolume(v, 1));
  EXPECT_FALSE(bank.SetVolume(v, -10001));
  EXPECT_TRUE(bank.SetPan(v, 10000));
  EXPECT_FALSE(bank.SetPan(v, 10001));
  EXPECT_FALSE(bank.SetPan(v, -10001));
  VoiceControls c = *bank.Controls(v);
  EXPECT_EQ(c.frequency, 44100u);
  EXPECT_EQ(c.volume, -500);
  EXPECT_EQ(c.pan, 10000);
  // Zero means the recording's own rate.
  EXPECT_TRUE(bank.SetFrequency(v, 0));
  EXPECT_EQ(bank.Controls(v)->frequency, 22050u);
}

TEST(VoiceBankTest, RefusesBadRecordingsAndStaleIds) {
  VoiceBank bank;
  EXPECT_EQ(bank.Create({}, 22050, 1), kNoVoice);
  EXPECT_EQ(bank.Create(Constant(4, 1), 0, 1), kNoVoice);
  EXPECT_EQ(bank.Create(Constant(4, 1), 100001, 1), kNoVoice);
  EXPECT_EQ(bank.Play(kNoVoice, false), VoiceBank::PlayResult::Unknown);
  EXPECT_EQ(bank.Play(0xFFFFFFFFu, false), VoiceBank::PlayResult::Unknown);

  const VoiceId old = bank.Create(Constant(4, 1), 22050, 1);
  ASSERT_TRUE(bank.Destroy(old));
  const VoiceId reused = bank.Create(Constant(4, 2), 22050, 2);
  ASSERT_NE(reused, kNoVoice);
  EXPECT_NE(reused, old);
  EXPECT_EQ(bank.Play(old, false), VoiceBank::PlayResult::Unknown);
  EXPECT_FALSE(bank.SetVolume(old, -100));
  EXPECT_FALSE(bank.Destroy(old));
  EXPECT_EQ(bank.Controls(reused)->volume, 0);
}

TEST(VoiceBankTest, AFullBankRefusesMoreVoices) {
  VoiceBank bank;
  for (std::size_t i = 0; i < VoiceBank::kMaxVoices; ++i) ASSERT_NE(bank.Create(Constant(2, 1), 22050, 1), kNoVoice);
  EXPECT_EQ(bank.Create(Constant(2, 1), 22050, 1), kNoVoice);
}

TEST(VoiceBankTest, MergeKeepsTheOwnersChangesMadeDuringAMix) {
  VoiceBank bank;
  const VoiceId stopped = bank.Create(Constant(100, 1), 22050, 1);
  const VoiceId running = bank.Create(Constant(100, 1), 22050, 2);
  bank.Play(stopped, false);
  bank.Play(running, false);
  std::array<MixerVoice, VoiceBank::kMaxVoices> snapshot;
  std::copy(bank.Voices().begin(), bank.Voices().end(), snapshot.begin());
  std::vector<std::int16_t> out(2 * 10);
  MixVoices(snapshot, out, 22050);
  // Meanwhile the owner stops one voice and changes the other's volume.
  bank.Stop(stopped);
  bank.SetVolume(running, -300);
  bank.MergeMixed(snapshot);
  EXPECT_FALSE(bank.IsPlaying(stopped));
  EXPECT_TRUE(bank.IsPlaying(running));
  EXPECT_EQ(bank.Controls(running)->volume, -300);
  EXPECT_EQ(Render(bank, 90, 22050).left.back(), 1);
  EXPECT_FALSE(bank.IsPlaying(running));  // it had played 10 of its 100 samples
}

TEST(AdvanceVoicesTest, VoicesPlayForTheirDurationAtTheirFrequency) {
  VoiceBank bank;
  const VoiceId second = bank.Create(Constant(22050, 1), 22050, 1);
  const VoiceId fast = bank.Create(Constant(22050, 1), 22050, 2);
  const VoiceId loop = bank.Create(Constant(100, 1), 22050, 3);
  bank.SetFrequency(fast, 44100);
  bank.Play(second, false);
  bank.Play(fast, false);
  bank.Play(loop, true);
  AdvanceVoices(bank.Voices(), 499);
  EXPECT_TRUE(bank.IsPlaying(fast));
  AdvanceVoices(bank.Voices(), 1);
  EXPECT_FALSE(bank.IsPlaying(fast));
  AdvanceVoices(bank.Voices(), 499);
  EXPECT_TRUE(bank.IsPlaying(second));
  AdvanceVoices(bank.Voices(), 1);
  EXPECT_FALSE(bank.IsPlaying(second));
  // Days of virtual time leave a loop playing.
  AdvanceVoices(bank.Voices(), 0xF0000000u);
  EXPECT_TRUE(bank.IsPlaying(loop));
}

}  // namespace
