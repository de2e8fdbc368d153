// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's resources, generated at build time and linked in as one pack:
// bitmaps (40-byte info header, 1024-byte colour table, pixels), RIFF waves,
// cursors and icons (QCUR images with hot spot), found by kind and id.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/types.h"

enum class ResKind : std::uint32_t { Cursor = 1, Bitmap = 2, Icon = 3, Wave = 10 };

// The pack: "QRES", u32 count, count x {u32 kind, u32 id, u32 offset, u32 size}, data.
inline constexpr char kResPackMagic[4] = {'Q', 'R', 'E', 'S'};

// A cursor or icon: "QCUR", u16 width, u16 height, u16 hot x, u16 hot y, then
// width x height 0xAARRGGBB pixels, rows top-down.
struct CursorImage {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  std::vector<std::uint32_t> argb;
  static bool Parse(std::span<const BYTE> bytes, CursorImage* out);
};

class ResourceTable {
 public:
  // The pack linked into the program.
  ResourceTable();
  // A pack held elsewhere (tests); malformed packs give an empty table.
  explicit ResourceTable(std::span<const BYTE> pack);
  // The resource's bytes, or an empty span when there is none.
  std::span<const BYTE> Find(ResKind kind, UINT id) const;
  struct Entry {
    ResKind kind;
    UINT id;
    std::span<const BYTE> bytes;
  };
  const std::vector<Entry>& Entries() const { return m_entries; }

 private:
  void Parse(std::span<const BYTE> pack);
  // Sounds packed small for a web page, unpacked into PCM waves.
  void UnpackWaves();
  std::vector<Entry> m_entries;
  std::shared_ptr<std::vector<std::vector<BYTE>>> m_unpacked;
};
