// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chrome_layout.h"

#include "ui/menu_layout.h"
#include "ui/status_bar.h"
#include "ui/toolbar.h"

ChromeLayout ComputeChromeLayout(bool toolBarVisible) {
  ChromeLayout l;
  int y = 0;
  l.menuBar = CRect(0, y, kClientWidth, y + kMenuBarHeight);
  y += kMenuBarHeight;
  if (toolBarVisible) {
    l.toolBar = CRect(0, y, kClientWidth, y + kToolBarHeight);
    y += kToolBarHeight;
  }
  l.viewFrame = CRect(0, y, kClientWidth, y + kViewHeight + 2 * kViewEdge);
  l.view = CRect(kViewEdge, y + kViewEdge, kViewEdge + kViewWidth, y + kViewEdge + kViewHeight);
  y = l.viewFrame.bottom;
  l.statusBar = CRect(0, y, kClientWidth, y + kStatusBarHeight);
  l.size = {kClientWidth, l.statusBar.bottom};
  return l;
}
