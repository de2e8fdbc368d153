// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tool tip: a pale yellow box with a one-line text, shown in the overlay
// near the pointer and taken away without a trace.
#include <memory>
#include <string>

#include "platform/host.h"

class OverlayLayer;

class CToolTip {
 public:
  explicit CToolTip(Host& host);
  ~CToolTip();
  CToolTip(const CToolTip&) = delete;
  CToolTip& operator=(const CToolTip&) = delete;

  // Shows `text` with its box just below `anchor` (surface coordinates),
  // kept inside the window.
  void Show(const std::string& text, CPoint anchor);
  void Hide();
  bool Visible() const { return m_layer != nullptr; }
  const std::string& Text() const { return m_text; }
  CRect Rect() const { return m_rect; }

 private:
  Host& m_host;
  std::unique_ptr<OverlayLayer> m_layer;
  std::string m_text;
  CRect m_rect;
};
