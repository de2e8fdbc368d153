// SPDX-License-Identifier: GPL-3.0-or-later
// Putting the window together for the screen: the surface with the overlay
// of menus, dialogs and tool tips on top.
#include "platform/host.h"

#include <algorithm>
#include <atomic>
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

SurfaceView Host::DrawOnSurface(const CRect& area) {
  m_damage.Add(area, m_surface.Bounds());
  return m_surface.View();
}

CRect Host::ComposeForDisplay(Surface32& out) const {
  const int w = m_surface.Width();
  const int h = m_surface.Height();
  if (w <= 0 || h <= 0) return {};
  const CRect whole(0, 0, w, h);
  if (out.Width() != w || out.Height() != h) out.Resize(w, h);
  // An image that is not the frame shown last (a new one, one drawn on, one
  // another host or an older frame filled) is filled whole.
  if (out.ComposedFrame() == 0 || out.ComposedFrame() != m_shownFrame) m_damage.AddAll(whole);
  CRect written;
  if (!m_overlayVisible || m_overlay.Width() != w || m_overlay.Height() != h) {
    written = CopyDamage(out);
  } else {
    // Menus and dialogs are up: the whole picture, blended, is cheap enough
    // then. The frame after it replaces every blended pixel.
    SurfaceView dst = out.View();
    std::memcpy(dst.pixels, m_surface.Data(), static_cast<std::size_t>(w) * h * sizeof(std::uint32_t));
    const std::uint32_t* over = m_overlay.Data();
    const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    for (std::size_t i = 0; i < count; ++i) {
      if ((over[i] >> 24) != 0) dst.pixels[i] = Blend(dst.pixels[i], over[i]);
    }
    m_damage.AddAll(whole);
    written = whole;
  }
  // Frame numbers are unique across hosts, so an image one host filled is
  // never taken for another's last frame.
  static std::atomic<std::uint64_t> lastFrame{0};
  m_shownFrame = ++lastFrame;
  out.SetComposedFrame(m_shownFrame);
  return written;
}

// Copies what was drawn on since the last frame shown, and forgets it.
CRect Host::CopyDamage(Surface32& out) const {
  SurfaceView dst = out.View();
  for (const CRect& r : m_damage.Rects()) {
    const std::size_t rowBytes = static_cast<std::size_t>(r.Width()) * sizeof(std::uint32_t);
    for (int y = r.top; y < r.bottom; ++y) std::memcpy(dst.Row(y) + r.left, m_surface.Row(y) + r.left, rowBytes);
  }
  const CRect written = m_damage.Bounds();
  m_damage.Clear();
  return written;
}
