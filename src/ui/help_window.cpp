// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <algorithm>
#include <utility>

#include "platform/i18n.h"
#include "ui/help_text.h"

#include "ui/help_window_metrics.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"
#include "ui/window_frame.h"

using namespace help_metrics;

CHelpWindow::CHelpWindow(Host& host) : CHelpWindow(host, Tr("Quintaro Games Help"), std::string(HelpText())) {}

CHelpWindow::CHelpWindow(Host& host, std::string caption, std::string text)
    : m_host(host), m_caption(std::move(caption)), m_text(std::move(text)) {}

void CHelpWindow::Create() {
  const SIZE size = FrameWindowSize(kClient);
  const Surface32& surface = m_host.WindowSurface();
  const int x = std::max(0, (surface.Width() - static_cast<int>(size.cx)) / 2);
  const int y = std::max(0, (surface.Height() - static_cast<int>(size.cy)) / 2);
  m_window = CRect(x, y, x + size.cx, y + size.cy);
  m_closed = false;
  m_scroll = 0;
  LayoutText();
}

// --- Geometry -----------------------------------------------------------------

CRect CHelpWindow::PaneRect() const {
  const int left = m_window.left + kFrameClientLeft + kMargin;
  const int top = m_window.top + kFrameClientTop + kMargin;
  return {left, top, left + kClient.cx - 2 * kMargin, top + kClient.cy - 3 * kMargin - kButtonHeight};
}

CRect CHelpWindow::CloseButtonRect() const {
  const int right = m_window.left + kFrameClientLeft + kClient.cx - kMargin;
  const int bottom = m_window.top + kFrameClientTop + kClient.cy - kMargin;
  return {right - kButtonWidth, bottom - kButtonHeight, right, bottom};
}

CRect CHelpWindow::UpArrowRect() const {
  const CRect pane = PaneRect();
  return {pane.right - 2 - kScrollBarWidth, pane.top + 2, pane.right - 2, pane.top + 2 + kScrollBarWidth};
}

CRect CHelpWindow::DownArrowRect() const {
  const CRect pane = PaneRect();
  return {pane.right - 2 - kScrollBarWidth, pane.bottom - 2 - kScrollBarWidth, pane.right - 2, pane.bottom - 2};
}

int CHelpWindow::TroughTop() const { return UpArrowRect().bottom; }
int CHelpWindow::TroughBottom() const { return DownArrowRect().top; }

int CHelpWindow::PageSize() const { return PaneRect().Height() - 4; }

int CHelpWindow::MaxScroll() const { return std::max(0, m_contentHeight - PageSize()); }

CRect CHelpWindow::ThumbRect() const {
  const int trough = TroughBottom() - TroughTop();
  const int page = PageSize();
  const int total = std::max(m_contentHeight, page);
  const int length = std::clamp(trough * page / std::max(total, 1), 8, trough);
  const int travel = trough - length;
  const int max = MaxScroll();
  const int top = TroughTop() + (max > 0 ? travel * m_scroll / max : 0);
  const CRect up = UpArrowRect();
  return {up.left, top, up.right, top + length};
}

void CHelpWindow::ScrollTo(int pos) { m_scroll = std::clamp(pos, 0, MaxScroll()); }

// --- Running ------------------------------------------------------------------------

void CHelpWindow::RunModal() {
  OverlayLayer layer(m_host);
  const HWND hwnd = m_host.CreateWindow([this](const MSG& msg) -> LRESULT {
    HandleMessage(msg);
    return 0;
  });
  Surface32 image;
  Render(image);
  layer.Blit(image, m_window.TopLeft());
  RunModalLoop(
      m_host, hwnd,
      [&](const MSG& msg) {
        HandleMessage(msg);
        if (m_closed) return;
        Render(image);
        layer.Blit(image, m_window.TopLeft());
      },
      [this] { return m_closed; });
  m_host.DestroyWindow(hwnd);
  layer.Close();
}

void RunHelpWindow(Host& host, bool scripted) {
  if (scripted) {
    host.Report("help shown");
    return;
  }
  CHelpWindow help(host);
  help.Create();
  help.RunModal();
}
