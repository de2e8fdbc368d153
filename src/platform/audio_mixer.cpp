// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio_mixer.h"

#include "platform/audio_resample.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Mixing works through a small accumulator on the stack, so any block length
// can be rendered without allocating.
constexpr std::size_t kChunkFrames = 256;

// A voice id carries its slot in the low byte (plus one, so no id is 0) and
// the slot's generation above, so an id of a freed voice never reaches the
// voice that took its slot.
constexpr std::uint32_t kGenerationMask = 0xFFFFFF;

VoiceId MakeId(std::size_t slot, std::uint32_t generation) {
  return ((generation & kGenerationMask) << 8) | static_cast<VoiceId>(slot + 1);
}

bool Mixable(const MixerVoice& v) {
  return v.alive && v.playing && v.samples != nullptr && v.length > 0 && v.frequency > 0;
}

// Adding and taking away 1.5 * 2^23 rounds any float below 2^22 in size to
// the nearest integer, ties to even, exactly as lrintf does, but inline and
// without a library call per sample.
constexpr float kRoundingBias = 12582912.0f;

std::int16_t Saturate(float x) {
  if (x >= 32767.0f) return 32767;
  if (x <= -32768.0f) return -32768;
  const float rounded = (x + kRoundingBias) - kRoundingBias;
  return static_cast<std::int16_t>(rounded);
}

// Moves a voice's position on by `advance` (32.32); handles the end.
void AdvancePosition(MixerVoice& v, std::uint64_t advance) {
  const std::uint64_t end = static_cast<std::uint64_t>(v.length) << 32;
  if (v.loop) {
    v.position = (v.position % end + advance % end) % end;
  } else if (advance >= end - std::min(v.position, end)) {
    v.playing = false;
    v.position = 0;
  } else {
    v.position += advance;
  }
}

// Adds `frames` frames of one voice into the accumulator.
void MixVoice(MixerVoice& v, float* acc, std::size_t frames, int outputRate) {
  const std::uint64_t step = (static_cast<std::uint64_t>(v.frequency) << 32) / static_cast<std::uint64_t>(outputRate);
  const std::uint64_t end = static_cast<std::uint64_t>(v.length) << 32;
  const StereoGain gain = VoiceGain(v.volume, v.pan);
  if (v.position >= end) v.position = v.loop ? v.position % end : 0;
  if (gain.left == 0.0f && gain.right == 0.0f) {
    // Silent, but time still passes for it.
    AdvancePosition(v, step * frames);
    return;
  }
  const std::int16_t* s = v.samples;
  const std::uint32_t last = v.length - 1;
  // Positions before the last sample interpolate towards the next one with
  // no edge checks; only the last sample needs to know about looping.
  const std::uint64_t interiorEnd = static_cast<std::uint64_t>(last) << 32;
  std::uint64_t pos = v.position;
  std::size_t f = 0;
  while (f < frames) {
    if (pos >= end) {
      if (!v.loop) break;
      pos %= end;
    }
    if (pos < interiorEnd) {
      const std::uint64_t reach = (interiorEnd - pos + step - 1) / step;
      const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(frames - f, reach));
      pos = AddInterpolated(s, pos, step, gain.left, gain.right, acc + 2 * f, n);
      f += n;
      continue;
    }
    // On the last sample a loop continues into its first one; a single shot
    // holds its last value rather than snapping to zero.
    const float a = s[last];
    const float b = v.loop ? s[0] : a;
    const float x = a + (b - a) * PositionFraction(pos);
    acc[2 * f] += x * gain.left;
    acc[2 * f + 1] += x * gain.right;
    pos += step;
    ++f;
  }
  if (pos >= end) {
    if (!v.loop) {
      v.playing = false;
      v.position = 0;
      return;
    }
    pos %= end;
  }
  v.position = pos;
}

}  // namespace

float SoftLimit(float sample) {
  const float size = std::abs(sample);
  if (size <= kLimiterKnee) return sample;
  // u / (1 + u) leaves the knee at unit slope and only nears full scale.
  constexpr float kRoom = 32767.0f - kLimiterKnee;
  const float over = (size - kLimiterKnee) / kRoom;
  const float bent = kLimiterKnee + kRoom * over / (1.0f + over);
  return sample < 0 ? -bent : bent;
}

float AttenuationGain(LONG hundredthsDb) {
  if (hundredthsDb >= 0) return 1.0f;
  if (hundredthsDb <= kVolumeSilent) return 0.0f;
  return std::pow(10.0f, static_cast<float>(hundredthsDb) / 2000.0f);
}

StereoGain VoiceGain(LONG volume, LONG pan) {
  const float g = AttenuationGain(volume);
  StereoGain out{g, g};
  if (pan > 0) out.left *= AttenuationGain(-pan);
  if (pan < 0) out.right *= AttenuationGain(pan);
  return out;
}

void MixVoices(std::span<MixerVoice> voices, std::span<std::int16_t> out, int outputRate) {
  if (outputRate <= 0) {
    std::fill(out.begin(), out.end(), std::int16_t{0});
    return;
  }
  const std::size_t frames = out.size() / 2;
  if (out.size() % 2 != 0) out.back() = 0;
  float acc[kChunkFrames * 2];
  for (std::size_t done = 0; done < frames;) {
    const std::size_t n = std::min(kChunkFrames, frames - done);
    std::fill(acc, acc + 2 * n, 0.0f);
    for (MixerVoice& v : voices) {
      if (Mixable(v)) MixVoice(v, acc, n, outputRate);
    }
    std::int16_t* dst = out.data() + 2 * done;
    for (std::size_t i = 0; i < 2 * n; ++i) dst[i] = Saturate(SoftLimit(acc[i]));
    done += n;
  }
}

void AdvanceVoices(std::span<MixerVoice> voices, DWORD ms) {
  if (ms == 0) return;
  for (MixerVoice& v : voices) {
    if (!Mixable(v)) continue;
    // frequency * ms / 1000 samples, split so the 32.32 value cannot overflow.
    // The fraction rounds up, so many short steps never fall behind one long one.
    const std::uint64_t scaled = static_cast<std::uint64_t>(v.frequency) * ms;
    std::uint64_t whole = scaled / 1000;
    const std::uint64_t fraction = (((scaled % 1000) << 32) + 999) / 1000;
    if (!v.loop && whole >= v.length) {
      v.playing = false;
      v.position = 0;
      continue;
    }
    whole %= v.length;
    AdvancePosition(v, (whole << 32) + fraction);
  }
}

VoiceId VoiceBank::Create(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag) {
  if (samples.empty() || samples.size() > kMaxSamples) return kNoVoice;
  if (sampleRate < kMinVoiceFrequency || sampleRate > kMaxVoiceFrequency) return kNoVoice;
  for (std::size_t slot = 0; slot < kMaxVoices; ++slot) {
    if (m_voices[slot].alive) continue;
    m_samples[slot].assign(samples.begin(), samples.end());
    const std::uint32_t epoch = m_voices[slot].epoch + 1;
    MixerVoice& v = m_voices[slot];
    v = MixerVoice{};
    v.samples = m_samples[slot].data();
    v.length = static_cast<std::uint32_t>(samples.size());
    v.sourceRate = sampleRate;
    v.frequency = sampleRate;
    v.epoch = epoch;
    v.tag = tag;
    v.alive = true;
    m_generation[slot] = (m_generation[slot] + 1) & kGenerationMask;
    return MakeId(slot, m_generation[slot]);
  }
  return kNoVoice;
}

bool VoiceBank::Destroy(VoiceId voice) {
  MixerVoice* v = Find(voice);
  if (v == nullptr) return false;
  const std::uint32_t epoch = v->epoch + 1;
  const auto slot = static_cast<std::size_t>(v - m_voices.data());
  *v = MixerVoice{};
  v->epoch = epoch;
  std::vector<std::int16_t>().swap(m_samples[slot]);
  return true;
}

VoiceBank::PlayResult VoiceBank::Play(VoiceId voice, bool loop) {
  MixerVoice* v = Find(voice);
  if (v == nullptr) return PlayResult::Unknown;
  v->loop = loop;
  if (v->playing) return PlayResult::AlreadyPlaying;
  v->playing = true;
  v->position = 0;
  ++v->epoch;
  return PlayResult::Started;
}

bool VoiceBank::Stop(VoiceId voice) {
  MixerVoice* v = Find(voice);
  if (v == nullptr) return false;
  v->playing = false;
  v->position = 0;
  ++v->epoch;
  return true;
}

bool VoiceBank::IsPlaying(VoiceId voice) const {
  const MixerVoice* v = Find(voice);
  return v != nullptr && v->playing;
}

bool VoiceBank::SetFrequency(VoiceId voice, DWORD hz) {
  MixerVoice* v = Find(voice);
  if (v == nullptr) return false;
  if (hz == 0) hz = v->sourceRate;
  if (hz < kMinVoiceFrequency || hz > kMaxVoiceFrequency) return false;
  v->frequency = hz;
  return true;
}

bool VoiceBank::SetVolume(VoiceId voice, LONG hundredthsDb) {
  MixerVoice* v = Find(voice);
  if (v == nullptr || hundredthsDb < kVolumeSilent || hundredthsDb > kVolumeFull) return false;
  v->volume = hundredthsDb;
  return true;
}

bool VoiceBank::SetPan(VoiceId voice, LONG pan) {
  MixerVoice* v = Find(voice);
  if (v == nullptr || pan < kPanLeft || pan > kPanRight) return false;
  v->pan = pan;
  return true;
}

std::optional<VoiceControls> VoiceBank::Controls(VoiceId voice) const {
  const MixerVoice* v = Find(voice);
  if (v == nullptr) return std::nullopt;
  return VoiceControls{v->frequency, v->sourceRate, v->volume, v->pan};
}

std::optional<PlayRecord> VoiceBank::Record(VoiceId voice) const {
  const MixerVoice* v = Find(voice);
  if (v == nullptr) return std::nullopt;
  return PlayRecord{v->tag, voice, v->loop, VoiceControls{v->frequency, v->sourceRate, v->volume, v->pan}};
}

void VoiceBank::MergeMixed(std::span<const MixerVoice, kMaxVoices> mixed) {
  for (std::size_t i = 0; i < kMaxVoices; ++i) {
    MixerVoice& v = m_voices[i];
    if (!v.alive || v.epoch != mixed[i].epoch) continue;
    v.position = mixed[i].position;
    v.playing = mixed[i].playing;
  }
}

MixerVoice* VoiceBank::Find(VoiceId voice) {
  return const_cast<MixerVoice*>(std::as_const(*this).Find(voice));
}

const MixerVoice* VoiceBank::Find(VoiceId voice) const {
  const std::uint32_t low = voice & 0xFF;
  if (low == 0 || low > kMaxVoices) return nullptr;
  const std::size_t slot = low - 1;
  if (!m_voices[slot].alive || (voice >> 8) != m_generation[slot]) return nullptr;
  return &m_voices[slot];
}
