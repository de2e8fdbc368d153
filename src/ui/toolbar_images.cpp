// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolbar_images.h"

#include <cstring>

#include "res/toolbar_table.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"

using namespace ui_color;

namespace {

constexpr int kMaxDimension = 4096;

template <typename T>
T Read(std::span<const BYTE> bytes, std::size_t at) {
  T v;
  std::memcpy(&v, bytes.data() + at, sizeof(T));
  return v;
}

// The shape a disabled picture keeps: everything but the button face and
// the white or near-white highlights, which drop out as on classic tool
// bars. Light colours such as gold stay in, so a bright picture keeps its
// outline whole instead of breaking up.
bool InShape(std::uint32_t p) {
  p &= 0xFFFFFF;
  if (p == ui_color::kFace) return false;
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return (r * 30 + g * 59 + b * 11) / 100 < 240;
}

}  // namespace

bool DecodeBitmapResource(std::span<const BYTE> bytes, Surface32* out) {
  if (bytes.size() < sizeof(BITMAPINFOHEADER)) return false;
  const auto header = Read<BITMAPINFOHEADER>(bytes, 0);
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > bytes.size()) return false;
  if (header.biCompression != 0 || header.biPlanes != 1) return false;
  if (header.biBitCount != 8 && header.biBitCount != 4) return false;
  const long long width = header.biWidth;
  const long long height = header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) return false;
  const std::size_t maxColors = std::size_t{1} << header.biBitCount;
  const std::size_t colors = header.biClrUsed == 0 ? maxColors : header.biClrUsed;
  if (colors > maxColors) return false;
  const std::size_t tableAt = header.biSize;
  const std::size_t pixelsAt = tableAt + colors * sizeof(RGBQUAD);
  const std::size_t stride = static_cast<std::size_t>((width * header.biBitCount + 31) / 32 * 4);
  if (pixelsAt > bytes.size() || stride * static_cast<std::size_t>(height) > bytes.size() - pixelsAt) return false;

  Surface32 image(static_cast<int>(width), static_cast<int>(height));
  SurfaceView view = image.View();
  for (long long y = 0; y < height; ++y) {
    const long long row = header.biHeight < 0 ? y : height - 1 - y;  // bottom-up unless negative
    const BYTE* src = bytes.data() + pixelsAt + stride * static_cast<std::size_t>(row);
    std::uint32_t* dst = view.Row(static_cast<int>(y));
    for (long long x = 0; x < width; ++x) {
      std::size_t index = header.biBitCount == 8 ? src[x] : (src[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F;
      if (index >= colors) index = 0;
      const auto q = Read<RGBQUAD>(bytes, tableAt + index * sizeof(RGBQUAD));
      dst[x] = ToPixel(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
  }
  *out = std::move(image);
  return true;
}

bool HasToolImage(const Surface32& strip, int index) {
  return index >= 0 && index < strip.Width() / kToolImageWidth && strip.Height() >= kToolImageHeight;
}

ReliefImage EmbossToolImage(const Surface32& strip, int index) {
  ReliefImage relief{};
  const int sx = index * kToolImageWidth;
  for (int pass = 0; pass < 2; ++pass) {  // the white relief first, the grey shape over it
    const int offset = pass == 0 ? 1 : 0;
    for (int y = 0; y < kToolImageHeight; ++y)
      for (int x = 0; x < kToolImageWidth; ++x)
        if (InShape(strip.At(sx + x, y))) {
          const auto at = static_cast<std::size_t>((y + offset) * kReliefWidth + x + offset);
          relief[at] = pass == 0 ? Relief::Light : Relief::Dark;
        }
  }
  return relief;
}

void DrawToolImage(SurfaceView dst, int x, int y, const Surface32& strip, int index, bool enabled) {
  if (!HasToolImage(strip, index)) {
    // A neutral stand-in: a small raised square.
    const CRect r(x + 3, y + 3, x + kToolImageWidth - 3, y + kToolImageHeight - 3);
    FillRect(dst, r, kFace);
    Frame3D(dst, r, enabled ? kShadow : kHighlight, enabled ? kDarkShadow : kShadow);
    return;
  }
  if (!enabled) {
    const ReliefImage relief = EmbossToolImage(strip, index);
    for (int dy = 0; dy < kReliefHeight; ++dy)
      for (int dx = 0; dx < kReliefWidth; ++dx) {
        const Relief r = relief[static_cast<std::size_t>(dy * kReliefWidth + dx)];
        if (r != Relief::None) PutPixel(dst, x + dx, y + dy, r == Relief::Light ? kHighlight : kShadow);
      }
    return;
  }
  const int sx = index * kToolImageWidth;
  for (int dy = 0; dy < kToolImageHeight; ++dy)
    for (int dx = 0; dx < kToolImageWidth; ++dx) {
      const std::uint32_t p = strip.At(sx + dx, dy) & 0xFFFFFF;
      if (p != kFace) PutPixel(dst, x + dx, y + dy, p);
    }
}
