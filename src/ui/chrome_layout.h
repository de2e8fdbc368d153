// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's client area, top to bottom: menu bar, tool bar (when shown),
// the 602 x 401 view inside a two-pixel sunken edge, and the status line.
// With the tool bar the client area is 606 x 471, which with a classic
// caption and border makes the 612 x 495 window; without it, 606 x 444.
#include "platform/rect.h"

inline constexpr int kViewWidth = 602;
inline constexpr int kViewHeight = 401;
inline constexpr int kViewEdge = 2;
inline constexpr int kClientWidth = kViewWidth + 2 * kViewEdge;

struct ChromeLayout {
  SIZE size{};      // the whole client area (the window surface)
  CRect menuBar;
  CRect toolBar;    // empty when hidden
  CRect viewFrame;  // the view with its sunken edge
  CRect view;
  CRect statusBar;
};

ChromeLayout ComputeChromeLayout(bool toolBarVisible);
