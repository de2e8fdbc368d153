// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 32-bit window surface: pixels are 0x00RRGGBB, rows top-down.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/rect.h"

// A non-owning view of 32-bit pixels.
struct SurfaceView {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;  // in pixels

  std::uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
  CRect Bounds() const { return {0, 0, width, height}; }
};

// An owned 32-bit image.
class Surface32 {
 public:
  Surface32() = default;
  Surface32(int width, int height, std::uint32_t fill = 0) { Resize(width, height, fill); }
  void Resize(int width, int height, std::uint32_t fill = 0) {
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    m_composedFrame = 0;
  }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  CRect Bounds() const { return {0, 0, m_width, m_height}; }
  // A view to draw with. Whoever draws on a frame the host put together
  // makes it some other picture, so the host will not build on it again.
  SurfaceView View() {
    m_composedFrame = 0;
    return {m_pixels.data(), m_width, m_height, m_width};
  }
  const std::uint32_t* Data() const { return m_pixels.data(); }
  const std::uint32_t* Row(int y) const { return m_pixels.data() + static_cast<std::ptrdiff_t>(y) * m_width; }
  std::uint32_t At(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }

  // Which frame a host last put together here (0: none, or drawn on since);
  // see Host::ComposeForDisplay.
  std::uint64_t ComposedFrame() const { return m_composedFrame; }
  void SetComposedFrame(std::uint64_t frame) { m_composedFrame = frame; }

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
  std::uint64_t m_composedFrame = 0;
};

constexpr std::uint32_t ToPixel(BYTE r, BYTE g, BYTE b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
}
