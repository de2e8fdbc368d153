// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ddx.h"

#include "platform/utf8.h"
#include "res/string_table.h"
#include "ui/dialog.h"
#include "ui/message_box.h"

void CDataExchange::Fail() {
  m_bFailed = true;
  if (m_idLastControl != 0) m_pDlgWnd->GotoDlgCtrl(m_idLastControl);
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
  if (pDX->m_bFailed) return;
  pDX->m_idLastControl = firstId;
  CDialog& dlg = *pDX->m_pDlgWnd;
  // The group is the run of radio buttons that starts at firstId.
  const auto& controls = dlg.Controls();
  std::size_t i = 0;
  while (i < controls.size() && controls[i].id != firstId) ++i;
  if (i == controls.size()) return;
  if (pDX->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (std::size_t j = i; j < controls.size() && controls[j].kind == ControlKind::RadioButton; ++j, ++index) {
    if (j > i && (controls[j].style & WS_GROUP)) break;
    if (pDX->m_bSaveAndValidate) {
      if (controls[j].check) value = index;
    } else {
      dlg.CheckDlgButton(controls[j].id, index == value ? 1 : 0);
    }
  }
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value) {
  if (pDX->m_bFailed) return;
  pDX->m_idLastControl = id;
  if (pDX->m_bSaveAndValidate) value = pDX->m_pDlgWnd->IsDlgButtonChecked(id) ? TRUE : FALSE;
  else pDX->m_pDlgWnd->CheckDlgButton(id, value ? 1 : 0);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  if (pDX->m_bFailed) return;
  pDX->m_idLastControl = id;
  if (pDX->m_bSaveAndValidate) value = pDX->m_pDlgWnd->GetDlgItemText(id);
  else pDX->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars) {
  if (pDX->m_bFailed) return;
  if (!pDX->m_bSaveAndValidate) {
    pDX->m_pDlgWnd->LimitText(pDX->m_idLastControl, maxChars);
    return;
  }
  if (static_cast<int>(CountUtf8Chars(value)) <= maxChars) return;  // characters, not bytes
  std::string text(LoadStringRes(AFX_IDP_PARSE_STRING_SIZE));
  const std::size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(maxChars));
  pDX->m_pDlgWnd->MessageBox(text, "", MB_OK | MB_ICONEXCLAMATION);
  pDX->Fail();
}

void DDX_Slider(CDataExchange* pDX, int id, int& value) {
  if (pDX->m_bFailed) return;
  pDX->m_idLastControl = id;
  if (pDX->m_bSaveAndValidate) value = pDX->m_pDlgWnd->GetTrackPos(id);
  else pDX->m_pDlgWnd->SetTrackPos(id, value);
}
