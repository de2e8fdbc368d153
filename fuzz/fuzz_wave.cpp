// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the wave reader, as a wave resource, and plays
// whatever it accepts through a sound set on the headless device and the mixer.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/audio_mixer.h"
#include "sound/dx_sound.h"
#include "sound/pcm_decode.h"
#include "sound/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const BYTE> bytes(data, size);

  CWave wave;
  wave.Load(bytes);
  WAVEFORMATEX format;
  const BOOL haveFormat = wave.GetFormat(&format);
  const DWORD length = wave.GetDataLength();
  const std::vector<BYTE> whole = wave.ReadData();
  if (whole.size() != length) __builtin_trap();
  std::vector<BYTE> region(size % 64);
  if (wave.ReadData(region) > region.size()) __builtin_trap();

  if (haveFormat) {
    std::vector<std::int16_t> samples;
    if (DecodePcm(format, whole, &samples)) {
      VoiceBank bank;
      const VoiceId voice = bank.Create(samples, format.nSamplesPerSec, 1);
      bank.SetFrequency(voice, format.nAvgBytesPerSec);
      bank.SetVolume(voice, -static_cast<LONG>(format.cbSize));
      bank.SetPan(voice, static_cast<LONG>(format.cbSize) - 10000);
      bank.Play(voice, (size & 1) != 0);
      std::int16_t out[2 * 300];
      MixVoices(bank.Voices(), out, 22050);
      AdvanceVoices(bank.Voices(), format.nBlockAlign);
    }
  }

  const UINT ids[] = {7, 8};
  auto device = MakeHeadlessAudioDevice();
  CDXSound sound(ids, 2, device.get(), [bytes](UINT) { return bytes; });
  sound.Play(7);
  sound.PlayAdjusted(8, kSoundControlFrequency, static_cast<long>(size) * 13, DSBPLAY_LOOPING);
  sound.EnableSound(FALSE);
  return 0;
}
