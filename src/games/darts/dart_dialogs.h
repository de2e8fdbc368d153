#pragma once
// The darts game's two dialogs: the type of game (138) and the three throw
// settings on track bars (143). Their templates for the dialog engine, and
// the dialog classes that carry their data.
#include <span>

#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace darts {

const DialogTemplate& TypeOfGameTemplate();
const DialogTemplate& GameControlsTemplate();
std::span<const DialogTemplate* const> DartDialogTemplates();

class CTypeOfGameDlg : public CDialog {
 public:
  CTypeOfGameDlg();
  int m_nType = -1;  // 0 "301", 1 "501", 2 "Cricket"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CGameControlsDlg : public CDialog {
 public:
  CGameControlsDlg();
  int m_nAccuracy = 1;
  int m_nDrift = 4;
  int m_nVelocity = 1;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace darts
