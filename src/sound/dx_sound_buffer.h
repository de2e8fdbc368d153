// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recording of a sound set with the audio-device voices that play it: a
// few instances, so a sound asked for again while it still sounds is heard
// again (every collision of a break); past that the oldest play gives way.
#include <cstdint>
#include <vector>

#include "platform/audio_device.h"
#include "sound/ds_result.h"
#include "sound/wave.h"

// Buffer description flags; a sound set's buffers always have all four.
inline constexpr DWORD DSBCAPS_STATIC = 0x02;
inline constexpr DWORD DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr DWORD DSBCAPS_CTRLPAN = 0x40;
inline constexpr DWORD DSBCAPS_CTRLVOLUME = 0x80;
inline constexpr DWORD kSoundBufferFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;

// Play flags: 0 plays once, DSBPLAY_LOOPING repeats until stopped.
inline constexpr DWORD DSBPLAY_LOOPING = 0x01;

class CDXSoundBuffer : public CWave {
 public:
  // How many plays of one recording may sound at once.
  static constexpr std::size_t kInstances = 4;

  // Stores the values, then Create().
  CDXSoundBuffer(AudioDevice* pDevice, UINT nWaveId, WaveLookup lookup, DWORD dwCreateFlags = kSoundBufferFlags);
  ~CDXSoundBuffer() override;

  // Loads the wave and copies its samples into new voices. FALSE (and no
  // voice, so the buffer plays nothing) when the wave is missing or malformed
  // or the device refuses it; a device short of voices gives fewer instances.
  BOOL Create();
  // A single play starts on an idle instance, or restarts the one that
  // started longest ago. A looping play keeps a loop already sounding going
  // from where it is.
  HRESULT Play(DWORD dwPlayFlags);
  // Voices are never lost here; restoring builds the voice afresh.
  BOOL Restore();
  // Stops every instance; the next play starts from the beginning.
  HRESULT Stop();
  // Whether any instance sounds.
  BOOL IsPlaying() const;

  HRESULT SetFrequency(DWORD dwHz);
  HRESULT SetVolume(LONG lVolume);
  HRESULT SetPan(LONG lPan);

  UINT GetWaveId() const { return m_nWaveId; }
  // The first instance's voice (kNoVoice without one).
  VoiceId GetVoice() const { return m_voices.empty() ? kNoVoice : m_voices.front(); }
  std::size_t GetInstanceCount() const { return m_voices.size(); }
  DWORD GetCreateFlags() const { return m_dwCreateFlags; }

 private:
  void ReleaseVoice();
  // Which instance a single play takes.
  std::size_t PickInstance();

  AudioDevice* m_pDevice = nullptr;  // not owned
  std::vector<VoiceId> m_voices;
  std::vector<std::uint64_t> m_startOrder;  // per instance: when it last started
  std::uint64_t m_nStarts = 0;
  UINT m_nWaveId = 0;
  DWORD m_dwCreateFlags = kSoundBufferFlags;
  WaveLookup m_lookup;
};
