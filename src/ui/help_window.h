// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the program's help text in a scrollable pane, over the
// window in the overlay. Scrolls with the scroll bar, the mouse wheel and
// the arrow, Page Up/Down, Home and End keys; Esc, Enter, the Close button
// or the close box end it. The about box shows the licences in one too.
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/font.h"

class OverlayLayer;

class CHelpWindow {
 public:
  explicit CHelpWindow(Host& host);
  // Another text in the same markup (help_text.h), under its own caption.
  CHelpWindow(Host& host, std::string caption, std::string text);

  // Lays the window out centred over the window surface.
  void Create();
  // Runs it modally (Create first).
  void RunModal();
  void HandleMessage(const MSG& msg);
  void Render(Surface32& out) const;
  bool IsClosed() const { return m_closed; }

  int ScrollPos() const { return m_scroll; }
  int MaxScroll() const;
  void ScrollTo(int pos);
  // Surface coordinates.
  CRect WindowRect() const { return m_window; }
  CRect PaneRect() const;
  CRect CloseButtonRect() const;
  CRect UpArrowRect() const;
  CRect DownArrowRect() const;
  CRect ThumbRect() const;
  int ContentHeight() const { return m_contentHeight; }
  int LineCount() const { return static_cast<int>(m_lines.size()); }

 private:
  struct Line {
    const FontAtlas* font;
    std::string text;
    int x;
    int y;
    std::uint32_t color;
    bool bullet;
  };
  void LayoutText();
  int PageSize() const;
  int TroughTop() const;
  int TroughBottom() const;
  void OnMouse(const MSG& msg);
  // A press on the Close button, the close box (surface coordinates) or the scroll bar.
  void OnMouseDown(CPoint p, const CRect& closeBox, int lineStep);
  void DrawPage(SurfaceView window) const;
  void DrawScrollBar(SurfaceView window) const;
  void DrawCloseButton(SurfaceView window) const;

  Host& m_host;
  std::string m_caption;
  std::string m_text;
  CRect m_window;
  std::vector<Line> m_lines;
  int m_contentHeight = 0;
  int m_scroll = 0;
  bool m_closed = false;
  bool m_closePressed = false;   // the Close button held by the mouse
  bool m_captionClose = false;   // the caption's close box held
  bool m_pointerInside = false;
  bool m_dragThumb = false;
  int m_dragOffset = 0;
  CPoint m_mouse;
};

// Shows the help window and returns when it is closed. Under a script
// nobody can close it, so it is only reported (`help shown`).
void RunHelpWindow(Host& host, bool scripted);
