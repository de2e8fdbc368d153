// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and mouse in the help window: scrolling by keys, the wheel,
// the scroll bar's arrows, trough and thumb, and closing it.
#include <cstdint>

#include "ui/help_window.h"
#include "ui/help_window_metrics.h"
#include "ui/ui_text.h"
#include "ui/window_frame.h"

using namespace help_metrics;

void CHelpWindow::OnMouse(const MSG& msg) {
  const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  m_mouse = p;
  const int lineStep = UiFont().cellHeight + kLineGap;
  CRect closeBox = FrameCloseBox(m_window.Width());
  closeBox.OffsetRect(m_window.left, m_window.top);
  switch (msg.message) {
    case WM_LBUTTONDOWN:
      OnMouseDown(p, closeBox, lineStep);
      return;
    case WM_MOUSEMOVE:
      if (m_dragThumb) {
        const CRect thumb = ThumbRect();
        const int travel = (TroughBottom() - TroughTop()) - thumb.Height();
        if (travel > 0) ScrollTo((p.y - m_dragOffset - TroughTop()) * MaxScroll() / travel);
      }
      return;
    case WM_LBUTTONUP:
      if (m_closePressed && CloseButtonRect().PtInRect(p)) m_closed = true;
      if (m_captionClose && closeBox.PtInRect(p)) m_closed = true;
      m_closePressed = m_captionClose = m_dragThumb = false;
      return;
    case WM_MOUSEWHEEL: {
      const int delta = static_cast<std::int16_t>(HIWORD(static_cast<DWORD>(msg.wParam)));
      ScrollTo(m_scroll - delta / 120 * kWheelLines * lineStep);
      return;
    }
    default:
      return;
  }
}

void CHelpWindow::OnMouseDown(CPoint p, const CRect& closeBox, int lineStep) {
  if (CloseButtonRect().PtInRect(p)) { m_closePressed = true; return; }
  if (closeBox.PtInRect(p)) { m_captionClose = true; return; }
  if (UpArrowRect().PtInRect(p)) { ScrollTo(m_scroll - lineStep); return; }
  if (DownArrowRect().PtInRect(p)) { ScrollTo(m_scroll + lineStep); return; }
  const CRect thumb = ThumbRect();
  if (thumb.PtInRect(p)) {
    m_dragThumb = true;
    m_dragOffset = p.y - thumb.top;
    return;
  }
  if (p.x >= thumb.left && p.x < thumb.right && p.y >= TroughTop() && p.y < TroughBottom())
    ScrollTo(m_scroll + (p.y < thumb.top ? -PageSize() : PageSize()));
}

void CHelpWindow::HandleMessage(const MSG& msg) {
  if (m_closed) return;
  const int lineStep = UiFont().cellHeight + kLineGap;
  switch (msg.message) {
    case WM_KEYDOWN:
      switch (msg.wParam) {
        case VK_ESCAPE:
        case VK_RETURN: m_closed = true; break;
        case VK_UP: ScrollTo(m_scroll - lineStep); break;
        case VK_DOWN: ScrollTo(m_scroll + lineStep); break;
        case VK_PRIOR: ScrollTo(m_scroll - (PageSize() - lineStep)); break;
        case VK_NEXT:
        case VK_SPACE: ScrollTo(m_scroll + (PageSize() - lineStep)); break;
        case VK_HOME: ScrollTo(0); break;
        case VK_END: ScrollTo(MaxScroll()); break;
        default: break;
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
      OnMouse(msg);
      return;
    default:
      return;
  }
}
