// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog's controls as its code sees them: finding them by id and
// reading or setting their text, checks, enabling and track-bar values.
#include "ui/dialog.h"
#include "platform/i18n.h"
#include "ui/edit_logic.h"
#include "ui/trackbar_logic.h"

int CDialog::IndexOf(int id) const {
  for (std::size_t i = 0; i < m_controls.size(); ++i)
    if (m_controls[i].id == id) return static_cast<int>(i);
  return -1;
}

DialogControl* CDialog::GetDlgItem(int id) {
  const int i = IndexOf(id);
  return i < 0 ? nullptr : &m_controls[static_cast<std::size_t>(i)];
}

const DialogControl* CDialog::GetDlgItem(int id) const {
  const int i = IndexOf(id);
  return i < 0 ? nullptr : &m_controls[static_cast<std::size_t>(i)];
}

void CDialog::EnableDlgItem(int id, BOOL enable) {
  DialogControl* c = GetDlgItem(id);
  if (!c || c->enabled == (enable != FALSE)) return;
  c->enabled = enable != FALSE;
  if (!c->enabled && m_focus == IndexOf(id)) {
    // The focus never stays on a disabled control.
    const int next = NextTabStop(m_focus, false);
    SetFocusIndex(next == m_focus ? -1 : next, false);
  }
  MarkDirty();
}

BOOL CDialog::IsDlgItemEnabled(int id) const {
  const DialogControl* c = GetDlgItem(id);
  return c && c->enabled ? TRUE : FALSE;
}

void CDialog::CheckDlgButton(int id, int check) {
  if (DialogControl* c = GetDlgItem(id)) {
    c->check = check;
    MarkDirty();
  }
}

int CDialog::IsDlgButtonChecked(int id) const {
  const DialogControl* c = GetDlgItem(id);
  return c ? c->check : 0;
}

void CDialog::CheckRadioButton(int first, int last, int checkId) {
  for (DialogControl& c : m_controls)
    if (c.id >= first && c.id <= last) c.check = c.id == checkId ? 1 : 0;
  MarkDirty();
}

int CDialog::GetCheckedRadioButton(int first, int last) const {
  for (const DialogControl& c : m_controls)
    if (c.id >= first && c.id <= last && c.check) return c.id;
  return 0;
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
  DialogControl* c = GetDlgItem(id);
  if (!c) return;
  if (c->kind == ControlKind::Edit) EditSetText(c->edit, text);
  else c->text = TrShown(text);  // a label, shown in the player's language
  MarkDirty();
}

std::string CDialog::GetDlgItemText(int id) const {
  const DialogControl* c = GetDlgItem(id);
  if (!c) return {};
  return c->kind == ControlKind::Edit ? c->edit.text : c->text;
}

void CDialog::LimitText(int id, int chars) {
  if (DialogControl* c = GetDlgItem(id)) EditSetLimit(c->edit, chars);
}

void CDialog::SetTrackRange(int id, int min, int max) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetRange(c->track, min, max);
    MarkDirty();
  }
}

void CDialog::SetTrackPos(int id, int pos) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetPos(c->track, pos);
    MarkDirty();
  }
}

int CDialog::GetTrackPos(int id) const {
  const DialogControl* c = GetDlgItem(id);
  return c ? c->track.pos : 0;
}

void CDialog::SetTrackTic(int id, int pos) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetTic(c->track, pos);
    MarkDirty();
  }
}

void CDialog::SetTrackTicFreq(int id, int freq) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetTicFreq(c->track, freq);
    MarkDirty();
  }
}

void CDialog::SetTrackPageSize(int id, int size) {
  if (DialogControl* c = GetDlgItem(id)) TrackSetPageSize(c->track, size);
}

void CDialog::GotoDlgCtrl(int id) {
  const int i = IndexOf(id);
  if (i >= 0 && m_controls[static_cast<std::size_t>(i)].CanFocus()) SetFocusIndex(i, true);
}

int CDialog::GetFocusId() const { return m_focus < 0 ? 0 : m_controls[static_cast<std::size_t>(m_focus)].id; }
