// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one sound output device, shared by every game's sound set.
// A voice holds one recording (16-bit mono PCM at its own sample rate) with
// its own frequency, volume and pan controls; the device mixes every playing
// voice into its output.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/types.h"

using VoiceId = std::uint32_t;
inline constexpr VoiceId kNoVoice = 0;

// The ranges the controls accept; anything outside is refused and the
// control keeps its value.
inline constexpr DWORD kMinVoiceFrequency = 100;
inline constexpr DWORD kMaxVoiceFrequency = 100000;
inline constexpr LONG kVolumeSilent = -10000;  // hundredths of a decibel
inline constexpr LONG kVolumeFull = 0;
inline constexpr LONG kPanLeft = -10000;  // the right channel is silent
inline constexpr LONG kPanRight = 10000;  // the left channel is silent

struct VoiceControls {
  DWORD frequency = 0;   // samples per second the recording is played at
  DWORD sourceRate = 0;  // the recording's own rate
  LONG volume = kVolumeFull;
  LONG pan = 0;
};

// One sound that actually started, with the controls in force for it.
struct PlayRecord {
  UINT tag = 0;  // what the creator named the voice (a wave's resource id)
  VoiceId voice = kNoVoice;
  bool loop = false;
  VoiceControls controls;
};

// "sound 402", followed by " vol=-1000", " freq=44100", " pan=2000" for each
// control that differs from its neutral value (the recording's own rate, full
// volume, centre).
std::string DescribePlay(const PlayRecord& record);

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  // Output samples per second (stereo frames).
  virtual int OutputRate() const = 0;

  // Copies the samples into a new voice, stopped, with neutral controls.
  // kNoVoice when there are no samples, the rate is out of range, the
  // recording is too long or every voice slot is taken.
  virtual VoiceId CreateVoice(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag) = 0;
  // Stops the voice and frees it; unknown ids are ignored.
  virtual void DestroyVoice(VoiceId voice) = 0;

  // Starts the voice from its beginning unless it is playing already; a
  // playing voice keeps its position and takes the new loop flag. A voice
  // that is not looping stops by itself at its end. False for an unknown voice.
  virtual bool Play(VoiceId voice, bool loop) = 0;
  // Stops the voice; the next play starts from the beginning.
  virtual void Stop(VoiceId voice) = 0;
  virtual bool IsPlaying(VoiceId voice) = 0;

  // Each returns false (and changes nothing) for an unknown voice or a value
  // out of range. Frequency 0 means the recording's own rate.
  virtual bool SetFrequency(VoiceId voice, DWORD hz) = 0;
  virtual bool SetVolume(VoiceId voice, LONG hundredthsDb) = 0;
  virtual bool SetPan(VoiceId voice, LONG pan) = 0;
  virtual std::optional<VoiceControls> Controls(VoiceId voice) = 0;

  // Called on the caller's thread each time a voice actually starts (the
  // headless driver prints these as `sound` lines).
  void SetPlayObserver(std::function<void(const PlayRecord&)> observer) { m_playObserver = std::move(observer); }

 protected:
  void NotifyPlay(const PlayRecord& record) {
    if (m_playObserver) m_playObserver(record);
  }

 private:
  std::function<void(const PlayRecord&)> m_playObserver;
};

// The headless device: nothing is heard, but voices keep time. A voice counts
// as playing from its start until its length at its frequency has passed on
// `clock` (the host's millisecond tick); a looping voice plays until stopped.
// Without a clock, a voice that does not loop finishes the moment it starts.
std::unique_ptr<AudioDevice> MakeHeadlessAudioDevice(std::function<DWORD()> clock = {});
