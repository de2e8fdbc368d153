// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/web_audio.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/audio_mixer.h"

extern "C" int quintaro_page_audio_open();

namespace {

class WebAudioDevice;

// The most the page asks for at once (it asks for 2048).
constexpr int kMaxFrames = 16384;

// The page pulls samples through a C function, so it has to find the one
// device; the device clears this when it goes.
WebAudioDevice* g_device = nullptr;

// The page runs the mixer only while the program waits (a web page has one
// thread), so the voices need no lock.
class WebAudioDevice final : public AudioDevice {
 public:
  explicit WebAudioDevice(int rate) : m_rate(rate), m_block(2 * static_cast<std::size_t>(kMaxFrames)) { g_device = this; }
  ~WebAudioDevice() override { g_device = nullptr; }
  WebAudioDevice(const WebAudioDevice&) = delete;
  WebAudioDevice& operator=(const WebAudioDevice&) = delete;

  int OutputRate() const override { return m_rate; }
  VoiceId CreateVoice(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag) override {
    return m_bank.Create(samples, sampleRate, tag);
  }
  void DestroyVoice(VoiceId voice) override { m_bank.Destroy(voice); }
  bool Play(VoiceId voice, bool loop) override {
    const VoiceBank::PlayResult result = m_bank.Play(voice, loop);
    if (result == VoiceBank::PlayResult::Unknown) return false;
    if (result == VoiceBank::PlayResult::Started) {
      if (const auto record = m_bank.Record(voice)) NotifyPlay(*record);
    }
    return true;
  }
  void Stop(VoiceId voice) override { m_bank.Stop(voice); }
  bool IsPlaying(VoiceId voice) override { return m_bank.IsPlaying(voice); }
  bool SetFrequency(VoiceId voice, DWORD hz) override { return m_bank.SetFrequency(voice, hz); }
  bool SetVolume(VoiceId voice, LONG hundredthsDb) override { return m_bank.SetVolume(voice, hundredthsDb); }
  bool SetPan(VoiceId voice, LONG pan) override { return m_bank.SetPan(voice, pan); }
  std::optional<VoiceControls> Controls(VoiceId voice) override { return m_bank.Controls(voice); }

  // Interleaved stereo, `frames` long; stays valid until the next call.
  const std::int16_t* Render(int frames) {
    const std::size_t n = static_cast<std::size_t>(std::clamp(frames, 0, kMaxFrames));
    MixVoices(m_bank.Voices(), std::span(m_block.data(), 2 * n), m_rate);
    return m_block.data();
  }

 private:
  int m_rate;
  VoiceBank m_bank;
  std::vector<std::int16_t> m_block;
};

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const std::int16_t* quintaro_web_audio_render(int frames) {
  static std::array<std::int16_t, 2 * kMaxFrames> silence{};
  if (g_device == nullptr) return silence.data();
  return g_device->Render(frames);
}

std::unique_ptr<AudioDevice> MakeWebAudioDevice() {
  const int rate = quintaro_page_audio_open();
  if (rate <= 0) return nullptr;
  return std::make_unique<WebAudioDevice>(rate);
}
