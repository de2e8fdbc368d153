// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The darts game's two dialogs: the type of game (138) and the three throw
// settings on track bars (143).
#include <span>

#include "game/throw_dialogs.h"

namespace darts {

const DialogTemplate& TypeOfGameTemplate();
const DialogTemplate& GameControlsTemplate();
std::span<const DialogTemplate* const> DartDialogTemplates();

// The kind of game, and under it double out (301 and 501) and double in (301).
class CTypeOfGameDlg : public CThreeWayChoiceDlg {
 public:
  CTypeOfGameDlg();  // m_nType: 0 "301", 1 "501", 2 "Cricket"
  BOOL m_bDoubleOut = FALSE;
  BOOL m_bDoubleIn = FALSE;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CGameControlsDlg : public CThrowControlsDlg {
 public:
  CGameControlsDlg();
};

}  // namespace darts
