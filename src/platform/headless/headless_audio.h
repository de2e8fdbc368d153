// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio device of the headless backend: keeps time for every voice on the
// host's virtual clock and reports each sound that starts, but outputs nothing.
#include <functional>

#include "platform/audio_device.h"
#include "platform/audio_mixer.h"

class HeadlessAudioDevice final : public AudioDevice {
 public:
  // `clock` is the host's millisecond tick; see MakeHeadlessAudioDevice.
  explicit HeadlessAudioDevice(std::function<DWORD()> clock);

  int OutputRate() const override { return kOutputRate; }
  VoiceId CreateVoice(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag) override;
  void DestroyVoice(VoiceId voice) override;
  bool Play(VoiceId voice, bool loop) override;
  void Stop(VoiceId voice) override;
  bool IsPlaying(VoiceId voice) override;
  bool SetFrequency(VoiceId voice, DWORD hz) override;
  bool SetVolume(VoiceId voice, LONG hundredthsDb) override;
  bool SetPan(VoiceId voice, LONG pan) override;
  std::optional<VoiceControls> Controls(VoiceId voice) override;

  static constexpr int kOutputRate = 44100;

 private:
  // Brings every voice up to the clock's current time.
  void CatchUp();

  std::function<DWORD()> m_clock;
  DWORD m_lastTick = 0;
  VoiceBank m_bank;
};
