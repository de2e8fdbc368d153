// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in a dialog: Tab and the arrows move the focus, Enter and
// Escape close it, Space presses buttons, and the focused edit field or
// track bar takes the rest.
#include "ui/dialog.h"
#include "ui/dialog_private.h"
#include "ui/edit_logic.h"
#include "ui/trackbar_logic.h"

namespace {

bool IsLetterOrDigit(UINT vk) { return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'); }

}  // namespace

void CDialog::OnKey(UINT vk, bool alt) {
  if (alt) {
    if (IsLetterOrDigit(vk)) ActivateMnemonic(static_cast<char>(vk));
    return;
  }
  if (OnKeyDown(vk) || m_closed) return;
  if (OnDialogKey(vk)) return;
  OnFocusedControlKey(vk);
}

bool CDialog::OnDialogKey(UINT vk) {
  DialogControl* focus = m_focus >= 0 ? &m_controls[static_cast<std::size_t>(m_focus)] : nullptr;
  switch (vk) {
    case VK_TAB:
      SetFocusIndex(NextTabStop(m_focus, m_shift), true);
      return true;
    case VK_RETURN: {
      if (focus && focus->IsPushButton()) ClickIndex(m_focus);
      else if (const int def = DefaultButtonIndex(); def >= 0) ClickIndex(def);
      else OnOK();
      return true;
    }
    case VK_ESCAPE:
      if (CanCancel()) OnCancel();
      return true;
    case VK_SPACE:
      if (focus && focus->IsButtonLike()) {
        m_spaceDown = true;
        m_pressed = m_focus;
        MarkDirty();
      }
      return true;
    default:
      return false;
  }
}

void CDialog::OnFocusedControlKey(UINT vk) {
  DialogControl* focus = m_focus >= 0 ? &m_controls[static_cast<std::size_t>(m_focus)] : nullptr;
  if (!focus) return;
  if (focus->kind == ControlKind::Edit) {
    if (m_ctrl && OnEditShortcut(m_focus, vk)) return;
    bool handled = false;
    if (EditKey(focus->edit, vk, m_shift, &handled)) NotifyChange(m_focus, EN_CHANGE);
    else if (handled) MarkDirty();
    return;
  }
  if (focus->kind == ControlKind::TrackBar) {
    bool moved = false;
    TrackKey(focus->track, vk, &moved);
    if (moved) NotifyChange(m_focus, TB_CHANGED);
    return;
  }
  const bool back = vk == VK_LEFT || vk == VK_UP;
  if (back || vk == VK_RIGHT || vk == VK_DOWN) {
    const int next = NextInGroup(m_focus, back, IsRadio(*focus));
    if (next != m_focus) {
      SetFocusIndex(next, false);
      // Arrows in a radio group check what they move to.
      if (IsRadio(m_controls[static_cast<std::size_t>(next)])) ClickIndex(next);
    }
    return;
  }
  if (IsLetterOrDigit(vk)) ActivateMnemonic(static_cast<char>(vk));
}
