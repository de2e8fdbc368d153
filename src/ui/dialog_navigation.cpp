// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard focus goes: tab stops, radio groups, mnemonics, and
// what clicking a control does to it and its group.
#include <algorithm>

#include "res/resource_ids.h"
#include "ui/dialog.h"
#include "ui/dialog_private.h"
#include "ui/edit_logic.h"
#include "ui/ui_text.h"

void CDialog::SetFocusIndex(int index, bool selectAll) {
  m_focus = index;
  if (index >= 0) {
    DialogControl& c = m_controls[static_cast<std::size_t>(index)];
    if (c.kind == ControlKind::Edit && selectAll) EditSelectAll(c.edit);
  }
  MarkDirty();
}

int CDialog::GroupStart(int index) const {
  while (index > 0 && !(m_controls[static_cast<std::size_t>(index)].style & WS_GROUP)) --index;
  return index;
}

int CDialog::GroupEnd(int index) const {
  const int n = static_cast<int>(m_controls.size());
  ++index;
  while (index < n && !(m_controls[static_cast<std::size_t>(index)].style & WS_GROUP)) ++index;
  return index;
}

int CDialog::NextTabStop(int from, bool backwards) const {
  const int n = static_cast<int>(m_controls.size());
  if (n == 0) return -1;
  // A radio group is one tab stop: Tab lands on its checked button.
  auto target = [&](int i) -> int {
    const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
    if (!IsRadio(c)) return (c.CanFocus() && (c.style & WS_TABSTOP)) ? i : -1;
    const int start = GroupStart(i), end = GroupEnd(i);
    bool anyTab = false;
    for (int j = start; j < end; ++j) anyTab = anyTab || (m_controls[static_cast<std::size_t>(j)].style & WS_TABSTOP);
    if (!anyTab || i != start) return -1;  // visit the group once, at its start
    for (int j = start; j < end; ++j) {
      const DialogControl& r = m_controls[static_cast<std::size_t>(j)];
      if (IsRadio(r) && r.check && r.CanFocus()) return j;
    }
    for (int j = start; j < end; ++j)
      if (m_controls[static_cast<std::size_t>(j)].CanFocus()) return j;
    return -1;
  };
  int i = from < 0 ? (backwards ? 0 : n - 1) : from;
  // From inside a radio group, step from its start so the group counts once.
  if (from >= 0 && IsRadio(m_controls[static_cast<std::size_t>(from)]) && !backwards) i = GroupEnd(from) - 1;
  if (from >= 0 && IsRadio(m_controls[static_cast<std::size_t>(from)]) && backwards) i = GroupStart(from);
  for (int step = 0; step < n; ++step) {
    i = backwards ? (i - 1 + n) % n : (i + 1) % n;
    const int t = target(i);
    if (t >= 0) return t;
  }
  return from;
}

int CDialog::NextInGroup(int index, bool backwards, bool radiosOnly) const {
  const int start = GroupStart(index), end = GroupEnd(index);
  const int n = end - start;
  int i = index;
  for (int step = 0; step < n; ++step) {
    i = start + ((i - start + (backwards ? n - 1 : 1)) % n);
    const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
    if (c.CanFocus() && (!radiosOnly || IsRadio(c))) return i;
  }
  return index;
}

int CDialog::DefaultButtonIndex() const {
  for (std::size_t i = 0; i < m_controls.size(); ++i)
    if (m_controls[i].kind == ControlKind::DefPushButton) return static_cast<int>(i);
  return IndexOf(IDOK);
}

// --- Clicking ------------------------------------------------------------------------

void CDialog::ClickIndex(int index) {
  if (index < 0 || m_closed) return;
  DialogControl& c = m_controls[static_cast<std::size_t>(index)];
  if (!c.enabled || !c.visible) return;
  switch (c.kind) {
    case ControlKind::CheckBox:
      c.check = c.check ? 0 : 1;
      break;
    case ControlKind::RadioButton: {
      const int start = GroupStart(index), end = GroupEnd(index);
      for (int j = start; j < end; ++j) {
        DialogControl& r = m_controls[static_cast<std::size_t>(j)];
        if (IsRadio(r)) r.check = j == index ? 1 : 0;
      }
      break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      break;
    default:
      return;
  }
  MarkDirty();
  if (c.id == IDOK && c.IsPushButton()) OnOK();
  else if (c.id == IDCANCEL && c.IsPushButton()) OnCancel();
  else OnCommand(c.id, BN_CLICKED);
}

void CDialog::NotifyChange(int index, UINT code) {
  MarkDirty();
  OnCommand(m_controls[static_cast<std::size_t>(index)].id, code);
}

void CDialog::ActivateMnemonic(char key) {
  const int n = static_cast<int>(m_controls.size());
  const int from = std::max(m_focus, 0);
  for (int step = 1; step <= n; ++step) {
    const int i = (from + step) % n;
    const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
    if (!c.visible || c.kind == ControlKind::Edit || c.kind == ControlKind::TrackBar) continue;
    if ((c.style & SS_NOPREFIX) || MnemonicKey(c.text) != key) continue;
    if (c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox) {
      // A label hands the focus to the control that follows it.
      for (int k = 1; k < n; ++k) {
        const int j = (i + k) % n;
        if (m_controls[static_cast<std::size_t>(j)].CanFocus()) {
          SetFocusIndex(j, true);
          return;
        }
      }
      return;
    }
    if (!c.enabled) continue;
    SetFocusIndex(i, false);
    ClickIndex(i);
    return;
  }
}
