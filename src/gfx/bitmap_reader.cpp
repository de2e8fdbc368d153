// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/bitmap_reader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "gfx/dib_alloc.h"
#include "gfx/file_stream.h"

namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kResourcePixelsAt = sizeof(DIBInfoBlock);  // 1064
constexpr DWORD kBiRgb = 0;

WORD ReadU16(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }
DWORD ReadU32(const BYTE* p) {
  return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
         (static_cast<DWORD>(p[3]) << 24);
}

BITMAPINFOHEADER ParseInfoHeader(const BYTE* p) {
  BITMAPINFOHEADER h{};
  h.biSize = ReadU32(p);
  h.biWidth = static_cast<LONG>(ReadU32(p + 4));
  h.biHeight = static_cast<LONG>(ReadU32(p + 8));
  h.biPlanes = ReadU16(p + 12);
  h.biBitCount = ReadU16(p + 14);
  h.biCompression = ReadU32(p + 16);
  h.biSizeImage = ReadU32(p + 20);
  h.biXPelsPerMeter = static_cast<LONG>(ReadU32(p + 24));
  h.biYPelsPerMeter = static_cast<LONG>(ReadU32(p + 28));
  h.biClrUsed = ReadU32(p + 32);
  h.biClrImportant = ReadU32(p + 36);
  return h;
}

// What the rest of the program can draw: uncompressed 8-bit pictures of a
// sane size, at most 256 colours. Fills the positive height on success.
bool IsDrawable(const BITMAPINFOHEADER& h, int* height) {
  if (h.biBitCount != 8 || h.biCompression != kBiRgb) return false;
  if (h.biWidth < 1 || h.biWidth > kMaxDibDimension) return false;
  if (h.biHeight == 0 || h.biHeight > kMaxDibDimension || h.biHeight < -kMaxDibDimension) return false;
  if (h.biClrUsed > 256) return false;
  *height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  return true;
}

// Copies stride x height pixel bytes; a top-down picture (negative height in
// its header) is turned bottom-up on the way, as every CDIB is.
void CopyRows(BYTE* dst, const BYTE* src, int stride, int height, bool topDown) {
  const auto rowBytes = static_cast<std::size_t>(stride);
  if (!topDown) {
    std::memcpy(dst, src, rowBytes * static_cast<std::size_t>(height));
    return;
  }
  for (int y = 0; y < height; ++y) {
    std::memcpy(dst + static_cast<std::size_t>(height - 1 - y) * rowBytes, src + static_cast<std::size_t>(y) * rowBytes,
                rowBytes);
  }
}

bool ReadExact(CFile& file, void* buffer, std::size_t count) {
  return file.Read(buffer, static_cast<UINT>(count)) == count;
}

// "BM" and where the pixels start, counted from the start of the file.
bool ReadFileHeader(CFile& file, std::int64_t* pixelOffset) {
  BYTE fileHeader[kFileHeaderSize];
  if (!ReadExact(file, fileHeader, sizeof fileHeader)) return false;
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return false;
  *pixelOffset = ReadU32(fileHeader + 10);
  return true;
}

// The header after the file header: the old core header or the info header
// with its later extensions, returned as an info header. `entrySize` is the
// size of one colour-table entry in the file.
bool ReadInfoHeader(CFile& file, BITMAPINFOHEADER* out, DWORD* headerSize, std::size_t* entrySize) {
  BYTE sizeField[4];
  if (!ReadExact(file, sizeField, sizeof sizeField)) return false;
  *headerSize = ReadU32(sizeField);

  BITMAPINFOHEADER h{};
  *entrySize = 4;
  if (*headerSize == kCoreHeaderSize) {
    // The old core header: 16-bit width, height, planes and bit count.
    BYTE core[kCoreHeaderSize - 4];
    if (!ReadExact(file, core, sizeof core)) return false;
    h.biWidth = ReadU16(core);
    h.biHeight = ReadU16(core + 2);
    h.biPlanes = ReadU16(core + 4);
    h.biBitCount = ReadU16(core + 6);
    *entrySize = 3;
  } else if (*headerSize == 40 || *headerSize == 52 || *headerSize == 56 || *headerSize == 108 ||
             *headerSize == 124) {
    // The info header and its later extensions, which start with the same 40 bytes.
    BYTE info[kInfoHeaderSize];
    std::memcpy(info, sizeField, 4);
    if (!ReadExact(file, info + 4, kInfoHeaderSize - 4)) return false;
    h = ParseInfoHeader(info);
  } else {
    return false;
  }
  h.biSize = kInfoHeaderSize;
  *out = h;
  return true;
}

// The colours the header asks for (all 256 when it says 0), as many as fit
// in the `room` bytes between the header and the pixels.
int TableEntries(const BITMAPINFOHEADER& h, std::int64_t room, std::size_t entrySize) {
  const std::int64_t wanted = h.biClrUsed != 0 ? h.biClrUsed : 256;
  const std::int64_t fit = room / static_cast<std::int64_t>(entrySize);
  return static_cast<int>(wanted < fit ? wanted : fit);
}

// `entries` colours of `entrySize` bytes each, from where the file is now.
bool ReadColorTable(CFile& file, int entries, std::size_t entrySize, DIBInfoBlock* info) {
  BYTE table[256 * 4];
  const std::size_t tableBytes = static_cast<std::size_t>(entries) * entrySize;
  if (!ReadExact(file, table, tableBytes)) return false;
  for (int i = 0; i < entries; ++i) {
    const BYTE* e = table + static_cast<std::size_t>(i) * entrySize;
    info->colors[i] = RGBQUAD{e[0], e[1], e[2], entrySize == 4 ? e[3] : BYTE{0}};
  }
  return true;
}

// The pixels from where the file is now, turned bottom-up when `topDown`.
bool ReadPixels(CFile& file, BYTE* bits, std::size_t need, int stride, int height, bool topDown) {
  if (!topDown) return ReadExact(file, bits, need);
  auto rows = AllocatePixels(need);
  if (!rows || !ReadExact(file, rows.get(), need)) return false;
  CopyRows(bits, rows.get(), stride, height, true);
  return true;
}

}  // namespace

bool DecodeBitmapResource(std::span<const BYTE> bytes, DecodedBitmap* out) {
  if (bytes.size() < kResourcePixelsAt) return false;
  BITMAPINFOHEADER h = ParseInfoHeader(bytes.data());
  int height = 0;
  if (h.biSize != kInfoHeaderSize || !IsDrawable(h, &height)) return false;
  const int stride = DibStride(h.biWidth);
  const auto need = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
  // The pixels must lie inside the resource, whatever its header claims.
  if (need > bytes.size() - kResourcePixelsAt) return false;

  auto info = AllocateInfoBlock();
  auto bits = AllocatePixels(need);
  if (!info || !bits) return false;
  std::memcpy(info.get(), bytes.data(), sizeof(DIBInfoBlock));
  CopyRows(bits.get(), bytes.data() + kResourcePixelsAt, stride, height, h.biHeight < 0);
  h.biHeight = height;
  h.biSizeImage = static_cast<DWORD>(need);
  info->header = h;
  out->info = std::move(info);
  out->bits = std::move(bits);
  return true;
}

bool DecodeBitmapFile(CFile& file, DecodedBitmap* out) {
  const std::int64_t start = file.GetPosition();
  const std::int64_t length = file.GetLength();
  if (start < 0 || start > length) return false;
  const std::int64_t available = length - start;

  std::int64_t pixelOffset = 0;
  if (!ReadFileHeader(file, &pixelOffset)) return false;

  BITMAPINFOHEADER h{};
  DWORD headerSize = 0;
  std::size_t entrySize = 4;
  if (!ReadInfoHeader(file, &h, &headerSize, &entrySize)) return false;

  int height = 0;
  if (!IsDrawable(h, &height)) return false;
  const int stride = DibStride(h.biWidth);
  const auto need = static_cast<std::int64_t>(stride) * height;

  // The colour table sits between the header and the pixels.
  const std::int64_t tableStart = static_cast<std::int64_t>(kFileHeaderSize) + headerSize;
  if (pixelOffset < tableStart) return false;
  if (pixelOffset > available || need > available - pixelOffset) return false;
  const int entries = TableEntries(h, pixelOffset - tableStart, entrySize);
  if (entries == 0) return false;  // an 8-bit picture needs colours
  h.biClrUsed = entries == 256 ? h.biClrUsed : static_cast<DWORD>(entries);
  h.biSizeImage = static_cast<DWORD>(need);

  auto info = AllocateInfoBlock();
  auto bits = AllocatePixels(static_cast<std::size_t>(need));
  if (!info || !bits) return false;
  if (file.Seek(start + tableStart, CFile::begin) < 0 || !ReadColorTable(file, entries, entrySize, info.get()))
    return false;
  if (file.Seek(start + pixelOffset, CFile::begin) < 0) return false;
  if (!ReadPixels(file, bits.get(), static_cast<std::size_t>(need), stride, height, h.biHeight < 0)) return false;
  h.biHeight = height;
  info->header = h;
  out->info = std::move(info);
  out->bits = std::move(bits);
  return true;
}
