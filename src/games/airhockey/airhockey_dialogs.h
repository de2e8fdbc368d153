// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The air hockey controls dialog: one track bar for the game speed.
#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace airhockey {

const DialogTemplate& GameControlsTemplate();

class CGameControlsDlg : public CDialog {
 public:
  CGameControlsDlg();
  int m_nSpeed = 8;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace airhockey
