// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dx_sound_buffer.h"

#include <utility>

#include "sound/pcm_decode.h"

CDXSoundBuffer::CDXSoundBuffer(AudioDevice* pDevice, UINT nWaveId, WaveLookup lookup, DWORD dwCreateFlags)
    : m_pDevice(pDevice), m_nWaveId(nWaveId), m_dwCreateFlags(dwCreateFlags), m_lookup(std::move(lookup)) {
  Create();
}

CDXSoundBuffer::~CDXSoundBuffer() { ReleaseVoice(); }

void CDXSoundBuffer::ReleaseVoice() {
  if (m_pDevice != nullptr && m_voice != kNoVoice) m_pDevice->DestroyVoice(m_voice);
  m_voice = kNoVoice;
}

BOOL CDXSoundBuffer::Create() {
  ReleaseVoice();
  if (m_pDevice == nullptr || !Load(m_nWaveId, m_lookup)) return FALSE;
  WAVEFORMATEX format;
  if (!GetFormat(&format)) return FALSE;
  std::vector<std::int16_t> samples;
  if (!DecodePcm(format, ReadData(), &samples)) return FALSE;
  m_voice = m_pDevice->CreateVoice(samples, format.nSamplesPerSec, m_nWaveId);
  return m_voice != kNoVoice ? TRUE : FALSE;
}

HRESULT CDXSoundBuffer::Play(DWORD dwPlayFlags) {
  if (m_voice == kNoVoice) return DSERR_INVALIDCALL;
  return m_pDevice->Play(m_voice, (dwPlayFlags & DSBPLAY_LOOPING) != 0) ? DS_OK : DSERR_INVALIDCALL;
}

BOOL CDXSoundBuffer::Restore() { return Create(); }

HRESULT CDXSoundBuffer::Stop() {
  if (m_voice == kNoVoice) return DSERR_INVALIDCALL;
  m_pDevice->Stop(m_voice);
  return DS_OK;
}

BOOL CDXSoundBuffer::IsPlaying() const {
  return m_voice != kNoVoice && m_pDevice->IsPlaying(m_voice) ? TRUE : FALSE;
}

HRESULT CDXSoundBuffer::SetFrequency(DWORD dwHz) {
  if (m_voice == kNoVoice) return DSERR_INVALIDCALL;
  return m_pDevice->SetFrequency(m_voice, dwHz) ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT CDXSoundBuffer::SetVolume(LONG lVolume) {
  if (m_voice == kNoVoice) return DSERR_INVALIDCALL;
  return m_pDevice->SetVolume(m_voice, lVolume) ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT CDXSoundBuffer::SetPan(LONG lPan) {
  if (m_voice == kNoVoice) return DSERR_INVALIDCALL;
  return m_pDevice->SetPan(m_voice, lPan) ? DS_OK : DSERR_INVALIDPARAM;
}
