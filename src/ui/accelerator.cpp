// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accelerator.h"

namespace {

constexpr LPARAM kAltContext = LPARAM{1} << 29;

}  // namespace

UINT MatchAccelerator(std::span<const AccelDef> table, const MSG& msg, bool ctrl, bool shift) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return 0;
  const bool alt = msg.message == WM_SYSKEYDOWN || (msg.lParam & kAltContext) != 0;
  for (const AccelDef& a : table) {
    if (a.key != msg.wParam) continue;
    if (((a.fVirt & FCONTROL) != 0) != ctrl || ((a.fVirt & FSHIFT) != 0) != shift ||
        ((a.fVirt & FALT) != 0) != alt)
      continue;
    return a.cmd;
  }
  return 0;
}

bool TranslateAccelerator(Host& host, HWND frame, std::span<const AccelDef> table, const MSG& msg,
                          const UpdateCommandHook& update) {
  const UINT cmd = MatchAccelerator(table, msg, host.IsKeyDown(VK_CONTROL), host.IsKeyDown(VK_SHIFT));
  if (cmd == 0) return false;
  if (QueryCommandState(update, cmd).m_bEnabled) host.PostMessage(frame, WM_COMMAND, cmd, 0);
  return true;
}
