// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"
#include "platform/wave_adpcm.h"

#include <cstring>

extern "C" const unsigned char quintaro_resource_pack[];
extern "C" const unsigned char quintaro_resource_pack_end[];

namespace {

// Little-endian reads from a span whose size the caller has checked.
std::uint32_t Read32(std::span<const BYTE> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t Read16(std::span<const BYTE> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

constexpr std::size_t kPackHeaderSize = 8;
constexpr std::size_t kPackEntrySize = 16;
constexpr std::size_t kCursorHeaderSize = 12;
constexpr int kMaxCursorSide = 256;

}  // namespace

bool CursorImage::Parse(std::span<const BYTE> bytes, CursorImage* out) {
  if (out == nullptr || bytes.size() < kCursorHeaderSize) return false;
  if (std::memcmp(bytes.data(), "QCUR", 4) != 0) return false;
  const int width = Read16(bytes, 4);
  const int height = Read16(bytes, 6);
  const int hotX = Read16(bytes, 8);
  const int hotY = Read16(bytes, 10);
  if (width <= 0 || height <= 0 || width > kMaxCursorSide || height > kMaxCursorSide) return false;
  if (hotX >= width || hotY >= height) return false;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (bytes.size() - kCursorHeaderSize < count * 4) return false;
  CursorImage image;
  image.width = width;
  image.height = height;
  image.hotX = hotX;
  image.hotY = hotY;
  image.argb.resize(count);
  for (std::size_t i = 0; i < count; ++i) image.argb[i] = Read32(bytes, kCursorHeaderSize + i * 4);
  *out = std::move(image);
  return true;
}

ResourceTable::ResourceTable()
    : ResourceTable(std::span<const BYTE>(
          quintaro_resource_pack, static_cast<std::size_t>(quintaro_resource_pack_end - quintaro_resource_pack))) {}

ResourceTable::ResourceTable(std::span<const BYTE> pack) { Parse(pack); }

void ResourceTable::Parse(std::span<const BYTE> pack) {
  m_entries.clear();
  if (pack.size() < kPackHeaderSize || std::memcmp(pack.data(), kResPackMagic, 4) != 0) return;
  const std::uint64_t count = Read32(pack, 4);
  if (count > (pack.size() - kPackHeaderSize) / kPackEntrySize) return;
  std::vector<Entry> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kPackHeaderSize + i * kPackEntrySize;
    const std::uint64_t offset = Read32(pack, at + 8);
    const std::uint64_t size = Read32(pack, at + 12);
    // A single bad entry makes the whole pack suspect.
    if (offset > pack.size() || size > pack.size() - offset) return;
    entries.push_back({static_cast<ResKind>(Read32(pack, at)), Read32(pack, at + 4),
                       pack.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size))});
  }
  m_entries = std::move(entries);
  UnpackWaves();
}

void ResourceTable::UnpackWaves() {
  auto unpacked = std::make_shared<std::vector<std::vector<BYTE>>>();
  for (Entry& e : m_entries) {
    if (e.kind != ResKind::Wave || e.bytes.size() < 4 || std::memcmp(e.bytes.data(), kAdpcmMagic, 4) != 0) continue;
    std::vector<BYTE> wave = DecodeAdpcmWave(e.bytes);
    // A broken one stays as it is: the sound's readers find no wave in it.
    if (wave.empty()) continue;
    unpacked->push_back(std::move(wave));
    e.bytes = unpacked->back();
  }
  if (!unpacked->empty()) m_unpacked = std::move(unpacked);
}

std::span<const BYTE> ResourceTable::Find(ResKind kind, UINT id) const {
  for (const Entry& e : m_entries) {
    if (e.kind == kind && e.id == id) return e.bytes;
  }
  return {};
}
