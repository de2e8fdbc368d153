// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game's sound set: one buffer per wave id of the game's table, played by
// id. Different ids sound at once, and so do a few plays of one id (each
// collision of a break is heard); past that the oldest play gives way. An
// on/off switch silences everything. Without an audio device the set is
// unavailable and every call quietly does nothing.
#include <memory>
#include <vector>

#include "platform/audio_device.h"
#include "sound/dx_sound_buffer.h"
#include "sound/ds_result.h"
#include "sound/wave.h"
#include "sound/wave_family.h"

class Host;
class ResourceTable;

// The control PlayAdjusted sets before playing.
inline constexpr int kSoundControlFrequency = 0;
inline constexpr int kSoundControlVolume = 1;
inline constexpr int kSoundControlPan = 2;

class CDXSound {
 public:
  // The way games make their set: the program's audio device and the game's
  // own wave resources. The table is copied.
  CDXSound(const UINT* pWaveIds, int nWaves, Host& host, SoundFamily family = SoundFamily::Plain);
  CDXSound(const UINT* pWaveIds, int nWaves, AudioDevice* pDevice, const ResourceTable& resources,
           SoundFamily family = SoundFamily::Plain);
  // Waves from anywhere (tests). A null device makes the set unavailable.
  CDXSound(const UINT* pWaveIds, int nWaves, AudioDevice* pDevice, WaveLookup lookup);
  ~CDXSound();
  CDXSound(const CDXSound&) = delete;
  CDXSound& operator=(const CDXSound&) = delete;

  // dwFlags 0 plays once, DSBPLAY_LOOPING loops. Nothing when unavailable or off.
  void Play(UINT nWaveId, DWORD dwFlags = 0);
  // Sets one control (kSoundControlFrequency, ...Volume, ...Pan) of the sound
  // and, when that succeeded, plays it. The control keeps its new value.
  void PlayAdjusted(UINT nWaveId, int nControl, long lValue, DWORD dwFlags = 0);
  // Stops every play of the sound; on or off alike.
  void Stop(UINT nWaveId);
  // These work whether sound is on or off; the value is kept for later plays.
  HRESULT SetFrequency(UINT nWaveId, DWORD dwHz);
  HRESULT SetVolume(UINT nWaveId, long lVolume);
  HRESULT SetPan(UINT nWaveId, long lPan);
  // Off stops every sound at once (looping ones too); on restarts nothing.
  void EnableSound(BOOL bOn);

  BOOL IsAvailable() const { return m_bAvailable; }
  BOOL IsEnabled() const { return m_bEnabled; }
  // The buffer for an id of the table, or null.
  CDXSoundBuffer* GetBuffer(UINT nWaveId);

 private:
  // Every build answers that its platform can play sound.
  static bool PlatformSupportsSound() { return true; }
  void Open(const UINT* pWaveIds, int nWaves, WaveLookup lookup);
  // Index of the id in the table; -1 when absent.
  int Lookup(UINT nWaveId);

  AudioDevice* m_pDevice = nullptr;  // the program's device, not owned
  std::vector<UINT> m_waveIds;
  std::vector<std::unique_ptr<CDXSoundBuffer>> m_buffers;
  BOOL m_bEnabled = TRUE;
  BOOL m_bAvailable = FALSE;
};
