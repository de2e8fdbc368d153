// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/frame_convert.h"

#include <bit>
#include <cstring>
#include <memory>

// The loops below take the first pixel from the lowest byte.
static_assert(std::endian::native == std::endian::little);

namespace {

// Below this many pixels the plain table is as quick, and a palette change
// never pays for building the pair table.
constexpr int kPairTableMinPixels = 32768;

// Both 32-bit pixels of every pair of 8-bit pixels, so a whole-frame
// conversion does one lookup and one 8-byte store per two pixels. Built only
// once the same palette has been shown twice, so a palette fade keeps to the
// plain table instead of rebuilding 512 KB on every step.
class PairTable {
 public:
  const std::uint64_t* For(const ColorLut& lut) {
    if (m_pairs && lut == m_built) return m_pairs.get();
    if (lut != m_lastSeen) {
      m_lastSeen = lut;
      return nullptr;
    }
    if (!m_pairs) m_pairs = std::make_unique<std::uint64_t[]>(kPairs);
    for (std::size_t i = 0; i < kPairs; ++i) m_pairs[i] = lut[i & 0xFF] | (std::uint64_t{lut[i >> 8]} << 32);
    m_built = lut;
    return m_pairs.get();
  }

 private:
  static constexpr std::size_t kPairs = 65536;
  std::unique_ptr<std::uint64_t[]> m_pairs;
  ColorLut m_built{};
  ColorLut m_lastSeen{};
};

void ConvertRow(const BYTE* s, std::uint32_t* d, int w, const std::uint32_t* table) {
  int i = 0;
  // Eight source pixels per load.
  for (; i + 8 <= w; i += 8) {
    std::uint64_t v;
    std::memcpy(&v, s + i, sizeof v);
    for (int k = 0; k < 8; ++k, v >>= 8) d[i + k] = table[v & 0xFF];
  }
  for (; i < w; ++i) d[i] = table[s[i]];
}

// Kept apart and on a cache line of its own: the loop runs at the same
// speed wherever the linker happens to place the code around it.
[[gnu::noinline, gnu::aligned(64)]] void ConvertRowByPairs(const BYTE* s, std::uint32_t* d, int w,
                                                           const std::uint64_t* pairs, const std::uint32_t* table) {
  int i = 0;
  for (; i + 2 <= w; i += 2) {
    std::uint16_t key;
    std::memcpy(&key, s + i, sizeof key);
    std::memcpy(d + i, &pairs[key], sizeof pairs[key]);
  }
  if (i < w) d[i] = table[s[i]];
}

}  // namespace

void ConvertIndexedRect(const CDIB& src, const CRect& rect, const ColorLut& lut, SurfaceView dst, int dstX,
                        int dstY) {
  const int w = rect.Width();
  if (w <= 0 || rect.Height() <= 0) return;
  // A private copy of the table: the compiler then knows that writing the
  // surface cannot change it, and keeps the loop tight.
  std::uint32_t table[256];
  std::memcpy(table, lut.data(), sizeof table);
  // One per thread: conversions on different threads never share it (a web
  // page has one thread, and its linker has no storage per thread).
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  static PairTable pairTable;
#else
  thread_local PairTable pairTable;
#endif
  const std::uint64_t* pairs = w * rect.Height() >= kPairTableMinPixels ? pairTable.For(lut) : nullptr;
  for (int y = rect.top; y < rect.bottom; ++y) {
    const BYTE* s = src.PixelPtr(rect.left, y);
    std::uint32_t* d = dst.Row(dstY + (y - rect.top)) + dstX;
    if (pairs) {
      ConvertRowByPairs(s, d, w, pairs, table);
    } else {
      ConvertRow(s, d, w, table);
    }
  }
}

ColorLut LutFromEntries(std::span<const PALETTEENTRY> entries) {
  ColorLut lut{};
  for (std::size_t i = 0; i < entries.size() && i < lut.size(); ++i) {
    lut[i] = ToPixel(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
  }
  return lut;
}
