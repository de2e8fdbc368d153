// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wave_adpcm.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace {

constexpr std::array<int, 89> kSteps = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr std::array<int, 8> kIndexMoves = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kRiffHeaderBytes = 44;

// The decoder's state; the encoder runs the same one so both stay in step.
struct Channel {
  int predictor = 0;
  int index = 0;

  int Apply(int nibble) {
    const int step = kSteps[static_cast<std::size_t>(index)];
    int diff = step >> 3;
    if (nibble & 4) diff += step;
    if (nibble & 2) diff += step >> 1;
    if (nibble & 1) diff += step >> 2;
    predictor = std::clamp(predictor + ((nibble & 8) ? -diff : diff), -32768, 32767);
    index = std::clamp(index + kIndexMoves[static_cast<std::size_t>(nibble & 7)], 0, 88);
    return predictor;
  }

  int Choose(int sample) const {
    const int step = kSteps[static_cast<std::size_t>(index)];
    int delta = sample - predictor;
    int nibble = delta < 0 ? 8 : 0;
    delta = delta < 0 ? -delta : delta;
    if (delta >= step) { nibble |= 4; delta -= step; }
    if (delta >= step >> 1) { nibble |= 2; delta -= step >> 1; }
    if (delta >= step >> 2) nibble |= 1;
    return nibble;
  }
};

std::uint32_t Le32(std::span<const BYTE> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
int Le16s(std::span<const BYTE> b, std::size_t at) { return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8)); }
void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
}
void Put16(std::vector<BYTE>& out, int v) {
  out.push_back(static_cast<BYTE>(v & 0xFF));
  out.push_back(static_cast<BYTE>((v >> 8) & 0xFF));
}

struct Pcm {
  std::uint32_t rate = 0;
  std::span<const BYTE> data;
};

// A 16-bit mono PCM RIFF wave's rate and samples, walking its chunks.
std::optional<Pcm> ReadPcm(std::span<const BYTE> w) {
  if (w.size() < 12 || std::memcmp(w.data(), "RIFF", 4) != 0 || std::memcmp(w.data() + 8, "WAVE", 4) != 0)
    return std::nullopt;
  Pcm pcm;
  bool format = false;
  for (std::size_t at = 12; at + 8 <= w.size();) {
    const std::size_t size = Le32(w, at + 4);
    if (size > w.size() - at - 8) return std::nullopt;
    const auto body = w.subspan(at + 8, size);
    if (std::memcmp(w.data() + at, "fmt ", 4) == 0 && size >= 16) {
      if (Le16s(body, 0) != 1 || Le16s(body, 2) != 1 || Le16s(body, 14) != 16) return std::nullopt;
      pcm.rate = Le32(body, 4);
      format = true;
    } else if (std::memcmp(w.data() + at, "data", 4) == 0) {
      pcm.data = body;
    }
    at += 8 + size + (size & 1);
  }
  if (!format) return std::nullopt;
  return pcm;
}

}  // namespace

std::vector<BYTE> EncodeAdpcmWave(std::span<const BYTE> riffWave) {
  const std::optional<Pcm> pcm = ReadPcm(riffWave);
  if (!pcm) return {};
  const std::size_t count = pcm->data.size() / 2;
  std::vector<BYTE> out(kAdpcmMagic, kAdpcmMagic + 4);
  Put32(out, pcm->rate);
  Put32(out, static_cast<std::uint32_t>(count));
  Channel ch;
  for (std::size_t start = 0; start < count; start += kAdpcmBlockSamples) {
    const std::size_t end = std::min(count, start + kAdpcmBlockSamples);
    ch.predictor = Le16s(pcm->data, start * 2);
    Put16(out, ch.predictor);
    out.push_back(static_cast<BYTE>(ch.index));
    int pending = -1;
    for (std::size_t i = start + 1; i < end; ++i) {
      const int nibble = ch.Choose(Le16s(pcm->data, i * 2));
      ch.Apply(nibble);
      if (pending < 0) {
        pending = nibble;
      } else {
        out.push_back(static_cast<BYTE>(pending | (nibble << 4)));
        pending = -1;
      }
    }
    if (pending >= 0) out.push_back(static_cast<BYTE>(pending));
  }
  return out;
}

std::vector<BYTE> DecodeAdpcmWave(std::span<const BYTE> adpcm) {
  if (adpcm.size() < kHeaderBytes || std::memcmp(adpcm.data(), kAdpcmMagic, 4) != 0) return {};
  const std::uint32_t rate = Le32(adpcm, 4);
  const std::size_t count = Le32(adpcm, 8);
  // Every block of up to 1024 samples takes at least 3 bytes: a count the
  // bytes cannot hold is a broken resource, not a reason to allocate.
  if (count > (adpcm.size() - kHeaderBytes) * 2 + 2) return {};
  std::vector<BYTE> out;
  out.reserve(kRiffHeaderBytes + count * 2);
  const auto riff = [&](const char* tag) { out.insert(out.end(), tag, tag + 4); };
  riff("RIFF");
  Put32(out, static_cast<std::uint32_t>(36 + count * 2));
  riff("WAVE");
  riff("fmt ");
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, rate);
  Put32(out, rate * 2);
  Put16(out, 2);
  Put16(out, 16);
  riff("data");
  Put32(out, static_cast<std::uint32_t>(count * 2));
  std::size_t at = kHeaderBytes;
  Channel ch;
  for (std::size_t start = 0; start < count; start += kAdpcmBlockSamples) {
    const std::size_t end = std::min(count, start + kAdpcmBlockSamples);
    const std::size_t bytes = 3 + (end - start) / 2;
    if (adpcm.size() - at < bytes) return {};
    ch.predictor = Le16s(adpcm, at);
    ch.index = std::min<int>(adpcm[at + 2], 88);
    Put16(out, ch.predictor);
    for (std::size_t i = start + 1; i < end; ++i) {
      const std::size_t k = i - start - 1;
      const int nibble = (adpcm[at + 3 + k / 2] >> ((k & 1) * 4)) & 15;
      Put16(out, ch.Apply(nibble));
    }
    at += bytes;
  }
  return out;
}
