// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/pool_dialogs.h"

#include "games/pool/pool.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"

namespace pool {

namespace {

using K = ControlKind;

constexpr ControlDef kControls[] = {
    {K::GroupBox, IDC_STATIC, "Aiming", 7, 7, 196, 50, 0},
    {K::CheckBox, kCheckAimGuide, "Show the &cue stick and aim guide", 14, 20, 180, 12, WS_TABSTOP | WS_GROUP},
    {K::Static, IDC_STATIC, "The guide runs to the first ball or cushion the", 14, 35, 182, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "cue ball meets, with a ghost ball where it strikes.", 14, 44, 182, 8, SS_LEFT},
    {K::DefPushButton, IDOK, "OK", 45, 65, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 115, 65, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kGameControls{kControlsDialog, "Pool Game Controls", 210, 86, kControls};

constexpr auto kTypeControls = ThreeWayChoiceControls("Select Game", {kRadioClassic, kRadioStandard, kRadioNineBall},
                                                      {"Classic 8-ball", "Standard 8-ball", "9-ball"});
constexpr DialogTemplate kTypeOfGame{kTypeOfGameDialog, "Select Type of Pool Game", kThreeWayChoiceWidth,
                                     kThreeWayChoiceHeight, kTypeControls};

constexpr const DialogTemplate* kDialogs[] = {&kTypeOfGame, &kGameControls};

}  // namespace

const DialogTemplate& GameControlsTemplate() { return kGameControls; }
const DialogTemplate& TypeOfGameTemplate() { return kTypeOfGame; }
std::span<const DialogTemplate* const> PoolDialogTemplates() { return kDialogs; }

CPoolTypeDlg::CPoolTypeDlg() : CThreeWayChoiceDlg(TypeOfGameTemplate(), kRadioClassic) {}

CPoolControlsDlg::CPoolControlsDlg() : CDialog(kGameControls) {}

void CPoolControlsDlg::DoDataExchange(CDataExchange* pDX) { DDX_Check(pDX, kCheckAimGuide, m_bShowGuide); }

}  // namespace pool

void CPool::ReadControls() {
  m_bShowGuide = GetHost().Settings().GetProfileInt(pool::kSettingsSection, pool::kAimGuideKey, 1) != 0 ? TRUE : FALSE;
}

void CPool::OnGameControls() {
  pool::CPoolControlsDlg dlg;
  dlg.m_bShowGuide = m_bShowGuide;
  if (DoModal(dlg) != IDOK) return;
  m_bShowGuide = dlg.m_bShowGuide ? TRUE : FALSE;
  GetHost().Settings().WriteProfileInt(pool::kSettingsSection, pool::kAimGuideKey, m_bShowGuide ? 1 : 0);
}
