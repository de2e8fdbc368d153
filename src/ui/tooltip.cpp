// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tooltip.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/overlay_layer.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"

using namespace ui_color;

CToolTip::CToolTip(Host& host) : m_host(host) {}

CToolTip::~CToolTip() { Hide(); }

void CToolTip::Show(const std::string& text, CPoint anchor) {
  Hide();
  if (text.empty()) return;
  const FontAtlas& font = UiFont();
  const int w = TextWidth(font, text) + 8, h = font.cellHeight + 4;
  const Surface32& surface = m_host.WindowSurface();
  // Below the pointer's arrow, as the classic tips sit.
  int x = std::clamp<int>(anchor.x, 0, std::max(0, surface.Width() - w));
  int y = anchor.y + 20;
  if (y + h > surface.Height()) y = std::max(0, static_cast<int>(anchor.y) - h - 4);
  m_rect = CRect(x, y, x + w, y + h);
  Surface32 image(w, h, kTipBack);
  FrameRect(image.View(), image.View().Bounds(), kDarkShadow);
  DrawTextAt(image.View(), image.View().Bounds(), font, 4, 2, text, kText);
  m_layer = std::make_unique<OverlayLayer>(m_host);
  m_layer->Blit(image, m_rect.TopLeft());
  m_text = text;
}

void CToolTip::Hide() {
  if (!m_layer) return;
  m_layer->Close();
  m_layer.reset();
  m_text.clear();
  m_rect.SetRectEmpty();
}
