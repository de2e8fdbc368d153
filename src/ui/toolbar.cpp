// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolbar.h"

#include "res/resource_ids.h"
#include "res/toolbar_table.h"
#include "ui/paint.h"
#include "ui/toolbar_images.h"
#include "ui/ui_colors.h"

using namespace ui_color;

int ShownToolImage(const ToolButton& b, const Surface32& strip) {
  if (b.id == ID_OPTIONS_SOUND && !b.checked && HasToolImage(strip, kSoundOffImage)) return kSoundOffImage;
  return b.image;
}

CToolBar::CToolBar(std::span<const UINT> buttons) {
  int image = 0;
  for (UINT id : buttons) {
    ToolButton b;
    b.id = id;
    if (id != ID_SEPARATOR) b.image = image++;
    m_buttons.push_back(b);
  }
}

void CToolBar::Layout(const CRect& barRect) {
  m_rect = barRect;
  int x = barRect.left + kToolBarLeft;
  const int y = barRect.top + kToolButtonTop;
  for (ToolButton& b : m_buttons) {
    const int w = b.id == ID_SEPARATOR ? kToolSeparatorWidth : kToolButtonWidth;
    b.rect = CRect(x, y, x + w, y + kToolButtonHeight);
    x += w;
  }
}

int CToolBar::HitTest(CPoint p) const {
  for (std::size_t i = 0; i < m_buttons.size(); ++i)
    if (m_buttons[i].id != ID_SEPARATOR && m_buttons[i].rect.PtInRect(p)) return static_cast<int>(i);
  return -1;
}

bool CToolBar::UpdateStates(const UpdateCommandHook& hook) {
  bool changed = false;
  for (ToolButton& b : m_buttons) {
    if (b.id == ID_SEPARATOR) continue;
    const CCmdUI state = QueryCommandState(hook, b.id);
    const bool enabled = state.m_bEnabled != FALSE, checked = state.m_nCheck != 0;
    changed = changed || enabled != b.enabled || checked != b.checked;
    b.enabled = enabled;
    b.checked = checked;
  }
  return changed;
}

bool CToolBar::OnButtonDown(CPoint p) {
  const int hit = HitTest(p);
  if (hit < 0 || !m_buttons[static_cast<std::size_t>(hit)].enabled) return false;
  m_pressed = hit;
  m_pressedIn = true;
  return true;
}

void CToolBar::OnMouseMove(CPoint p) {
  if (m_pressed >= 0) m_pressedIn = m_buttons[static_cast<std::size_t>(m_pressed)].rect.PtInRect(p);
}

UINT CToolBar::OnButtonUp(CPoint p) {
  if (m_pressed < 0) return 0;
  const ToolButton& b = m_buttons[static_cast<std::size_t>(m_pressed)];
  m_pressed = -1;
  m_pressedIn = false;
  return b.rect.PtInRect(p) && b.enabled ? b.id : 0;
}

void CToolBar::Draw(SurfaceView surface) const {
  if (m_rect.IsRectEmpty()) return;
  FillRect(surface, m_rect, kFace);
  // The etched line that parts the tool bar from the menu bar.
  DrawEtchedLine(surface, m_rect.left, m_rect.right, m_rect.top);
  for (std::size_t i = 0; i < m_buttons.size(); ++i) {
    const ToolButton& b = m_buttons[i];
    if (b.id == ID_SEPARATOR) continue;
    const bool down = static_cast<int>(i) == m_pressed && m_pressedIn;
    const CRect& r = b.rect;
    if (down) {
      FillRect(surface, r, kFace);
      DrawSunkenEdge(surface, r);
    } else if (b.checked) {
      FillDither(surface, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, kHighlight, kFace);
      DrawSunkenEdge(surface, r);
    } else {
      DrawButtonFrame(surface, r, ButtonLook::Raised, false);
    }
    const int shift = (down || b.checked) ? 1 : 0;
    DrawToolImage(surface, r.left + (r.Width() - kToolImageWidth) / 2 + shift,
                  r.top + (r.Height() - kToolImageHeight) / 2 + shift, m_images, ShownToolImage(b, m_images),
                  b.enabled);
  }
}
