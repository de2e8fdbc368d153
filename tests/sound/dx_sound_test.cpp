// SPDX-License-Identifier: GPL-3.0-or-later
// Sound sets as the games use them: a few overlapping plays per id, the
// oldest giving way, controls kept per id, the on/off switch, and silence without a
// device.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/host.h"
#include "platform/headless/headless_backend.h"
#include "platform/resources.h"
#include "sound/dx_sound.h"
#include "wave_builder.h"

namespace {

using wavetest::Constant;
using wavetest::MonoWave;

const UINT kDartsWaves[] = {324, 325, 326, 327, 402};

// A game's waves in memory, each one second long except 402 (a tenth).
std::map<UINT, std::vector<BYTE>> MakeWaves() {
  std::map<UINT, std::vector<BYTE>> waves;
  for (UINT id : kDartsWaves) waves[id] = MonoWave(Constant(id == 402 ? 2205 : 22050, 1000));
  return waves;
}

class DXSoundTest : public ::testing::Test {
 protected:
  DXSoundTest()
      : waves(MakeWaves()),
        device(MakeHeadlessAudioDevice([this] { return now; })),
        sound(kDartsWaves, 5, device.get(), Lookup()) {
    device->SetPlayObserver([this](const PlayRecord& r) { plays.push_back(DescribePlay(r)); });
  }

  WaveLookup Lookup() {
    return [this](UINT id) {
      auto it = waves.find(id);
      return it == waves.end() ? std::span<const BYTE>() : std::span<const BYTE>(it->second);
    };
  }
  bool Playing(UINT id) { return sound.GetBuffer(id)->IsPlaying() != FALSE; }

  DWORD now = 1000;
  std::map<UINT, std::vector<BYTE>> waves;
  std::unique_ptr<AudioDevice> device;
  CDXSound sound;
  std::vector<std::string> plays;
};

TEST_F(DXSoundTest, EveryIdOfTheTableGetsAVoice) {
  EXPECT_TRUE(sound.IsAvailable());
  EXPECT_TRUE(sound.IsEnabled());
  for (UINT id : kDartsWaves) {
    ASSERT_NE(sound.GetBuffer(id), nullptr);
    EXPECT_NE(sound.GetBuffer(id)->GetVoice(), kNoVoice);
    EXPECT_EQ(sound.GetBuffer(id)->GetCreateFlags(), 0xE2u);
  }
}

TEST_F(DXSoundTest, SameIdAgainOverlapsUpToAFewPlaysAndTheOldestGivesWay) {
  // Every collision of a break is heard: each play of 325 starts its own instance.
  for (std::size_t i = 0; i < CDXSoundBuffer::kInstances; ++i) {
    sound.Play(325);
    now += 100;
  }
  sound.Play(326);
  EXPECT_EQ(std::count(plays.begin(), plays.end(), "sound 325"), static_cast<long>(CDXSoundBuffer::kInstances));
  EXPECT_EQ(plays.back(), "sound 326");
  // One more play than there are instances: the oldest (started at 1000)
  // gives way and starts again, so a 325 still sounds a second from now.
  sound.Play(325);
  EXPECT_EQ(plays.back(), "sound 325");
  now = 1000 + 100 * CDXSoundBuffer::kInstances + 950;
  EXPECT_TRUE(Playing(325));
  now += 100;
  EXPECT_FALSE(Playing(325));
}

TEST_F(DXSoundTest, ALoopAskedForAgainKeepsGoingAndStopSilencesEveryPlay) {
  sound.Play(324, DSBPLAY_LOOPING);
  sound.Play(324, DSBPLAY_LOOPING);
  EXPECT_EQ(plays, (std::vector<std::string>{"sound 324"}));
  sound.Play(325);
  sound.Play(325);
  sound.Stop(325);
  sound.Stop(324);
  EXPECT_FALSE(Playing(325));
  EXPECT_FALSE(Playing(324));
}

TEST_F(DXSoundTest, WithSoundOffPlaysDoNothingButControlsStillApply) {
  sound.EnableSound(FALSE);
  sound.Play(324);
  sound.PlayAdjusted(324, kSoundControlVolume, -1000);
  EXPECT_TRUE(plays.empty());
  EXPECT_FALSE(Playing(324));
  EXPECT_EQ(sound.SetVolume(327, -1000), DS_OK);
  EXPECT_EQ(device->Controls(sound.GetBuffer(327)->GetVoice())->volume, -1000);

  sound.EnableSound(TRUE);
  sound.Play(327);
  EXPECT_EQ(plays, (std::vector<std::string>{"sound 327 vol=-1000"}));
}

TEST_F(DXSoundTest, TurningOffStopsALoopAndTurningOnDoesNotRestartIt) {
  sound.Play(326, DSBPLAY_LOOPING);
  now += 5000;
  EXPECT_TRUE(Playing(326));
  sound.EnableSound(FALSE);
  EXPECT_FALSE(Playing(326));
  sound.EnableSound(TRUE);
  EXPECT_FALSE(Playing(326));
  now += 5000;
  EXPECT_FALSE(Playing(326));
  EXPECT_EQ(plays.size(), 1u);
}

TEST_F(DXSoundTest, PlayAdjustedSetsTheControlForLaterPlaysToo) {
  sound.PlayAdjusted(402, kSoundControlVolume, -1000);
  now += 200;
  sound.Play(402);
  sound.PlayAdjusted(324, kSoundControlFrequency, 44100);
  sound.PlayAdjusted(325, kSoundControlPan, 10000, DSBPLAY_LOOPING);
  EXPECT_EQ(plays, (std::vector<std::string>{"sound 402 vol=-1000", "sound 402 vol=-1000", "sound 324 freq=44100",
                                             "sound 325 pan=10000"}));
  // At twice its rate the one-second 324 is over in half a second.
  now += 500;
  EXPECT_FALSE(Playing(324));
  EXPECT_TRUE(Playing(325));
}

TEST_F(DXSoundTest, PlayAdjustedWithABadControlOrValuePlaysNothing) {
  sound.PlayAdjusted(324, 3, 0);
  sound.PlayAdjusted(324, -1, 0);
  sound.PlayAdjusted(324, kSoundControlVolume, 1);
  sound.PlayAdjusted(324, kSoundControlVolume, -10001);
  sound.PlayAdjusted(324, kSoundControlPan, 20000);
  sound.PlayAdjusted(324, kSoundControlFrequency, -22050);  // must not wrap to a valid rate
  sound.PlayAdjusted(324, kSoundControlFrequency, 4294967296L + 22050);
  sound.PlayAdjusted(324, kSoundControlFrequency, 50);
  EXPECT_TRUE(plays.empty());
  const VoiceControls c = *device->Controls(sound.GetBuffer(324)->GetVoice());
  EXPECT_EQ(c.volume, 0);
  EXPECT_EQ(c.pan, 0);
  EXPECT_EQ(c.frequency, 22050u);
  EXPECT_EQ(sound.SetVolume(324, -20000), DSERR_INVALIDPARAM);
  EXPECT_EQ(sound.SetPan(324, 4294967296L), DSERR_INVALIDPARAM);
}

TEST_F(DXSoundTest, AnIdOutsideTheTablePlaysNothing) {
  sound.Play(325);
  now += 2000;
  sound.Play(999);
  sound.PlayAdjusted(999, kSoundControlVolume, -500);
  EXPECT_EQ(sound.SetVolume(999, -500), DSERR_INVALIDPARAM);
  EXPECT_EQ(plays.size(), 1u);
  EXPECT_EQ(device->Controls(sound.GetBuffer(325)->GetVoice())->volume, 0);
}

TEST_F(DXSoundTest, DestroyingTheSetSilencesItsVoices) {
  auto set = std::make_unique<CDXSound>(kDartsWaves, 5, device.get(), Lookup());
  set->Play(327, DSBPLAY_LOOPING);
  const VoiceId voice = set->GetBuffer(327)->GetVoice();
  EXPECT_TRUE(device->IsPlaying(voice));
  set.reset();
  EXPECT_FALSE(device->IsPlaying(voice));
  EXPECT_FALSE(device->Controls(voice).has_value());
}

TEST_F(DXSoundTest, TheTableIsCopiedAndBrokenWavesOnlySilenceTheirOwnId) {
  waves[325] = {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0x7F, 'W', 'A', 'V', 'E'};
  waves[326] = wavetest::Riff("WAVE", {{"fmt ", wavetest::Format(2, 1, 22050, 16), {}}, {"data", {1, 2}, {}}});
  waves.erase(327);
  auto table = std::make_unique<UINT[]>(4);
  for (UINT i = 0; i < 4; ++i) table[i] = kDartsWaves[i + 1];
  CDXSound set(table.get(), 4, device.get(), Lookup());
  table.reset();
  for (UINT id : {325u, 326u, 327u}) {
    set.Play(id);
    EXPECT_EQ(set.GetBuffer(id)->GetVoice(), kNoVoice);
    EXPECT_EQ(set.SetVolume(id, -100), DSERR_INVALIDCALL);
  }
  set.Play(402);
  EXPECT_EQ(plays, (std::vector<std::string>{"sound 402"}));
}

// A whole game's worth of sound calls with no device: nothing happens, no
// error is raised, nothing crashes.
TEST(DXSoundNoDeviceTest, AGameRunsSilentlyWithoutADevice) {
  bool looked = false;
  CDXSound sound(kDartsWaves, 5, nullptr, [&](UINT) {
    looked = true;
    return std::span<const BYTE>();
  });
  EXPECT_FALSE(sound.IsAvailable());
  EXPECT_FALSE(looked);
  sound.EnableSound(TRUE);
  for (int turn = 0; turn < 20; ++turn) {
    sound.Play(402);
    sound.Play(325, DSBPLAY_LOOPING);
    sound.PlayAdjusted(324, kSoundControlVolume, -1000);
    sound.PlayAdjusted(326, kSoundControlPan, turn * 100);
    EXPECT_EQ(sound.SetFrequency(327, 11025), DSERR_NODRIVER);
    EXPECT_EQ(sound.SetVolume(327, -100), DSERR_NODRIVER);
    EXPECT_EQ(sound.SetPan(327, 0), DSERR_NODRIVER);
    sound.EnableSound(turn % 2);
  }
  EXPECT_EQ(sound.GetBuffer(402), nullptr);
}

TEST(DXSoundNoDeviceTest, AnEmptyOrMissingTableIsHarmless) {
  auto device = MakeHeadlessAudioDevice();
  CDXSound none(nullptr, 5, device.get(), WaveLookup{});
  CDXSound negative(kDartsWaves, -3, device.get(), WaveLookup{});
  none.Play(324);
  negative.Play(324);
  EXPECT_TRUE(none.IsAvailable());
  EXPECT_EQ(negative.GetBuffer(324), nullptr);
}

// The sets the games make: waves from the program's resource table, the
// device from the host's backend.
TEST(DXSoundHostTest, WavesComeFromAResourceTable) {
  std::vector<BYTE> wave = MonoWave(Constant(50, 3));
  std::vector<BYTE> pack;
  wavetest::PutId(pack, "QRES");
  wavetest::Put32(pack, 1);
  for (std::uint32_t v : {static_cast<std::uint32_t>(ResKind::Wave), 402u, 24u, static_cast<std::uint32_t>(wave.size())})
    wavetest::Put32(pack, v);
  pack.insert(pack.end(), wave.begin(), wave.end());
  const ResourceTable resources(pack);
  auto device = MakeHeadlessAudioDevice();
  CDXSound sound(kDartsWaves, 5, device.get(), resources);
  EXPECT_NE(sound.GetBuffer(402)->GetVoice(), kNoVoice);
  EXPECT_EQ(sound.GetBuffer(324)->GetVoice(), kNoVoice);
}

TEST(DXSoundHostTest, AHostWithoutAudioGivesAnUnavailableSet) {
  HeadlessOptions options;
  options.audio = false;
  Host host(MakeHeadlessBackend(options), std::make_unique<SettingsStore>());
  CDXSound sound(kDartsWaves, 5, host);
  EXPECT_FALSE(sound.IsAvailable());
  sound.Play(402);
}

TEST(DXSoundHostTest, AHostWithAudioPlaysTheProgramsOwnWaves) {
  Host host(MakeHeadlessBackend(), std::make_unique<SettingsStore>());
  std::vector<std::string> events;
  host.Audio()->SetPlayObserver([&](const PlayRecord& r) { events.push_back(DescribePlay(r)); });
  CDXSound sound(kDartsWaves, 5, host);
  EXPECT_TRUE(sound.IsAvailable());
  // Every wave the program carries for this table loads and plays.
  std::vector<std::string> expected;
  for (UINT id : kDartsWaves) {
    sound.Play(id);
    if (!host.Resources().Find(ResKind::Wave, id).empty()) expected.push_back("sound " + std::to_string(id));
  }
  EXPECT_EQ(events, expected);
}

}  // namespace
