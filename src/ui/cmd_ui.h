// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command enabling and check marks. Before a menu opens, and for the tool
// bar's buttons when the program is idle, each command is offered to an
// update hook with a CCmdUI; the hook enables, disables or checks it.
#include <functional>

#include "platform/types.h"

class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : m_nID(id) {}

  void Enable(BOOL bOn = TRUE) { m_bEnabled = bOn ? TRUE : FALSE; }
  void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }

  UINT m_nID;
  BOOL m_bEnabled = TRUE;  // commands are enabled unless the hook says otherwise
  int m_nCheck = 0;        // 0 unchecked, 1 checked
};

using UpdateCommandHook = std::function<void(CCmdUI&)>;

// Runs the hook (if any) for one command and returns the result.
inline CCmdUI QueryCommandState(const UpdateCommandHook& hook, UINT id) {
  CCmdUI state(id);
  if (hook) hook(state);
  return state;
}
