// SPDX-License-Identifier: GPL-3.0-or-later
// What a modern desktop expects of a name field beyond the classic keys:
// select all, the clipboard, and a double-click that selects a word.
#include <cstdlib>

#include "ui/dialog.h"
#include "ui/edit_logic.h"

namespace {

// Two presses this close in time and place make a double-click.
constexpr DWORD kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;

}  // namespace

bool CDialog::OnEditShortcut(int index, UINT vk) {
  if (m_pHost == nullptr) return false;
  DialogControl& c = m_controls[static_cast<std::size_t>(index)];
  Backend& backend = m_pHost->GetBackend();
  switch (vk) {
    case 'A':
      EditSelectAll(c.edit);
      MarkDirty();
      return true;
    case 'C':
    case 'X':
      if (!EditHasSelection(c.edit)) return true;
      // The field holds UTF-8, as the desktop's clipboard does.
      backend.SetClipboardText(EditSelectedText(c.edit));
      if (vk == 'X' && EditDeleteSelection(c.edit)) NotifyChange(index, EN_CHANGE);
      return true;
    case 'V':
      if (EditPaste(c.edit, backend.ClipboardText())) NotifyChange(index, EN_CHANGE);
      else MarkDirty();
      return true;
    default:
      return false;
  }
}

bool CDialog::IsDoubleClick(int index, CPoint p, DWORD time) {
  const bool twice = index == m_lastClick.index && time - m_lastClick.time <= kDoubleClickMs &&
                     std::abs(p.x - m_lastClick.point.x) <= kDoubleClickSlop &&
                     std::abs(p.y - m_lastClick.point.y) <= kDoubleClickSlop;
  // A third press starts afresh rather than making a second double-click.
  m_lastClick = twice ? LastClick{} : LastClick{index, p, time};
  return twice;
}

void CDialog::FollowTextField() {
  if (!m_pHost) return;
  CRect field;
  if (!m_closed && m_focus >= 0) {
    const DialogControl& c = m_controls[static_cast<std::size_t>(m_focus)];
    if (c.kind == ControlKind::Edit && c.visible && c.enabled) field = ControlRect(c.id);
  }
  if (field == m_textField) return;
  m_textField = field;
  m_pHost->GetBackend().SetTextField(field);
}
