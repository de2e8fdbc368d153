// SPDX-License-Identifier: GPL-3.0-or-later
// Where a dialog stands on the window surface, and drawing it: the frame
// with its caption and close box, then every control in its current look.
#include "ui/control_draw.h"
#include "ui/dialog.h"
#include "ui/window_frame.h"

CRect CDialog::ClientRect() const {
  return {m_window.left + kFrameClientLeft, m_window.top + kFrameClientTop,
          m_window.left + kFrameClientLeft + m_client.cx, m_window.top + kFrameClientTop + m_client.cy};
}

CRect CDialog::CloseBoxRect() const {
  CRect r = FrameCloseBox(m_window.Width());
  r.OffsetRect(m_window.left, m_window.top);
  return r;
}

CRect CDialog::ControlRect(int id) const {
  const DialogControl* c = GetDlgItem(id);
  if (!c) return {};
  CRect r = c->rect;
  const CRect client = ClientRect();
  r.OffsetRect(client.left, client.top);
  return r;
}

void CDialog::Render(Surface32& out) const {
  out.Resize(m_window.Width(), m_window.Height());
  SurfaceView window = out.View();
  CloseBoxState box = CloseBoxState::Normal;
  if (!CanCancel()) box = CloseBoxState::Disabled;
  else if (m_closePressed && m_closeHeld) box = CloseBoxState::Pressed;
  DrawWindowFrame(window, m_caption, box);
  SurfaceView client{window.Row(kFrameClientTop) + kFrameClientLeft, static_cast<int>(m_client.cx),
                     static_cast<int>(m_client.cy), window.pitch};
  // The focused push button is the default one while it has the focus.
  const bool focusIsPush = m_focus >= 0 && m_controls[static_cast<std::size_t>(m_focus)].IsPushButton();
  const int def = DefaultButtonIndex();
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    const DialogControl& c = m_controls[i];
    ControlLook look;
    look.focused = static_cast<int>(i) == m_focus;
    look.pressed = static_cast<int>(i) == m_pressed && c.IsButtonLike() &&
                   (m_spaceDown || c.rect.PtInRect(m_mousePoint));
    if (c.IsPushButton()) look.defaultFrame = focusIsPush ? look.focused : static_cast<int>(i) == def;
    if (c.kind == ControlKind::Icon) {
      const auto it = m_icons.find(c.iconId);
      look.icon = it == m_icons.end() ? nullptr : &it->second;
    }
    DrawControl(client, c, look);
  }
  OnDrawClient(client);
}
