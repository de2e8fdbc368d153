// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/web_input.h"

#include "platform/host.h"

UINT VirtualKeyFromBrowser(int keyCode) {
  if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) return static_cast<UINT>(keyCode);
  if (keyCode >= 0x60 && keyCode <= 0x69) return static_cast<UINT>('0' + keyCode - 0x60);  // the keypad's digits
  if (keyCode >= static_cast<int>(VK_F1) && keyCode < static_cast<int>(VK_F1) + 12) return static_cast<UINT>(keyCode);
  switch (keyCode) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_ESCAPE:
    case VK_SPACE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case 0x2D:  // Insert
    case VK_DELETE: return static_cast<UINT>(keyCode);
    default: return 0;
  }
}

namespace {

UINT MouseKeyFlags(const WebEvent& e) {
  UINT flags = 0;
  if (e.buttons & 1) flags |= MK_LBUTTON;
  if (e.buttons & 2) flags |= MK_RBUTTON;
  if (e.buttons & 4) flags |= MK_MBUTTON;
  if (e.shift) flags |= MK_SHIFT;
  if (e.ctrl) flags |= MK_CONTROL;
  return flags;
}

UINT ButtonMessage(int button, bool down) {
  switch (button) {
    case 0: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case 1: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    case 2: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default: return 0;
  }
}

}  // namespace

void PostWebEvent(Host& host, const WebEvent& e) {
  switch (e.kind) {
    case WebEvent::Kind::PointerMove: host.PostMouse(WM_MOUSEMOVE, e.x, e.y, MouseKeyFlags(e)); break;
    case WebEvent::Kind::PointerDown:
    case WebEvent::Kind::PointerUp: {
      const UINT message = ButtonMessage(e.button, e.kind == WebEvent::Kind::PointerDown);
      if (message != 0) host.PostMouse(message, e.x, e.y, MouseKeyFlags(e));
      break;
    }
    case WebEvent::Kind::Wheel: {
      // One notch is 120, positive away from the user, in the high word.
      const UINT delta = static_cast<UINT>(static_cast<WORD>(static_cast<short>(e.button * 120)));
      host.PostMouse(WM_MOUSEWHEEL, e.x, e.y, (delta << 16) | MouseKeyFlags(e));
      break;
    }
    case WebEvent::Kind::KeyDown:
    case WebEvent::Kind::KeyUp: {
      const UINT vk = VirtualKeyFromBrowser(e.code);
      if (vk == 0) break;
      const bool down = e.kind == WebEvent::Kind::KeyDown;
      host.PostKey(down ? WM_KEYDOWN : WM_KEYUP, vk, e.alt);
      // Keys that type no text still reach edit fields as characters.
      const char c = ControlCharFromVirtualKey(vk);
      if (down && c != 0 && !e.alt) host.PostKey(WM_CHAR, static_cast<UINT>(static_cast<unsigned char>(c)));
      break;
    }
    case WebEvent::Kind::Char:
      // Alt+letter is a menu key, not text; control characters come with their keys.
      if (!e.alt && e.code >= 0x20 && e.code != 0x7F && e.code <= 0x10FFFF) host.PostKey(WM_CHAR, static_cast<UINT>(e.code));
      break;
    case WebEvent::Kind::Focus: host.PostActivate(e.code != 0); break;
    case WebEvent::Kind::Hidden: host.PostMinimised(e.code != 0); break;
    case WebEvent::Kind::Close: host.PostClose(); break;
  }
}
