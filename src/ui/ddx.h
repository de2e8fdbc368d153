// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog data exchange: DoDataExchange lists which member goes with which
// control; the same list loads the controls (bSaveAndValidate FALSE) and
// reads and validates them (TRUE). Disabled controls take part as well.
#include <string>

#include "platform/types.h"

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog* pDlg, BOOL bSaveAndValidate) : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}
  // Marks the exchange failed and puts the focus on the last control named.
  void Fail();
  bool Failed() const { return m_bFailed; }

  CDialog* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
  int m_idLastControl = 0;
  bool m_bFailed = false;
};

// A radio group starting at `firstId`: the index of the checked button (-1: none).
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Loading limits the field to `maxChars`; saving refuses a longer text with
// the message "Please enter no more than N characters.".
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);
void DDX_Slider(CDataExchange* pDX, int id, int& value);
