// SPDX-License-Identifier: GPL-3.0-or-later
// A window that listens while a ball rolls: paints, the menu bar and the
// tool bar are served at once; the close box and Quit Game ask their
// question at once; every other command, and the user's next press once the
// pins have settled, waits in order for the roll's end instead of being lost.
#include "game/turn_state.h"
#include "games/bowling/bowl.h"
#include "platform/host.h"
#include "res/resource_ids.h"

using namespace bowling;

namespace {

constexpr DWORD kListenSliceMs = 5;

bool IsMouseMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }

}  // namespace

DWORD CBowl::TakeHeldTime() {
  const DWORD held = m_dwHeld;
  m_dwHeld = 0;
  return held;
}

bool CBowl::TakeRollMessages(RollPhase phase) {
  Host& host = GetHost();
  MSG msg;
  while (host.PeekMessage(&msg, true)) {
    const DWORD before = host.GetTickCount();
    bool now = false;  // dispatch at once rather than keep for the roll's end
    bool keep = true;
    switch (msg.message) {
      case WM_PAINT:
      case WM_TIMER:
      case WM_NCLBUTTONDOWN:
      case WM_NCMOUSEMOVE:
      case WM_NCLBUTTONUP:
      case WM_SYSKEYDOWN:
      case WM_SYSKEYUP:
      case WM_SYSCHAR:
        now = true;  // the window's own business: the menu opens over the standing roll
        break;
      case WM_CLOSE:
        now = true;  // closing the window asks first, as quitting the game does
        break;
      case WM_COMMAND: {
        const UINT id = LOWORD(static_cast<DWORD>(msg.wParam));
        now = id == ID_GAME_QUITGAME || id == ID_APP_EXIT;  // these ask at once
        break;
      }
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
          Turn().m_bEscape = TRUE;
          keep = false;
        }
        break;
      case WM_QUIT:
        break;  // handed back to the main loop with the rest
      default:
        if (IsMouseMessage(msg.message)) {
          if (msg.hwnd != host.ViewWindow())
            now = true;  // the tool bar
          else
            keep = phase == RollPhase::Settled;  // a click at the rolling ball is lost; the next swing is not
        }
        break;
    }
    if (now)
      Services().DispatchOne(msg);
    else if (keep)
      m_deferred.push_back(msg);
    m_dwHeld += host.GetTickCount() - before;
    if (!IsCurrentGame() || !SceneIsOurs()) return false;
  }
  return true;
}

bool CBowl::WaitListening(DWORD due, RollPhase phase) {
  Host& host = GetHost();
  for (;;) {
    if (!TakeRollMessages(phase)) return false;
    due += TakeHeldTime();  // a question on screen holds the clock
    const DWORD now = host.GetTickCount();
    if (now >= due) return true;
    host.WaitUntil(std::min<DWORD>(due, now + kListenSliceMs));
  }
}

void CBowl::ReleaseDeferred() {
  Host& host = GetHost();
  std::vector<MSG> waiting;
  waiting.swap(m_deferred);
  for (const MSG& msg : waiting) {
    if (msg.message == WM_QUIT)
      host.PostQuitMessage(static_cast<int>(msg.wParam));
    else
      host.PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  }
}
