#pragma once
// The two darts dialogs with their data: the kind of game, and the three
// throw settings on track bars.
#include "games/darts/model/dart_throw.h"
#include "ui/dialog.h"

namespace darts {

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
