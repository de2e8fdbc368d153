// SPDX-License-Identifier: GPL-3.0-or-later
// The headless device keeps time on the host's clock and reports each sound
// that starts, for the driver's transcript.
#include <gtest/gtest.h>

#include "platform/audio_device.h"
#include "wave_builder.h"

namespace {

using wavetest::Constant;

class HeadlessAudioTest : public ::testing::Test {
 protected:
  HeadlessAudioTest() : device(MakeHeadlessAudioDevice([this] { return now; })) {
    device->SetPlayObserver([this](const PlayRecord& r) { plays.push_back(r); });
  }
  DWORD now = 5000;
  std::unique_ptr<AudioDevice> device;
  std::vector<PlayRecord> plays;
};

TEST_F(HeadlessAudioTest, AVoiceCountsAsPlayingForItsDuration) {
  // A quarter of a second at 22050 Hz; twice as fast at 44100.
  const VoiceId v = device->CreateVoice(Constant(22050 / 4, 1), 22050, 325);
  ASSERT_TRUE(device->Play(v, false));
  now += 249;
  EXPECT_TRUE(device->IsPlaying(v));
  now += 1;
  EXPECT_FALSE(device->IsPlaying(v));

  device->SetFrequency(v, 44100);
  device->Play(v, false);
  now += 124;
  EXPECT_TRUE(device->IsPlaying(v));
  now += 1;
  EXPECT_FALSE(device->IsPlaying(v));
}

TEST_F(HeadlessAudioTest, ReportsOnlySoundsThatStartWithTheirControls) {
  const VoiceId v = device->CreateVoice(Constant(22050, 1), 22050, 402);
  device->Play(v, false);
  now += 100;
  device->Play(v, false);  // still playing: nothing new starts
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(DescribePlay(plays[0]), "sound 402");

  now += 1000;
  device->SetVolume(v, -1000);
  device->SetFrequency(v, 44100);
  device->SetPan(v, -2500);
  device->Play(v, true);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_TRUE(plays[1].loop);
  EXPECT_EQ(plays[1].tag, 402u);
  EXPECT_EQ(DescribePlay(plays[1]), "sound 402 vol=-1000 freq=44100 pan=-2500");
}

TEST_F(HeadlessAudioTest, StopRewindsAndDestroyForgetsTheVoice) {
  const VoiceId v = device->CreateVoice(Constant(22050, 1), 22050, 1);
  device->Play(v, true);
  now += 60000;
  EXPECT_TRUE(device->IsPlaying(v));
  device->Stop(v);
  EXPECT_FALSE(device->IsPlaying(v));
  device->Play(v, false);
  now += 999;
  EXPECT_TRUE(device->IsPlaying(v));  // started from the beginning again
  device->DestroyVoice(v);
  EXPECT_FALSE(device->IsPlaying(v));
  EXPECT_FALSE(device->Play(v, false));
  EXPECT_FALSE(device->Controls(v).has_value());
}

TEST(HeadlessAudioNoClockTest, SingleShotsFinishAtOnceAndLoopsKeepPlaying) {
  auto device = MakeHeadlessAudioDevice();
  int plays = 0;
  device->SetPlayObserver([&](const PlayRecord&) { ++plays; });
  const VoiceId shot = device->CreateVoice(Constant(100, 1), 22050, 1);
  const VoiceId loop = device->CreateVoice(Constant(100, 1), 22050, 2);
  device->Play(shot, false);
  device->Play(shot, false);
  device->Play(loop, true);
  EXPECT_EQ(plays, 3);
  EXPECT_FALSE(device->IsPlaying(shot));
  EXPECT_TRUE(device->IsPlaying(loop));
}

}  // namespace
