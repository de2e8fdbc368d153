// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/modal_loop.h"

#include <vector>

bool IsInputMessage(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDOWN + 2);
}

bool RunModalLoop(Host& host, HWND layer, const std::function<void(const MSG&)>& onMessage,
                  const std::function<bool()>& done) {
  host.PushModalLayer(layer);
  std::vector<MSG> deferred;
  bool quitting = false;
  while (!done()) {
    MSG msg;
    if (!host.GetMessage(&msg)) {
      quitting = true;
      host.PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.hwnd == layer) {
      // Menus and dialogs show the arrow, whatever the window beneath chose.
      if (msg.message == WM_MOUSEMOVE) host.SetCursor(0);
      onMessage(msg);
    } else if (msg.message == WM_TIMER || msg.message == WM_PAINT || msg.message == WM_CLOSE) {
      host.DispatchMessage(msg);
    } else if (!IsInputMessage(msg.message)) {
      deferred.push_back(msg);  // e.g. a command or a computer turn: after the layer
    }
    // Input queued for other windows before the layer opened is blocked.
  }
  host.PopModalLayer(layer);
  for (const MSG& m : deferred) host.PostMessage(m.hwnd, m.message, m.wParam, m.lParam);
  return !quitting;
}
