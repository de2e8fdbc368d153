// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Pool Game Controls dialog: whether the aim guide and cue stick show.
#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace pool {

inline constexpr UINT kControlsDialog = 444;
inline constexpr int kCheckAimGuide = 1030;
inline constexpr const char* kSettingsSection = "Pool";
inline constexpr const char* kAimGuideKey = "AimGuide";

const DialogTemplate& GameControlsTemplate();

class CPoolControlsDlg : public CDialog {
 public:
  CPoolControlsDlg();
  BOOL m_bShowGuide = TRUE;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace pool
