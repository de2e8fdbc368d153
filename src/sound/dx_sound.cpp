// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dx_sound.h"

#include <utility>

CDXSound::CDXSound(const UINT* pWaveIds, int nWaves, AudioDevice* pDevice, WaveLookup lookup) : m_pDevice(pDevice) {
  Open(pWaveIds, nWaves, std::move(lookup));
}

CDXSound::~CDXSound() {
  // Each buffer frees its voice, which also silences it.
  m_buffers.clear();
}

void CDXSound::Open(const UINT* pWaveIds, int nWaves, WaveLookup lookup) {
  if (m_pDevice == nullptr || !PlatformSupportsSound()) return;
  m_bAvailable = TRUE;
  if (pWaveIds == nullptr || nWaves <= 0) return;
  // The caller's table may be temporary.
  m_waveIds.assign(pWaveIds, pWaveIds + nWaves);
  m_buffers.reserve(m_waveIds.size());
  for (UINT id : m_waveIds) m_buffers.push_back(std::make_unique<CDXSoundBuffer>(m_pDevice, id, lookup));
}

int CDXSound::Lookup(UINT nWaveId) {
  for (std::size_t i = 0; i < m_waveIds.size(); ++i) {
    if (m_waveIds[i] == nWaveId) return static_cast<int>(i);
  }
  // An id outside the table plays nothing (rather than whatever was looked up last).
  return -1;
}

CDXSoundBuffer* CDXSound::GetBuffer(UINT nWaveId) {
  const int index = Lookup(nWaveId);
  return index < 0 ? nullptr : m_buffers[static_cast<std::size_t>(index)].get();
}

void CDXSound::Play(UINT nWaveId, DWORD dwFlags) {
  if (!m_bAvailable || !m_bEnabled) return;
  if (CDXSoundBuffer* buffer = GetBuffer(nWaveId)) buffer->Play(dwFlags);
}

void CDXSound::Stop(UINT nWaveId) {
  if (CDXSoundBuffer* buffer = GetBuffer(nWaveId)) buffer->Stop();
}

void CDXSound::PlayAdjusted(UINT nWaveId, int nControl, long lValue, DWORD dwFlags) {
  if (!m_bAvailable || !m_bEnabled) return;
  HRESULT hr = DSERR_INVALIDPARAM;
  switch (nControl) {
    case kSoundControlFrequency:
      // A negative or oversized rate is refused, not wrapped into range.
      if (lValue >= 0 && lValue <= static_cast<long>(kMaxVoiceFrequency)) hr = SetFrequency(nWaveId, static_cast<DWORD>(lValue));
      break;
    case kSoundControlVolume:
      hr = SetVolume(nWaveId, lValue);
      break;
    case kSoundControlPan:
      hr = SetPan(nWaveId, lValue);
      break;
    default:
      return;
  }
  if (SUCCEEDED(hr)) Play(nWaveId, dwFlags);
}

HRESULT CDXSound::SetFrequency(UINT nWaveId, DWORD dwHz) {
  if (!m_bAvailable) return DSERR_NODRIVER;
  CDXSoundBuffer* buffer = GetBuffer(nWaveId);
  return buffer != nullptr ? buffer->SetFrequency(dwHz) : DSERR_INVALIDPARAM;
}

HRESULT CDXSound::SetVolume(UINT nWaveId, long lVolume) {
  if (!m_bAvailable) return DSERR_NODRIVER;
  if (lVolume < kVolumeSilent || lVolume > kVolumeFull) return DSERR_INVALIDPARAM;
  CDXSoundBuffer* buffer = GetBuffer(nWaveId);
  return buffer != nullptr ? buffer->SetVolume(static_cast<LONG>(lVolume)) : DSERR_INVALIDPARAM;
}

HRESULT CDXSound::SetPan(UINT nWaveId, long lPan) {
  if (!m_bAvailable) return DSERR_NODRIVER;
  if (lPan < kPanLeft || lPan > kPanRight) return DSERR_INVALIDPARAM;
  CDXSoundBuffer* buffer = GetBuffer(nWaveId);
  return buffer != nullptr ? buffer->SetPan(static_cast<LONG>(lPan)) : DSERR_INVALIDPARAM;
}

void CDXSound::EnableSound(BOOL bOn) {
  if (!m_bAvailable) return;
  m_bEnabled = bOn ? TRUE : FALSE;
  if (!m_bEnabled) {
    for (auto& buffer : m_buffers) buffer->Stop();
  }
}
