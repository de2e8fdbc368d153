// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recording of a sound set with the audio-device voice that plays it.
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
  // Stores the values, then Create().
  CDXSoundBuffer(AudioDevice* pDevice, UINT nWaveId, WaveLookup lookup, DWORD dwCreateFlags = kSoundBufferFlags);
  ~CDXSoundBuffer() override;

  // Loads the wave and copies its samples into a new voice. FALSE (and no
  // voice, so the buffer plays nothing) when the wave is missing or malformed
  // or the device refuses it.
  BOOL Create();
  // Starts playback unless the sound is playing already, in which case it
  // keeps playing from where it is.
  HRESULT Play(DWORD dwPlayFlags);
  // Voices are never lost here; restoring builds the voice afresh.
  BOOL Restore();
  // Stops playback; the next play starts from the beginning.
  HRESULT Stop();
  BOOL IsPlaying() const;

  HRESULT SetFrequency(DWORD dwHz);
  HRESULT SetVolume(LONG lVolume);
  HRESULT SetPan(LONG lPan);

  UINT GetWaveId() const { return m_nWaveId; }
  VoiceId GetVoice() const { return m_voice; }
  DWORD GetCreateFlags() const { return m_dwCreateFlags; }

 private:
  void ReleaseVoice();

  AudioDevice* m_pDevice = nullptr;  // not owned
  VoiceId m_voice = kNoVoice;
  UINT m_nWaveId = 0;
  DWORD m_dwCreateFlags = kSoundBufferFlags;
  WaveLookup m_lookup;
};
