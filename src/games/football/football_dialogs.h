#pragma once
// The football game's two dialogs: the kind of game (play to 28, 40 or 54)
// and the pass controls on three track bars.
#include <span>

#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace football {

const DialogTemplate& TypeOfGameTemplate();
const DialogTemplate& GameControlsTemplate();
std::span<const DialogTemplate* const> FootballDialogTemplates();

class CFootballTypeDlg : public CDialog {
 public:
  CFootballTypeDlg();
  int m_nType = -1;  // 0 "Play to 28", 1 "Play to 40", 2 "Play to 54"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CFootballControlsDlg : public CDialog {
 public:
  CFootballControlsDlg();
  int m_nAccuracy = 1;
  int m_nDrift = 4;
  int m_nVelocity = 1;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace football
