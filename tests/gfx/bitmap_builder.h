// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bitmaps built in memory for the graphics tests: the resource layout of the
// program's pack, .bmp files (well formed or broken on purpose), packs, and
// small images with known pixels.
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/dib.h"
#include "gfx/sprite.h"
#include "platform/resources.h"
#include "platform/types.h"

namespace gfxtest {

inline void Put16(std::vector<BYTE>& out, std::uint32_t v) {
  out.push_back(static_cast<BYTE>(v));
  out.push_back(static_cast<BYTE>(v >> 8));
}
inline void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
inline void Set32(std::vector<BYTE>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<BYTE>(v >> (8 * i));
}

// Pixel (x, y) of a test picture: a pattern that tells rows and columns apart.
inline BYTE PatternPixel(int x, int y) { return static_cast<BYTE>(x * 7 + y * 13 + 1); }

struct InfoSpec {
  int width = 5;
  int height = 3;        // negative: rows top-down
  int bitCount = 8;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t headerSize = 40;
};

inline void PutInfoHeader(std::vector<BYTE>& out, const InfoSpec& s) {
  Put32(out, s.headerSize);
  Put32(out, static_cast<std::uint32_t>(s.width));
  Put32(out, static_cast<std::uint32_t>(s.height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(s.bitCount));
  Put32(out, s.compression);
  Put32(out, s.imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, s.colorsUsed);
  Put32(out, 0);
  for (std::uint32_t i = 40; i < s.headerSize; ++i) out.push_back(0);
}

// Colour entry i is (blue i, green 255 - i, red i / 2).
inline void PutColorTable(std::vector<BYTE>& out, int entries, int entrySize = 4) {
  for (int i = 0; i < entries; ++i) {
    out.push_back(static_cast<BYTE>(i));
    out.push_back(static_cast<BYTE>(255 - i));
    out.push_back(static_cast<BYTE>(i / 2));
    if (entrySize == 4) out.push_back(0);
  }
}

// Stored rows of an 8-bit picture with PatternPixel, bottom-up unless the
// height is negative; padding bytes are 0xEE.
inline void PutPixels(std::vector<BYTE>& out, int width, int height) {
  const int h = height < 0 ? -height : height;
  const int stride = DibStride(width);
  for (int row = 0; row < h; ++row) {
    const int y = height < 0 ? row : h - 1 - row;
    for (int x = 0; x < stride; ++x) out.push_back(x < width ? PatternPixel(x, y) : BYTE{0xEE});
  }
}

// The resource layout: info header, 256 colour entries, pixels.
inline std::vector<BYTE> ResourceBitmap(const InfoSpec& s) {
  std::vector<BYTE> out;
  PutInfoHeader(out, s);
  PutColorTable(out, 256);
  PutPixels(out, s.width, s.height);
  return out;
}

// A .bmp file: file header, info header, colour table, pixels.
inline std::vector<BYTE> BmpFile(const InfoSpec& s, int tableEntries = 256) {
  std::vector<BYTE> body;
  PutInfoHeader(body, s);
  PutColorTable(body, tableEntries);
  const auto offset = static_cast<std::uint32_t>(14 + body.size());
  PutPixels(body, s.width, s.height);
  std::vector<BYTE> out{'B', 'M'};
  Put32(out, static_cast<std::uint32_t>(14 + body.size()));
  Put32(out, 0);
  Put32(out, offset);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// A .bmp file with the old 12-byte core header and 3-byte colour entries.
inline std::vector<BYTE> CoreBmpFile(int width, int height) {
  std::vector<BYTE> body;
  Put32(body, 12);
  Put16(body, static_cast<std::uint32_t>(width));
  Put16(body, static_cast<std::uint32_t>(height));
  Put16(body, 1);
  Put16(body, 8);
  PutColorTable(body, 256, 3);
  const auto offset = static_cast<std::uint32_t>(14 + body.size());
  PutPixels(body, width, height);
  std::vector<BYTE> out{'B', 'M'};
  Put32(out, static_cast<std::uint32_t>(14 + body.size()));
  Put32(out, 0);
  Put32(out, offset);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

struct PackEntry {
  ResKind kind;
  UINT id;
  std::vector<BYTE> bytes;
};

// "QRES", count, directory, data.
inline std::vector<BYTE> Pack(const std::vector<PackEntry>& entries) {
  std::vector<BYTE> out{'Q', 'R', 'E', 'S'};
  Put32(out, static_cast<std::uint32_t>(entries.size()));
  std::size_t offset = 8 + 16 * entries.size();
  for (const PackEntry& e : entries) {
    Put32(out, static_cast<std::uint32_t>(e.kind));
    Put32(out, e.id);
    Put32(out, static_cast<std::uint32_t>(offset));
    Put32(out, static_cast<std::uint32_t>(e.bytes.size()));
    offset += e.bytes.size();
  }
  for (const PackEntry& e : entries) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
  return out;
}

// A resource table over a pack it keeps alive (the table only points into it).
struct TestResources {
  explicit TestResources(const std::vector<PackEntry>& entries) : bytes(Pack(entries)), table(bytes) {}
  HINSTANCE get() const { return &table; }
  std::vector<BYTE> bytes;
  ResourceTable table;
};

// A w x h picture whose every pixel is `fill`.
inline std::unique_ptr<CDIB> SolidImage(int w, int h, BYTE fill) {
  auto dib = std::make_unique<CDIB>();
  dib->Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) *dib->PixelPtr(x, y) = fill;
  return dib;
}

// A cel with key `key` everywhere except an opaque block of `ink`
// covering [x0, x1) x [y0, y1).
inline std::unique_ptr<CDIB> CelWithBlock(int w, int h, BYTE key, BYTE ink, int x0, int y0, int x1, int y1) {
  auto dib = SolidImage(w, h, key);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) *dib->PixelPtr(x, y) = ink;
  return dib;
}

// A one-cel sprite at top-left (x, y), depth z, showing `cel`.
inline std::unique_ptr<CSprite> SpriteWith(std::unique_ptr<CDIB> cel, int x, int y, int z) {
  auto sprite = std::make_unique<CSprite>(x, y, z, 1);
  sprite->SetCelImage(0, std::move(cel));
  return sprite;
}

}  // namespace gfxtest
