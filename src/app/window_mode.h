// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's zoom and full-screen state: chosen from the View menu (or F11
// and Alt+Enter), remembered in the settings store between runs, and handed
// to the backend, which sizes the real window.
#include <optional>

#include "platform/types.h"

class Host;
class CCmdUI;

class CWindowMode {
 public:
  explicit CWindowMode(Host& host);

  // At start: the stored choices (made safe), or this run's from the command
  // line, which are not stored. Applies them.
  void Restore(std::optional<int> zoom, std::optional<bool> fullscreen);
  // View > Zoom and View > Full Screen; false for other commands.
  bool OnCommand(UINT id);
  // Check marks of those commands; false for other commands.
  bool OnUpdateCommand(CCmdUI& cmdUI) const;

  int Zoom() const { return m_zoom; }  // 0 is Fit
  // Full screen by the program's choice or by the window manager's.
  bool Fullscreen() const;

 private:
  void Apply();
  void Store();

  Host& m_host;
  int m_zoom = 0;
  bool m_fullscreen = false;
};
