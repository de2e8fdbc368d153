// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Little RIFF/WAVE files built in memory, well formed or broken on purpose.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace wavetest {

struct Chunk {
  std::string id;               // four characters
  std::vector<BYTE> body;
  std::optional<std::uint32_t> claimedSize;  // a size field that lies
};

inline void Put16(std::vector<BYTE>& out, std::uint32_t v) {
  out.push_back(static_cast<BYTE>(v));
  out.push_back(static_cast<BYTE>(v >> 8));
}
inline void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
inline void PutId(std::vector<BYTE>& out, const std::string& id) { out.insert(out.end(), id.begin(), id.begin() + 4); }

// Chunks laid end to end, each padded to an even length.
inline std::vector<BYTE> Chunks(const std::vector<Chunk>& chunks) {
  std::vector<BYTE> out;
  for (const Chunk& c : chunks) {
    PutId(out, c.id);
    Put32(out, c.claimedSize.value_or(static_cast<std::uint32_t>(c.body.size())));
    out.insert(out.end(), c.body.begin(), c.body.end());
    if (c.body.size() % 2 != 0) out.push_back(0);
  }
  return out;
}

inline std::vector<BYTE> Riff(const std::string& form, const std::vector<Chunk>& chunks,
                              std::optional<std::uint32_t> claimedSize = std::nullopt) {
  std::vector<BYTE> body;
  PutId(body, form);
  const std::vector<BYTE> inner = Chunks(chunks);
  body.insert(body.end(), inner.begin(), inner.end());
  return Chunks({{"RIFF", body, claimedSize}});
}

inline std::vector<BYTE> Format(WORD tag, WORD channels, DWORD rate, WORD bits, bool withCbSize = true) {
  std::vector<BYTE> out;
  const WORD blockAlign = static_cast<WORD>(channels * bits / 8);
  Put16(out, tag);
  Put16(out, channels);
  Put32(out, rate);
  Put32(out, rate * blockAlign);
  Put16(out, blockAlign);
  Put16(out, bits);
  if (withCbSize) Put16(out, 0);
  return out;
}

inline std::vector<BYTE> Pcm16(const std::vector<std::int16_t>& samples) {
  std::vector<BYTE> out;
  for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

// A 16-bit mono PCM wave, the kind every resource of the program is.
inline std::vector<BYTE> MonoWave(const std::vector<std::int16_t>& samples, DWORD rate = 22050) {
  return Riff("WAVE", {{"fmt ", Format(1, 1, rate, 16), {}}, {"data", Pcm16(samples), {}}});
}

// `count` samples of a constant value.
inline std::vector<std::int16_t> Constant(std::size_t count, std::int16_t value) {
  return std::vector<std::int16_t>(count, value);
}

}  // namespace wavetest
