// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Bowling Controls dialog: Spin and Pin Interaction on track bars, and
// under Spin a drawn lane for each position with the hook it gives.
#include "res/dialog_template.h"
#include "ui/dialog.h"

namespace bowling {

const DialogTemplate& ControlsTemplate();

class CBowlControlsDlg : public CDialog {
 public:
  CBowlControlsDlg();
  int m_nSpin = 0;
  int m_nPinInteraction = 0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // A small lane under each Spin position with the line a held key gives.
  void OnDrawClient(SurfaceView client) const override;
};

}  // namespace bowling
