// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status_bar.h"

#include "platform/i18n.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"

using namespace ui_color;

bool CStatusBar::SetText(const std::string& text) {
  if (text == m_text) return false;
  m_text = text;
  return true;
}

bool CStatusBar::SetPrompt(std::optional<std::string> prompt) {
  if (prompt == m_prompt) return false;
  m_prompt = std::move(prompt);
  return true;
}

CRect CStatusBar::PaneRect() const { return {m_rect.left + 2, m_rect.top + 2, m_rect.right - 2, m_rect.bottom}; }

void CStatusBar::Draw(SurfaceView surface) const {
  if (m_rect.IsRectEmpty()) return;
  FillRect(surface, m_rect, kFace);
  const CRect pane = PaneRect();
  Frame3D(surface, pane, kShadow, kHighlight);
  const FontAtlas& font = StatusFont();
  CRect clip = pane;
  clip.DeflateRect(2, 1);
  // A right-to-left language starts the line at the right.
  const int x = RightToLeftUi() ? pane.right - 4 - TextWidth(font, Shown()) : pane.left + 4;
  DrawPlainText(surface, clip, font, x, pane.top + (pane.Height() - font.cellHeight) / 2, Shown(), kText);
}
