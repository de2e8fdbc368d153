// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_input.h"

#include <string_view>

#include "platform/host.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/utf8.h"

namespace {

UINT MouseKeyFlags(Uint32 buttons) {
  UINT flags = 0;
  if (buttons & SDL_BUTTON_LMASK) flags |= MK_LBUTTON;
  if (buttons & SDL_BUTTON_RMASK) flags |= MK_RBUTTON;
  if (buttons & SDL_BUTTON_MMASK) flags |= MK_MBUTTON;
  const SDL_Keymod mods = SDL_GetModState();
  if (mods & KMOD_SHIFT) flags |= MK_SHIFT;
  if (mods & KMOD_CTRL) flags |= MK_CONTROL;
  return flags;
}

void PostButton(Host& host, const SDL_MouseButtonEvent& b, bool down, const SurfaceMapper& toSurface) {
  UINT message = 0;
  switch (b.button) {
    case SDL_BUTTON_LEFT: message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
    case SDL_BUTTON_RIGHT: message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
    case SDL_BUTTON_MIDDLE: message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
    default: return;
  }
  const POINT p = toSurface(b.x, b.y);
  host.PostMouse(message, p.x, p.y, MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr)));
}

// One notch is 120, positive away from the user, in the high word of wParam.
void PostWheel(Host& host, const SDL_MouseWheelEvent& w, const SurfaceMapper& toSurface) {
  const int notches = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y;
  if (notches == 0) return;
  int x = 0, y = 0;
  const Uint32 buttons = SDL_GetMouseState(&x, &y);
  const POINT p = toSurface(x, y);
  const UINT delta = static_cast<UINT>(static_cast<WORD>(static_cast<short>(notches * 120)));
  host.PostMouse(WM_MOUSEWHEEL, p.x, p.y, (delta << 16) | MouseKeyFlags(buttons));
}

void PostKeyEvent(Host& host, const SDL_KeyboardEvent& k, bool down) {
  const UINT vk = VirtualKeyFromSdl(k.keysym.sym);
  if (vk == 0) return;
  // Right Alt is AltGr on many layouts: it types characters, it opens no menus.
  const bool alt = (k.keysym.mod & KMOD_LALT) != 0 || k.keysym.sym == SDLK_LALT;
  host.PostKey(down ? WM_KEYDOWN : WM_KEYUP, vk, alt);
  // Keys that type no text still reach edit fields as characters.
  const char c = ControlCharFromVirtualKey(vk);
  if (down && c != 0 && !alt) host.PostKey(WM_CHAR, static_cast<UINT>(static_cast<unsigned char>(c)));
}

void PostText(Host& host, const char* utf8) {
  if (SDL_GetModState() & KMOD_LALT) return;  // Alt+letter is a menu key, not text
  // One character message per code point; the field decides what it takes.
  const std::string_view text(utf8);
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = DecodeUtf8(text, at);
    if (c.valid && c.code >= 0x20 && c.code != 0x7F) host.PostKey(WM_CHAR, static_cast<UINT>(c.code));
    at += c.length;
  }
}

}  // namespace

bool PostSdlInput(Host& host, const SDL_Event& e, const SurfaceMapper& toSurface) {
  switch (e.type) {
    case SDL_MOUSEMOTION: {
      const POINT p = toSurface(e.motion.x, e.motion.y);
      host.PostMouse(WM_MOUSEMOVE, p.x, p.y, MouseKeyFlags(e.motion.state));
      return true;
    }
    case SDL_MOUSEBUTTONDOWN: PostButton(host, e.button, true, toSurface); return true;
    case SDL_MOUSEBUTTONUP: PostButton(host, e.button, false, toSurface); return true;
    case SDL_MOUSEWHEEL: PostWheel(host, e.wheel, toSurface); return true;
    case SDL_KEYDOWN: PostKeyEvent(host, e.key, true); return true;
    case SDL_KEYUP: PostKeyEvent(host, e.key, false); return true;
    case SDL_TEXTINPUT: PostText(host, e.text.text); return true;
    default: return false;
  }
}

void PostSdlWindowState(Host& host, Uint8 windowEvent) {
  // A real-time game stands still while the player is away from the window.
  switch (windowEvent) {
    case SDL_WINDOWEVENT_FOCUS_LOST: host.PostActivate(false); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: host.PostActivate(true); break;
    case SDL_WINDOWEVENT_MINIMIZED: host.PostMinimised(true); break;
    case SDL_WINDOWEVENT_RESTORED: host.PostMinimised(false); break;
    default: break;
  }
}

std::string SdlClipboardText() {
  if (!SDL_HasClipboardText()) return {};
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return {};
  std::string out = text;
  SDL_free(text);
  return out;
}

void SetSdlClipboardText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }
