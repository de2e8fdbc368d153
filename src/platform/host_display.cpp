// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the window together for the screen: the surface with the overlay
// of menus, dialogs and tool tips on top.
#include "platform/host.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t over) {
  const std::uint32_t a = over >> 24;
  if (a == 0xFF) return over & 0xFFFFFF;
  const std::uint32_t na = 255 - a;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t u = (under >> shift) & 0xFF;
    const std::uint32_t o = (over >> shift) & 0xFF;
    out |= ((o * a + u * na + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

void Host::SetOverlayVisible(bool visible) {
  if (!visible && m_overlayVisible) {
    // The window beneath shows again exactly as it was.
    m_overlay.Resize(m_overlay.Width(), m_overlay.Height(), 0);
  }
  m_overlayVisible = visible;
  Present();
}

CRect Host::ComposeForDisplay(Surface32& out) const {
  const int w = m_surface.Width();
  const int h = m_surface.Height();
  if (w <= 0 || h <= 0) return {};
  const CRect whole(0, 0, w, h);
  if (out.Width() != w || out.Height() != h) out.Resize(w, h);
  SurfaceView dst = out.View();
  if (!m_overlayVisible || m_overlay.Width() != w || m_overlay.Height() != h) return CopyChanges(dst);
  // Menus and dialogs are up: the whole picture, blended, is cheap enough then.
  std::memcpy(dst.pixels, m_surface.Data(), static_cast<std::size_t>(w) * h * sizeof(std::uint32_t));
  const std::uint32_t* over = m_overlay.Data();
  const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  for (std::size_t i = 0; i < count; ++i) {
    if ((over[i] >> 24) != 0) dst.pixels[i] = Blend(dst.pixels[i], over[i]);
  }
  return whole;
}

// Copies the surface's rows that differ from the last frame and bounds the
// pixels that changed. Comparing costs less than uploading what did not
// change, and no drawing code has to report where it drew.
CRect Host::CopyChanges(SurfaceView dst) const {
  CRect changed;
  const int w = dst.width;
  const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
  for (int y = 0; y < dst.height; ++y) {
    const std::uint32_t* src = m_surface.Data() + static_cast<std::size_t>(y) * w;
    std::uint32_t* row = dst.Row(y);
    if (std::memcmp(src, row, rowBytes) == 0) continue;
    int left = 0, right = w;
    while (src[left] == row[left]) ++left;
    while (src[right - 1] == row[right - 1]) --right;
    std::memcpy(row + left, src + left, static_cast<std::size_t>(right - left) * sizeof(std::uint32_t));
    changed.UnionRect(changed, CRect(left, y, right, y + 1));
  }
  return changed;
}
