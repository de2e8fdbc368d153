// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's zoom and full-screen state: chosen from the View menu (or F11,
// Alt+Enter and Escape), remembered in the settings store between runs with
// the window's size and maximised state, and handed to the backend, which
// sizes the real window.
#include <optional>

#include "platform/backend.h"
#include "platform/types.h"

class Host;
class CCmdUI;

class CWindowMode {
 public:
  explicit CWindowMode(Host& host);

  // At start: the stored choices (made safe), or this run's from the command
  // line, which are not stored. Applies them. A zoom given on the command
  // line sizes the window; otherwise it opens as the player left it.
  void Restore(std::optional<int> zoom, std::optional<bool> fullscreen);
  // At the end of a run: the window's size and maximised state.
  void StorePlacement();
  // View > Zoom and View > Full Screen; false for other commands.
  bool OnCommand(UINT id);
  // Escape: back to a window when full screen; false when it was not.
  bool LeaveFullscreen();
  // Check marks of those commands; false for other commands.
  bool OnUpdateCommand(CCmdUI& cmdUI) const;

  int Zoom() const { return m_zoom; }  // 0 is Fit
  // Full screen by the program's choice or by the window manager's.
  bool Fullscreen() const;

 private:
  void Apply(WindowSizing sizing);
  void RestorePlacement();
  void Store();

  Host& m_host;
  int m_zoom = 0;
  bool m_fullscreen = false;
};
