// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/overlay_layer.h"

#include <algorithm>

OverlayLayer::OverlayLayer(Host& host) : m_host(host), m_saved(host.Overlay()), m_wasVisible(host.OverlayVisible()) {}

OverlayLayer::~OverlayLayer() { Close(); }

void OverlayLayer::Blit(const Surface32& image, CPoint at) {
  Surface32& overlay = m_host.Overlay();
  const CRect target(at.x, at.y, at.x + image.Width(), at.y + image.Height());
  CRect clip;
  if (!clip.IntersectRect(target, CRect(0, 0, overlay.Width(), overlay.Height()))) return;
  SurfaceView dst = overlay.View();
  for (int y = clip.top; y < clip.bottom; ++y) {
    const std::uint32_t* src = image.Data() + static_cast<std::size_t>(y - at.y) * image.Width() + (clip.left - at.x);
    std::uint32_t* out = dst.Row(y) + clip.left;
    for (int x = 0; x < clip.Width(); ++x) out[x] = src[x] | 0xFF000000u;  // opaque
  }
  m_drawn.UnionRect(m_drawn, clip);
  m_shown = true;
  m_host.SetOverlayVisible(true);
  m_host.Present();
}

void OverlayLayer::Clear() {
  if (m_drawn.IsRectEmpty()) return;
  Surface32& overlay = m_host.Overlay();
  if (m_saved.Width() == overlay.Width() && m_saved.Height() == overlay.Height()) {
    SurfaceView dst = overlay.View();
    for (int y = m_drawn.top; y < m_drawn.bottom; ++y) {
      const std::uint32_t* src = m_saved.Data() + static_cast<std::size_t>(y) * m_saved.Width();
      std::copy(src + m_drawn.left, src + m_drawn.right, dst.Row(y) + m_drawn.left);
    }
  } else {
    // The window was laid out anew meanwhile: nothing of the old overlay fits.
    overlay.Resize(overlay.Width(), overlay.Height(), 0);
  }
  m_drawn.SetRectEmpty();
}

void OverlayLayer::Close() {
  Clear();
  if (!m_shown) return;
  m_shown = false;
  m_host.SetOverlayVisible(m_wasVisible);
  m_host.Present(true);
}
