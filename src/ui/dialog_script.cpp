// SPDX-License-Identifier: GPL-3.0-or-later
// What a script does to an open dialog: the same clicks, keys and drags a
// user would make, plus letting time pass with the dialog on screen.
#include <algorithm>

#include "platform/utf8.h"
#include "ui/dialog.h"
#include "ui/dialog_private.h"
#include "ui/edit_logic.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"
#include "ui/trackbar_logic.h"

namespace {

constexpr UINT kWaitTimerId = 1;

}  // namespace

bool CDialog::Click(int ctrl) {
  const int i = IndexOf(ctrl);
  if (m_closed || i < 0) return false;
  const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
  if (!c.enabled || !c.visible || !c.IsButtonLike()) return false;
  SetFocusIndex(i, false);
  ClickIndex(i);
  return true;
}

bool CDialog::Check(int ctrl, int value) {
  const int i = IndexOf(ctrl);
  if (m_closed || i < 0) return false;
  DialogControl& c = m_controls[static_cast<std::size_t>(i)];
  if (!c.enabled || !c.visible || (c.kind != ControlKind::CheckBox && !IsRadio(c))) return false;
  if ((c.check != 0) == (value != 0)) return true;
  if (IsRadio(c) && value == 0) {
    // A click never clears a radio button; clearing it is direct.
    c.check = 0;
    NotifyChange(i, BN_CLICKED);
    return true;
  }
  return Click(ctrl);
}

bool CDialog::Text(int ctrl, std::string_view text) {
  const int i = IndexOf(ctrl);
  if (m_closed || i < 0) return false;
  DialogControl& c = m_controls[static_cast<std::size_t>(i)];
  if (!c.enabled || !c.visible || c.kind != ControlKind::Edit) return false;
  SetFocusIndex(i, true);
  bool changed = EditKey(c.edit, VK_DELETE, false);  // the selection: everything
  bool all = true;
  // Typed a character at a time, as the desktop delivers UTF-8 text.
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char ch = DecodeUtf8(text, at);
    if (ch.valid && EditTypeChar(c.edit, ch.code)) changed = true;
    else all = false;
    at += ch.length;
  }
  if (changed) NotifyChange(i, EN_CHANGE);
  return all;
}

bool CDialog::Track(int ctrl, int pos) {
  const int i = IndexOf(ctrl);
  if (m_closed || i < 0) return false;
  DialogControl& c = m_controls[static_cast<std::size_t>(i)];
  if (!c.enabled || !c.visible || c.kind != ControlKind::TrackBar) return false;
  SetFocusIndex(i, false);
  const int old = c.track.pos;
  TrackSetPos(c.track, pos);
  if (c.track.pos != old) NotifyChange(i, TB_CHANGED);
  return true;
}

std::optional<bool> CDialog::ControlEnabled(int ctrl) const {
  const DialogControl* c = GetDlgItem(ctrl);
  if (!c) return std::nullopt;
  return c->enabled;
}

void CDialog::Show() {
  if (m_closed || !m_pHost) return;
  if (!m_layer) {
    m_scriptLayer = std::make_unique<OverlayLayer>(*m_pHost);
    m_layer = m_scriptLayer.get();
    MarkDirty();
  }
  Present();
}

void CDialog::HideScripted() {
  if (!m_scriptLayer) return;
  m_layer = nullptr;
  m_scriptLayer->Close();
  m_scriptLayer.reset();
}

bool CDialog::Wait(DWORD ms) {
  if (m_closed || !m_pHost) return false;
  Show();
  Host& host = *m_pHost;
  // A timer of the dialog's own ends the wait; the modal loop meanwhile
  // serves paints and the chrome's timers (play stands still).
  bool due = ms == 0;
  const HWND hwnd = host.CreateWindow([](const MSG&) -> LRESULT { return 0; });
  if (!due) host.SetTimer(hwnd, kWaitTimerId, ms);
  const bool running = RunModalLoop(
      host, hwnd,
      [&](const MSG& msg) {
        if (msg.message == WM_TIMER) due = true;
        else HandleMessage(msg);
        if (!m_closed) Present();
      },
      [&] { return due || m_closed; });
  host.KillTimer(hwnd, kWaitTimerId);
  host.DestroyWindow(hwnd);
  return running && !m_closed;
}
