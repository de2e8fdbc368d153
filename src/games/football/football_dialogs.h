// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The football game's two dialogs: the kind of game (play to 28, 40 or 54)
// and the pass controls on three track bars.
#include <span>

#include "game/throw_dialogs.h"

namespace football {

const DialogTemplate& TypeOfGameTemplate();
const DialogTemplate& GameControlsTemplate();
std::span<const DialogTemplate* const> FootballDialogTemplates();

class CFootballTypeDlg : public CThreeWayChoiceDlg {
 public:
  CFootballTypeDlg();  // m_nType: 0 "Play to 28", 1 "Play to 40", 2 "Play to 54"
};

class CFootballControlsDlg : public CThrowControlsDlg {
 public:
  CFootballControlsDlg();
};

}  // namespace football
