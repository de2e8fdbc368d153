// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and keyboard input: where each event goes, as a real window system
// would route it, plus capture, cursors, layout and modal layers.
#include "platform/host.h"

#include <algorithm>

namespace {

bool IsClientMouseMessage(UINT message) { return message >= WM_MOUSEMOVE && message <= WM_MBUTTONUP; }

// WM_LBUTTONDOWN and friends have non-client twins at a fixed distance.
UINT NonClientTwin(UINT message) { return message - WM_MOUSEMOVE + WM_NCMOUSEMOVE; }

// A key message's lParam: the repeat count in bits 0..15, Alt held (29),
// the key was already down (30), the key is being released (31).
constexpr LPARAM kRepeatOnce = 1;
constexpr LPARAM kAltContext = LPARAM{1} << 29;
constexpr LPARAM kWasDown = LPARAM{1} << 30;
constexpr LPARAM kReleasing = LPARAM{1} << 31;

bool IsKeyDownMessage(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }
bool IsKeyUpMessage(UINT message) { return message == WM_KEYUP || message == WM_SYSKEYUP; }

}  // namespace

void Host::PostMouse(UINT message, int surfaceX, int surfaceY, UINT keyFlags) {
  m_cursorPos = POINT{surfaceX, surfaceY};
  const LPARAM surfacePos = MAKELPARAM(surfaceX, surfaceY);
  HWND target = HWND_NONE;
  LPARAM pos = surfacePos;
  UINT msg = message;

  if (ModalLayer() != HWND_NONE) {
    target = ModalLayer();
  } else if (m_capture != HWND_NONE) {
    target = m_capture;
    if (m_capture == m_view) pos = MAKELPARAM(surfaceX - m_viewRect.left, surfaceY - m_viewRect.top);
  } else if (m_view != HWND_NONE && m_viewRect.PtInRect(POINT{surfaceX, surfaceY})) {
    target = m_view;
    pos = MAKELPARAM(surfaceX - m_viewRect.left, surfaceY - m_viewRect.top);
  } else {
    target = m_frame;
    if (m_menuBarRect.PtInRect(POINT{surfaceX, surfaceY}) && IsClientMouseMessage(message))
      msg = NonClientTwin(message);
  }
  if (target == HWND_NONE) return;
  if (m_input && !m_input->LetUserInput(MSG{target, msg, keyFlags, pos, 0})) return;

  // Like a real queue, keep only the newest of consecutive pointer moves.
  if ((msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE) && !m_queue.empty() && m_queue.back().message == msg &&
      m_queue.back().hwnd == target) {
    m_queue.back().wParam = keyFlags;
    m_queue.back().lParam = pos;
    m_queue.back().time = GetTickCount();
    return;
  }
  PostMessage(target, msg, keyFlags, pos);
}

LPARAM Host::KeyMessageParam(UINT message, UINT vk, bool altDown) {
  // Each message stands for one press; a held key's auto-repeat comes as
  // further key-downs with the was-down bit set.
  LPARAM lParam = kRepeatOnce | (altDown ? kAltContext : 0);
  const bool known = vk < m_keyPosted.size();
  if (IsKeyUpMessage(message)) {
    lParam |= kWasDown | kReleasing;
    if (known) m_keyPosted[vk] = false;
  } else if (IsKeyDownMessage(message) && known) {
    if (m_keyPosted[vk]) lParam |= kWasDown;
    m_keyPosted[vk] = true;
  }
  return lParam;
}

void Host::PostKey(UINT message, UINT vk, bool altDown) {
  const LPARAM lParam = KeyMessageParam(message, vk, altDown);
  if (ModalLayer() != HWND_NONE) {
    PostMessage(ModalLayer(), message, vk, lParam);
    return;
  }
  if (altDown) {
    // Alt combinations belong to the frame: its menu bar takes them.
    UINT sys = message;
    if (message == WM_KEYDOWN) sys = WM_SYSKEYDOWN;
    if (message == WM_KEYUP) sys = WM_SYSKEYUP;
    if (message == WM_CHAR) sys = WM_SYSCHAR;
    if (m_frame != HWND_NONE) PostMessage(m_frame, sys, vk, lParam);
    return;
  }
  const HWND target = m_focus != HWND_NONE ? m_focus : m_frame;
  if (m_input && !m_input->LetUserInput(MSG{target, message, vk, lParam, 0})) return;
  if (target != HWND_NONE) PostMessage(target, message, vk, lParam);
}

void Host::PostClose() {
  if (m_frame != HWND_NONE) PostMessage(m_frame, WM_CLOSE);
}

void Host::PostEndSession() {
  if (m_frame != HWND_NONE) PostMessage(m_frame, WM_ENDSESSION, 1);
}

void Host::PostActivate(bool active) {
  if (m_frame != HWND_NONE) PostMessage(m_frame, WM_ACTIVATEAPP, active ? 1 : 0);
}

void Host::PostMinimised(bool minimised) {
  if (m_frame != HWND_NONE) PostMessage(m_frame, WM_SIZE, minimised ? SIZE_MINIMIZED : SIZE_RESTORED);
}

void Host::SetCapture(HWND hwnd) {
  m_capture = hwnd;
  m_backend->SetMouseCapture(hwnd != HWND_NONE);
}

void Host::ReleaseCapture() {
  if (m_capture == HWND_NONE) return;
  m_capture = HWND_NONE;
  m_backend->SetMouseCapture(false);
}

void Host::SetCursor(int id) {
  ++m_cursorRequests;
  if (id == m_cursorId) return;
  m_cursorId = id;
  CursorImage image;
  const bool known = id != 0 && CursorImage::Parse(m_resources.Find(ResKind::Cursor, static_cast<UINT>(id)), &image);
  m_backend->SetCursor(id, known ? &image : nullptr);
}

void Host::SetLayout(int width, int height, const CRect& viewRect, const CRect& menuBarRect) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (m_surface.Width() != width || m_surface.Height() != height) {
    m_surface.Resize(width, height, 0);
    m_overlay.Resize(width, height, 0);
  }
  // Chrome and view move: everything is drawn and shown anew.
  m_damage.AddAll(m_surface.Bounds());
  m_viewRect = viewRect;
  m_menuBarRect = menuBarRect;
}

void Host::PushModalLayer(HWND hwnd) {
  if (hwnd == HWND_NONE) return;
  m_modal.push_back(hwnd);
  HoldPlay(PlayHold::Modal, true);
}

void Host::PopModalLayer(HWND hwnd) {
  const auto it = std::find(m_modal.rbegin(), m_modal.rend(), hwnd);
  if (it != m_modal.rend()) m_modal.erase(std::next(it).base());
  HoldPlay(PlayHold::Modal, !m_modal.empty());
}

namespace {

bool IsTypedChar(UINT message) { return message == WM_CHAR || message == WM_SYSCHAR; }
bool IsPress(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
}
// A character typed by key `vk`: letters in either case, digits, Enter, Escape.
bool TypedBy(WPARAM ch, UINT vk) {
  const WPARAM upper = ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch;
  return upper == vk;
}

}  // namespace

void Host::DropTypedKey(UINT vk) {
  // Backends that queue the key and its character together have it queued already.
  for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
    if (IsTypedChar(it->message)) {
      if (TypedBy(it->wParam, vk)) {
        m_queue.erase(it);
        return;
      }
      break;
    }
    if (IsPress(it->message)) break;
  }
  m_dropTypedKey = vk;  // the page hands the character over after the key
}

bool Host::TakesSpentKey(const MSG& msg) {
  if (IsTypedChar(msg.message)) {
    const bool spent = TypedBy(msg.wParam, m_dropTypedKey);
    m_dropTypedKey = 0;
    return spent;
  }
  if (IsPress(msg.message)) m_dropTypedKey = 0;
  return false;
}
