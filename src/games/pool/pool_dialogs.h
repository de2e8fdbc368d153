// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Pool Game Controls dialog: whether the aim guide and cue stick show.
#include <span>

#include "game/throw_dialogs.h"
#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace pool {

inline constexpr UINT kControlsDialog = 444;
inline constexpr int kCheckAimGuide = 1030;
inline constexpr const char* kSettingsSection = "Pool";
inline constexpr const char* kAimGuideKey = "AimGuide";

inline constexpr UINT kTypeOfGameDialog = 445;
inline constexpr int kRadioClassic = 1031;
inline constexpr int kRadioStandard = 1032;
inline constexpr int kRadioNineBall = 1033;

const DialogTemplate& GameControlsTemplate();
const DialogTemplate& TypeOfGameTemplate();
std::span<const DialogTemplate* const> PoolDialogTemplates();

// m_nType: 0 "Classic 8-ball", 1 "Standard 8-ball", 2 "9-ball".
class CPoolTypeDlg : public CThreeWayChoiceDlg {
 public:
  CPoolTypeDlg();
};

class CPoolControlsDlg : public CDialog {
 public:
  CPoolControlsDlg();
  BOOL m_bShowGuide = TRUE;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace pool
