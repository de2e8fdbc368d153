// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/riff_reader.h"

namespace {
constexpr std::size_t kChunkHeader = 8;
const FourCC kRiff = MakeFourCC("RIFF");
}  // namespace

std::uint16_t ReadLe16(std::span<const BYTE> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) return 0;
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t ReadLe32(std::span<const BYTE> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 4) return 0;
  return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::optional<std::span<const BYTE>> FindChunk(std::span<const BYTE> region, FourCC id) {
  std::size_t offset = 0;
  while (region.size() - offset >= kChunkHeader) {
    const FourCC chunkId = ReadLe32(region, offset);
    const std::uint32_t size = ReadLe32(region, offset + 4);
    const std::size_t body = offset + kChunkHeader;
    if (size > region.size() - body) return std::nullopt;
    if (chunkId == id) return region.subspan(body, size);
    // The pad byte of an odd-sized chunk may be missing at the very end.
    const std::size_t next = body + size + (size & 1u);
    if (next >= region.size()) return std::nullopt;
    offset = next;
  }
  return std::nullopt;
}

std::optional<std::span<const BYTE>> FindRiffForm(std::span<const BYTE> file, FourCC form) {
  std::span<const BYTE> rest = file;
  while (auto riff = FindChunk(rest, kRiff)) {
    if (riff->size() >= 4 && ReadLe32(*riff, 0) == form) return riff->subspan(4);
    // Look on past this RIFF chunk for another one of the right form.
    const std::size_t consumed = static_cast<std::size_t>(riff->data() - rest.data()) + riff->size() + (riff->size() & 1u);
    if (consumed >= rest.size()) break;
    rest = rest.subspan(consumed);
  }
  return std::nullopt;
}
