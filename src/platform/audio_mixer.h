// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform-independent half of the audio devices: a fixed bank of voices
// and the arithmetic that mixes them into 16-bit stereo. The SDL device runs
// the mix in its audio callback; the headless device only advances the voices
// by elapsed time; tests render sample blocks directly.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/audio_device.h"

// One voice as the mixer sees it. Trivially copyable, so the audio thread can
// take a snapshot of the whole bank with one copy.
struct MixerVoice {
  const std::int16_t* samples = nullptr;  // owned by the bank
  std::uint32_t length = 0;               // in samples
  std::uint32_t sourceRate = 0;
  std::uint32_t frequency = 0;
  std::int32_t volume = kVolumeFull;
  std::int32_t pan = 0;
  std::uint64_t position = 0;  // 32.32 fixed point, in samples
  // Bumped whenever the owner starts, stops, creates or frees the voice, so a
  // mix computed from an older snapshot does not overwrite that change.
  std::uint32_t epoch = 0;
  UINT tag = 0;
  bool alive = false;
  bool playing = false;
  bool loop = false;
};

// Linear gain for an attenuation in hundredths of a decibel (0 = unity,
// -10000 or below = silence).
float AttenuationGain(LONG hundredthsDb);

struct StereoGain {
  float left = 1.0f;
  float right = 1.0f;
};
// Volume applied to both channels, pan attenuating the far channel by |pan|.
StereoGain VoiceGain(LONG volume, LONG pan);

// The output stage: a sum up to the knee passes unchanged; louder sums (many
// sounds at once) bend smoothly towards full scale instead of being cut off,
// so coinciding hits never clip. The generated sounds peak below the knee.
inline constexpr float kLimiterKnee = 24576.0f;  // -2.5 dB of full scale
float SoftLimit(float sample);

// Mixes every playing voice into `out` (interleaved left/right, overwritten),
// resampling each by frequency / outputRate with linear interpolation and
// passing the sum through SoftLimit. Advances the voices; a voice that does not loop stops
// and rewinds at its end, a looping one wraps. Allocates nothing.
void MixVoices(std::span<MixerVoice> voices, std::span<std::int16_t> out, int outputRate);

// Advances every playing voice by `ms` milliseconds of playback without
// producing output (the headless device's notion of time).
void AdvanceVoices(std::span<MixerVoice> voices, DWORD ms);

class VoiceBank {
 public:
  static constexpr std::size_t kMaxVoices = 64;
  // Longer recordings are refused; this keeps the fixed-point position far
  // from overflow (about 50 minutes at 22050 Hz).
  static constexpr std::uint32_t kMaxSamples = 1u << 26;

  VoiceId Create(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag);
  bool Destroy(VoiceId voice);

  enum class PlayResult { Unknown, Started, AlreadyPlaying };
  PlayResult Play(VoiceId voice, bool loop);
  bool Stop(VoiceId voice);
  bool IsPlaying(VoiceId voice) const;

  bool SetFrequency(VoiceId voice, DWORD hz);
  bool SetVolume(VoiceId voice, LONG hundredthsDb);
  bool SetPan(VoiceId voice, LONG pan);
  std::optional<VoiceControls> Controls(VoiceId voice) const;
  std::optional<PlayRecord> Record(VoiceId voice) const;

  // Every slot, for mixing in place or for taking a snapshot.
  std::span<MixerVoice> Voices() { return m_voices; }
  std::span<const MixerVoice, kMaxVoices> Voices() const { return m_voices; }
  // Takes back position and playing state from a snapshot that was mixed
  // elsewhere, for each voice its owner has not started, stopped or replaced
  // since the snapshot was taken.
  void MergeMixed(std::span<const MixerVoice, kMaxVoices> mixed);

 private:
  MixerVoice* Find(VoiceId voice);
  const MixerVoice* Find(VoiceId voice) const;

  std::array<MixerVoice, kMaxVoices> m_voices{};
  std::array<std::vector<std::int16_t>, kMaxVoices> m_samples;
  std::array<std::uint32_t, kMaxVoices> m_generation{};
};
