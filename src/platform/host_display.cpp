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

void Host::ComposeForDisplay(Surface32& out) const {
  const int w = m_surface.Width();
  const int h = m_surface.Height();
  if (out.Width() != w || out.Height() != h) out.Resize(w, h);
  const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (count == 0) return;
  SurfaceView dst = out.View();
  std::memcpy(dst.pixels, m_surface.Data(), count * sizeof(std::uint32_t));
  if (!m_overlayVisible || m_overlay.Width() != w || m_overlay.Height() != h) return;
  const std::uint32_t* over = m_overlay.Data();
  for (std::size_t i = 0; i < count; ++i) {
    if ((over[i] >> 24) != 0) dst.pixels[i] = Blend(dst.pixels[i], over[i]);
  }
}
