// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One layer of pictures in the host's overlay surface (a menu, a dialog, a
// tool tip). It remembers the overlay as it found it and puts it back when
// it closes, so layers can nest and the window beneath is untouched.
#include "platform/host.h"

class OverlayLayer {
 public:
  explicit OverlayLayer(Host& host);
  ~OverlayLayer();
  OverlayLayer(const OverlayLayer&) = delete;
  OverlayLayer& operator=(const OverlayLayer&) = delete;

  // Shows `image` (opaque) with its top-left at `at`, over what the layer
  // already shows.
  void Blit(const Surface32& image, CPoint at);
  // Takes back everything this layer showed.
  void Clear();
  // Clear() and present.
  void Close();

 private:
  Host& m_host;
  Surface32 m_saved;
  bool m_wasVisible = false;
  bool m_shown = false;
  CRect m_drawn;  // union of what this layer covers now
};
