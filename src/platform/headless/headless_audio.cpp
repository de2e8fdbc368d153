// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headless_audio.h"

HeadlessAudioDevice::HeadlessAudioDevice(std::function<DWORD()> clock) : m_clock(std::move(clock)) {
  if (m_clock) m_lastTick = m_clock();
}

void HeadlessAudioDevice::CatchUp() {
  if (!m_clock) return;
  const DWORD now = m_clock();
  // Unsigned difference, so a tick count that wraps still moves forward.
  AdvanceVoices(m_bank.Voices(), now - m_lastTick);
  m_lastTick = now;
}

VoiceId HeadlessAudioDevice::CreateVoice(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag) {
  CatchUp();
  return m_bank.Create(samples, sampleRate, tag);
}

void HeadlessAudioDevice::DestroyVoice(VoiceId voice) { m_bank.Destroy(voice); }

bool HeadlessAudioDevice::Play(VoiceId voice, bool loop) {
  CatchUp();
  const VoiceBank::PlayResult result = m_bank.Play(voice, loop);
  if (result == VoiceBank::PlayResult::Unknown) return false;
  if (result == VoiceBank::PlayResult::Started) {
    if (auto record = m_bank.Record(voice)) NotifyPlay(*record);
    // With no clock to measure it by, a single shot is over at once.
    if (!m_clock && !loop) m_bank.Stop(voice);
  }
  return true;
}

void HeadlessAudioDevice::Stop(VoiceId voice) {
  CatchUp();
  m_bank.Stop(voice);
}

bool HeadlessAudioDevice::IsPlaying(VoiceId voice) {
  CatchUp();
  return m_bank.IsPlaying(voice);
}

bool HeadlessAudioDevice::SetFrequency(VoiceId voice, DWORD hz) {
  // The time played so far counts at the old frequency.
  CatchUp();
  return m_bank.SetFrequency(voice, hz);
}

bool HeadlessAudioDevice::SetVolume(VoiceId voice, LONG hundredthsDb) { return m_bank.SetVolume(voice, hundredthsDb); }

bool HeadlessAudioDevice::SetPan(VoiceId voice, LONG pan) { return m_bank.SetPan(voice, pan); }

std::optional<VoiceControls> HeadlessAudioDevice::Controls(VoiceId voice) { return m_bank.Controls(voice); }

std::unique_ptr<AudioDevice> MakeHeadlessAudioDevice(std::function<DWORD()> clock) {
  return std::make_unique<HeadlessAudioDevice>(std::move(clock));
}
