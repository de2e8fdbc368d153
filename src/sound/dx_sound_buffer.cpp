// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dx_sound_buffer.h"

#include <algorithm>
#include <utility>

#include "sound/pcm_decode.h"

CDXSoundBuffer::CDXSoundBuffer(AudioDevice* pDevice, UINT nWaveId, WaveLookup lookup, DWORD dwCreateFlags)
    : m_pDevice(pDevice), m_nWaveId(nWaveId), m_dwCreateFlags(dwCreateFlags), m_lookup(std::move(lookup)) {
  Create();
}

CDXSoundBuffer::~CDXSoundBuffer() { ReleaseVoice(); }

void CDXSoundBuffer::ReleaseVoice() {
  if (m_pDevice != nullptr) {
    for (VoiceId voice : m_voices) m_pDevice->DestroyVoice(voice);
  }
  m_voices.clear();
  m_startOrder.clear();
}

BOOL CDXSoundBuffer::Create() {
  ReleaseVoice();
  if (m_pDevice == nullptr || !Load(m_nWaveId, m_lookup)) return FALSE;
  WAVEFORMATEX format;
  if (!GetFormat(&format)) return FALSE;
  std::vector<std::int16_t> samples;
  if (!DecodePcm(format, ReadData(), &samples)) return FALSE;
  for (std::size_t i = 0; i < kInstances; ++i) {
    const VoiceId voice = m_pDevice->CreateVoice(samples, format.nSamplesPerSec, m_nWaveId);
    if (voice == kNoVoice) break;
    m_voices.push_back(voice);
  }
  m_startOrder.assign(m_voices.size(), 0);
  return m_voices.empty() ? FALSE : TRUE;
}

std::size_t CDXSoundBuffer::PickInstance() {
  for (std::size_t i = 0; i < m_voices.size(); ++i) {
    if (!m_pDevice->IsPlaying(m_voices[i])) return i;
  }
  const auto oldest = std::min_element(m_startOrder.begin(), m_startOrder.end());
  const auto i = static_cast<std::size_t>(oldest - m_startOrder.begin());
  m_pDevice->Stop(m_voices[i]);
  return i;
}

HRESULT CDXSoundBuffer::Play(DWORD dwPlayFlags) {
  if (m_voices.empty()) return DSERR_INVALIDCALL;
  const bool loop = (dwPlayFlags & DSBPLAY_LOOPING) != 0;
  // One loop at a time: asking again keeps it going.
  const std::size_t i = loop ? 0 : PickInstance();
  if (!m_pDevice->Play(m_voices[i], loop)) return DSERR_INVALIDCALL;
  m_startOrder[i] = ++m_nStarts;
  return DS_OK;
}

BOOL CDXSoundBuffer::Restore() { return Create(); }

HRESULT CDXSoundBuffer::Stop() {
  if (m_voices.empty()) return DSERR_INVALIDCALL;
  for (VoiceId voice : m_voices) m_pDevice->Stop(voice);
  return DS_OK;
}

BOOL CDXSoundBuffer::IsPlaying() const {
  return std::any_of(m_voices.begin(), m_voices.end(), [this](VoiceId v) { return m_pDevice->IsPlaying(v); }) ? TRUE
                                                                                                              : FALSE;
}

// Controls belong to the recording: every instance takes them.
HRESULT CDXSoundBuffer::SetFrequency(DWORD dwHz) {
  if (m_voices.empty()) return DSERR_INVALIDCALL;
  for (VoiceId voice : m_voices) {
    if (!m_pDevice->SetFrequency(voice, dwHz)) return DSERR_INVALIDPARAM;
  }
  return DS_OK;
}

HRESULT CDXSoundBuffer::SetVolume(LONG lVolume) {
  if (m_voices.empty()) return DSERR_INVALIDCALL;
  for (VoiceId voice : m_voices) {
    if (!m_pDevice->SetVolume(voice, lVolume)) return DSERR_INVALIDPARAM;
  }
  return DS_OK;
}

HRESULT CDXSoundBuffer::SetPan(LONG lPan) {
  if (m_voices.empty()) return DSERR_INVALIDCALL;
  for (VoiceId voice : m_voices) {
    if (!m_pDevice->SetPan(voice, lPan)) return DSERR_INVALIDPARAM;
  }
  return DS_OK;
}
