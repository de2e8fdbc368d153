// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse in a dialog: pressing and releasing buttons, the close box,
// placing the caret in an edit field and dragging a track bar's thumb.
#include "ui/control_draw.h"
#include "ui/dialog.h"
#include "ui/edit_logic.h"
#include "ui/trackbar_logic.h"

int CDialog::HitTest(CPoint p) const {
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    const DialogControl& c = m_controls[i];
    if (!c.visible || !c.rect.PtInRect(p)) continue;
    if (c.IsButtonLike() || c.kind == ControlKind::Edit || c.kind == ControlKind::TrackBar)
      return static_cast<int>(i);
  }
  return -1;
}

void CDialog::OnMouse(const MSG& msg) {
  const CPoint surface(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  const CRect client = ClientRect();
  const CPoint p(surface.x - client.left, surface.y - client.top);
  const int hit = HitTest(p);
  m_mousePoint = p;
  switch (msg.message) {
    case WM_LBUTTONDOWN:
      OnMouseDown(surface, p, hit, msg.time);
      return;
    case WM_MOUSEMOVE:
      OnMouseMove(surface, p);
      return;
    case WM_LBUTTONUP:
      OnMouseUp(surface, p);
      return;
    default:
      return;
  }
}

void CDialog::OnMouseDown(CPoint surface, CPoint p, int hit, DWORD time) {
  m_mouseDown = true;
  if (CloseBoxRect().PtInRect(surface)) {
    if (CanCancel()) {
      m_closePressed = m_closeHeld = true;
      MarkDirty();
    }
    return;
  }
  if (hit < 0) return;
  DialogControl& c = m_controls[static_cast<std::size_t>(hit)];
  if (!c.enabled) return;
  SetFocusIndex(hit, false);
  if (c.kind == ControlKind::Edit) {
    c.edit.caret = c.edit.anchor = EditHitTest(c, p.x);
    if (IsDoubleClick(hit, p, time)) EditSelectWord(c.edit, c.edit.caret);
    m_pressed = hit;
  } else if (c.kind == ControlKind::TrackBar) {
    PressTrackBar(hit, p);
  } else {
    m_pressed = hit;
  }
  MarkDirty();
}

void CDialog::PressTrackBar(int index, CPoint p) {
  DialogControl& c = m_controls[static_cast<std::size_t>(index)];
  const TrackGeometry g = TrackLayout(c.rect, c.track, c.style);
  if (g.thumb.PtInRect(p)) {
    m_dragThumb = true;
    m_dragOffset = p.x - TrackPosToX(g, c.track, c.track.pos);
    m_pressed = index;
  } else {
    bool moved = false;
    TrackKey(c.track, p.x < g.thumb.left ? VK_PRIOR : VK_NEXT, &moved);
    if (moved) NotifyChange(index, TB_CHANGED);
  }
}

void CDialog::OnMouseMove(CPoint surface, CPoint p) {
  if (!m_mouseDown) return;
  if (m_closePressed) {
    const bool inside = CloseBoxRect().PtInRect(surface);
    if (inside != m_closeHeld) {
      m_closeHeld = inside;
      MarkDirty();
    }
    return;
  }
  if (m_pressed < 0) return;
  DialogControl& c = m_controls[static_cast<std::size_t>(m_pressed)];
  if (c.kind == ControlKind::Edit) {
    const int caret = EditHitTest(c, p.x);
    if (caret != c.edit.caret) {
      c.edit.caret = caret;
      MarkDirty();
    }
  } else if (c.kind == ControlKind::TrackBar && m_dragThumb) {
    const TrackGeometry g = TrackLayout(c.rect, c.track, c.style);
    const int pos = TrackXToPos(g, c.track, p.x - m_dragOffset);
    if (pos != c.track.pos) {
      TrackSetPos(c.track, pos);
      NotifyChange(m_pressed, TB_CHANGED);
    }
  } else {
    MarkDirty();  // the pressed look follows the pointer
  }
}

void CDialog::OnMouseUp(CPoint surface, CPoint p) {
  m_mouseDown = false;
  if (m_closePressed) {
    const bool inside = CloseBoxRect().PtInRect(surface);
    m_closePressed = m_closeHeld = false;
    MarkDirty();
    if (inside) OnCancel();
    return;
  }
  const int pressed = m_pressed;
  m_pressed = -1;
  m_dragThumb = false;
  MarkDirty();
  if (pressed < 0) return;
  const DialogControl& c = m_controls[static_cast<std::size_t>(pressed)];
  if (c.IsButtonLike() && c.rect.PtInRect(p)) ClickIndex(pressed);
}
