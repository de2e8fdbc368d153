// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the help window: the frame, the page of text in its sunken pane,
// the scroll bar and the Close button.
#include "platform/i18n.h"
#include "platform/text.h"
#include "ui/glyphs.h"
#include "ui/help_window.h"
#include "ui/help_window_metrics.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"
#include "ui/window_frame.h"

using namespace help_metrics;
using namespace ui_color;

namespace {

// A surface rectangle in the window's own coordinates.
CRect InWindow(CRect r, const CRect& window) {
  r.OffsetRect(-window.left, -window.top);
  return r;
}

}  // namespace

void CHelpWindow::Render(Surface32& out) const {
  out.Resize(m_window.Width(), m_window.Height());
  SurfaceView window = out.View();
  CRect closeBox = FrameCloseBox(m_window.Width());
  closeBox.OffsetRect(m_window.left, m_window.top);
  DrawWindowFrame(window, m_caption,
                  m_captionClose && closeBox.PtInRect(m_mouse) ? CloseBoxState::Pressed : CloseBoxState::Normal);
  DrawPage(window);
  DrawScrollBar(window);
  DrawCloseButton(window);
}

void CHelpWindow::DrawPage(SurfaceView window) const {
  // The pane: a sunken white page with the scroll bar inside its edge.
  const CRect pane = InWindow(PaneRect(), m_window);
  DrawSunkenEdge(window, pane);
  const CRect page(pane.left + 2, pane.top + 2, pane.right - 2 - kScrollBarWidth, pane.bottom - 2);
  FillRect(window, page, kWindow);
  for (const Line& line : m_lines) {
    const int y = page.top + line.y - m_scroll;
    if (y + line.font->cellHeight < page.top || y >= page.bottom) continue;
    // A right-to-left language sets its lines from the right, bullets on the right too.
    const int w = TextWidth(*line.font, line.text);
    const bool rtl = RightToLeftUi();
    const int x = rtl ? page.right - line.x - w : page.left + line.x;
    DrawTextAt(window, page, *line.font, x, y, line.text, line.color);
    if (line.bullet) {
      const int by = y + line.font->ascent - 5;
      const int bx = rtl ? page.right - line.x + 6 : page.left + line.x - 10;
      FillRect(window, CRect(bx, by, bx + 4, by + 4), kText);
    }
  }
}

void CHelpWindow::DrawScrollBar(SurfaceView window) const {
  const CRect up = InWindow(UpArrowRect(), m_window), down = InWindow(DownArrowRect(), m_window);
  FillDither(window, {up.left, up.bottom, up.right, down.top}, kHighlight, kFace);
  const bool canScroll = MaxScroll() > 0;
  for (const CRect& r : {up, down}) DrawButtonFrame(window, r, ButtonLook::Raised, false);
  const std::uint32_t arrow = canScroll ? kText : kShadow;
  DrawUpArrow(window, up.left + (up.Width() - 7) / 2, up.top + (up.Height() - 4) / 2, arrow);
  DrawDownArrow(window, down.left + (down.Width() - 7) / 2, down.top + (down.Height() - 4) / 2, arrow);
  if (canScroll) DrawButtonFrame(window, InWindow(ThumbRect(), m_window), ButtonLook::Raised, false);
}

void CHelpWindow::DrawCloseButton(SurfaceView window) const {
  // The Close button, the default one.
  const CRect button = InWindow(CloseButtonRect(), m_window);
  const bool pressed = m_closePressed && CloseButtonRect().PtInRect(m_mouse);
  DrawButtonFrame(window, button, pressed ? ButtonLook::Pressed : ButtonLook::Raised, true);
  const FontAtlas& font = UiFont();
  const int tx = button.left + (button.Width() - TextWidth(font, Tr("Close"))) / 2 + (pressed ? 1 : 0);
  const int ty = button.top + (button.Height() - font.cellHeight) / 2 + (pressed ? 1 : 0);
  DrawTextAt(window, button, font, tx, ty, Tr("Close"), kText);
}
