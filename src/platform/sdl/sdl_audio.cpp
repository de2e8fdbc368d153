// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <string_view>

#include "platform/audio_mixer.h"

namespace {

constexpr int kWantedRate = 44100;
constexpr Uint16 kWantedFrames = 1024;
constexpr std::size_t kRenderFrames = 512;

// The voices live in a bank that the user-interface thread changes under a
// mutex. The audio callback holds that mutex only to copy the bank into its
// own snapshot and, after mixing outside the lock, to hand positions back.
// Sample memory is freed only while SDL's device lock is held, so a snapshot
// never points at freed samples while it is being mixed.
class SdlAudioDevice final : public AudioDevice {
 public:
  SdlAudioDevice() = default;
  ~SdlAudioDevice() override {
    if (m_device != 0) SDL_CloseAudioDevice(m_device);
    if (m_subsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  SdlAudioDevice(const SdlAudioDevice&) = delete;
  SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

  bool Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    m_subsystemStarted = true;
    const char* driver = SDL_GetCurrentAudioDriver();
    if (driver == nullptr || std::string_view(driver) == "dummy") return false;
    SDL_AudioSpec want{};
    want.freq = kWantedRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kWantedFrames;
    want.callback = &SdlAudioDevice::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) return false;
    m_rate = have.freq;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
  }

  int OutputRate() const override { return m_rate; }

  VoiceId CreateVoice(std::span<const std::int16_t> samples, DWORD sampleRate, UINT tag) override {
    std::lock_guard lock(m_mutex);
    return m_bank.Create(samples, sampleRate, tag);
  }

  void DestroyVoice(VoiceId voice) override {
    SDL_LockAudioDevice(m_device);
    {
      std::lock_guard lock(m_mutex);
      m_bank.Destroy(voice);
    }
    SDL_UnlockAudioDevice(m_device);
  }

  bool Play(VoiceId voice, bool loop) override {
    std::optional<PlayRecord> started;
    {
      std::lock_guard lock(m_mutex);
      const VoiceBank::PlayResult result = m_bank.Play(voice, loop);
      if (result == VoiceBank::PlayResult::Unknown) return false;
      if (result == VoiceBank::PlayResult::Started) started = m_bank.Record(voice);
    }
    if (started) NotifyPlay(*started);
    return true;
  }

  void Stop(VoiceId voice) override {
    std::lock_guard lock(m_mutex);
    m_bank.Stop(voice);
  }

  bool IsPlaying(VoiceId voice) override {
    std::lock_guard lock(m_mutex);
    return m_bank.IsPlaying(voice);
  }

  bool SetFrequency(VoiceId voice, DWORD hz) override {
    std::lock_guard lock(m_mutex);
    return m_bank.SetFrequency(voice, hz);
  }

  bool SetVolume(VoiceId voice, LONG hundredthsDb) override {
    std::lock_guard lock(m_mutex);
    return m_bank.SetVolume(voice, hundredthsDb);
  }

  bool SetPan(VoiceId voice, LONG pan) override {
    std::lock_guard lock(m_mutex);
    return m_bank.SetPan(voice, pan);
  }

  std::optional<VoiceControls> Controls(VoiceId voice) override {
    std::lock_guard lock(m_mutex);
    return m_bank.Controls(voice);
  }

 private:
  static void SDLCALL Callback(void* userdata, Uint8* stream, int len) {
    static_cast<SdlAudioDevice*>(userdata)->Render(stream, len);
  }

  // Runs on the audio thread: no allocation, no I/O, the mutex only for copies.
  void Render(Uint8* stream, int len) {
    {
      std::lock_guard lock(m_mutex);
      std::copy(m_bank.Voices().begin(), m_bank.Voices().end(), m_snapshot.begin());
    }
    const std::size_t frames = static_cast<std::size_t>(std::max(len, 0)) / (2 * sizeof(std::int16_t));
    for (std::size_t done = 0; done < frames;) {
      const std::size_t n = std::min(kRenderFrames, frames - done);
      MixVoices(m_snapshot, std::span(m_block.data(), 2 * n), m_rate);
      std::memcpy(stream + done * 2 * sizeof(std::int16_t), m_block.data(), n * 2 * sizeof(std::int16_t));
      done += n;
    }
    // Any odd trailing bytes stay silent.
    const std::size_t used = frames * 2 * sizeof(std::int16_t);
    if (static_cast<std::size_t>(len) > used) std::memset(stream + used, 0, static_cast<std::size_t>(len) - used);
    {
      std::lock_guard lock(m_mutex);
      m_bank.MergeMixed(m_snapshot);
    }
  }

  SDL_AudioDeviceID m_device = 0;
  bool m_subsystemStarted = false;
  int m_rate = kWantedRate;
  std::mutex m_mutex;
  VoiceBank m_bank;
  std::array<MixerVoice, VoiceBank::kMaxVoices> m_snapshot{};
  std::array<std::int16_t, kRenderFrames * 2> m_block{};
};

}  // namespace

std::unique_ptr<AudioDevice> MakeSdlAudioDevice() {
  auto device = std::make_unique<SdlAudioDevice>();
  if (!device->Open()) return nullptr;
  return device;
}
