// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The basketball dialogs: the templates for the dialog engine (type of game
// 139, game controls 353) and the classes that carry their data.
#include <span>

#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace basketball {

const DialogTemplate& TypeOfGameTemplate();
const DialogTemplate& GameControlsTemplate();
std::span<const DialogTemplate* const> BasketballDialogTemplates();

class CBasketTypeDlg : public CDialog {
 public:
  CBasketTypeDlg();
  int m_nType = -1;  // 0 "Timed", 1 "Practice", 2 "Play to 40"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CBasketControlsDlg : public CDialog {
 public:
  CBasketControlsDlg();
  int m_nTimePos = 2;   // 1..3: 30, 60 or 90 seconds
  int m_nBoardPos = 1;  // 0..4: not at all .. all of the time

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace basketball
