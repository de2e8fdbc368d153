// SPDX-License-Identifier: GPL-3.0-or-later
// The worst coincidences a game makes, mixed: every hit of a pool break or a
// bowling strike starting on the same sample. The sum bends under full scale
// instead of clipping, and a single sound passes untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assets/game_sounds.h"
#include "platform/audio_mixer.h"

using namespace art_test;

namespace {

struct Mixed {
  int peak = 0;
  int atFullScale = 0;
};

// Starts every sound at once (several plays of some) and mixes the whole of it.
Mixed MixAtOnce(const std::vector<GameWave>& waves) {
  const ResourceTable table;
  VoiceBank bank;
  std::size_t longest = 0;
  for (const GameWave& w : waves) {
    const auto samples = WaveSamples(table, w);
    if (!samples) ADD_FAILURE() << "no sound " << w.Resource();
    if (!samples) continue;
    longest = std::max(longest, samples->size());
    bank.Play(bank.Create(*samples, 22050, w.id), false);
  }
  std::vector<std::int16_t> out(longest * 2);
  MixVoices(bank.Voices(), out, 22050);
  Mixed m;
  for (std::int16_t s : out) {
    m.peak = std::max(m.peak, std::abs(static_cast<int>(s)));
    m.atFullScale += (s >= 32767 || s <= -32767) ? 1 : 0;
  }
  return m;
}

}  // namespace

TEST(MixerHeadroom, CoincidingHitsBendUnderFullScaleInsteadOfClipping) {
  using F = SoundFamily;
  // The break: the hard strike, four hard clicks, a hard cushion and a pocket.
  const std::vector<GameWave> brk = {{F::Pool, 381}, {F::Pool, 377}, {F::Pool, 377}, {F::Pool, 377},
                                     {F::Pool, 377}, {F::Pool, 376}, {F::Pool, 374}};
  // A strike: the roll still sounding, three crashes and the crowd.
  const std::vector<GameWave> strike = {
      {F::Bowling, 364}, {F::Bowling, 369}, {F::Bowling, 403}, {F::Bowling, 404}, {F::Bowling, 327}};
  const Mixed breakMix = MixAtOnce(brk);
  EXPECT_GT(breakMix.peak, static_cast<int>(kLimiterKnee)) << "the break does reach the limiter";
  EXPECT_EQ(breakMix.atFullScale, 0) << "nothing clips";
  EXPECT_EQ(MixAtOnce(strike).atFullScale, 0);
}

TEST(MixerHeadroom, ASingleSoundPassesUntouched) {
  const ResourceTable table;
  const auto click = *WaveSamples(table, {SoundFamily::Pool, 377});
  VoiceBank bank;
  bank.Play(bank.Create(click, 22050, 377), false);
  std::vector<std::int16_t> out(click.size() * 2);
  MixVoices(bank.Voices(), out, 22050);
  for (std::size_t i = 0; i < click.size(); ++i) ASSERT_EQ(out[2 * i], click[i]) << i;
}
