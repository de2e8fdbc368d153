// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/pcm_decode.h"

#include "platform/audio_device.h"

namespace {

std::int16_t SampleAt(std::span<const BYTE> data, std::size_t offset, WORD bits) {
  if (bits == 8) return static_cast<std::int16_t>((static_cast<int>(data[offset]) - 128) * 256);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8)));
}

}  // namespace

BOOL DecodePcm(const WAVEFORMATEX& format, std::span<const BYTE> data, std::vector<std::int16_t>* out) {
  if (out == nullptr) return FALSE;
  out->clear();
  const WORD bits = format.wBitsPerSample;
  const WORD channels = format.nChannels;
  if (format.wFormatTag != WAVE_FORMAT_PCM) return FALSE;
  if (bits != 8 && bits != 16) return FALSE;
  if (channels != 1 && channels != 2) return FALSE;
  if (format.nSamplesPerSec < kMinVoiceFrequency || format.nSamplesPerSec > kMaxVoiceFrequency) return FALSE;
  const std::size_t bytesPerSample = bits / 8u;
  const std::size_t frameBytes = bytesPerSample * channels;
  if (format.nBlockAlign != frameBytes) return FALSE;

  const std::size_t frames = data.size() / frameBytes;
  out->reserve(frames);
  for (std::size_t f = 0; f < frames; ++f) {
    const std::size_t at = f * frameBytes;
    int sum = SampleAt(data, at, bits);
    if (channels == 2) sum = (sum + SampleAt(data, at + bytesPerSample, bits)) / 2;
    out->push_back(static_cast<std::int16_t>(sum));
  }
  return TRUE;
}
