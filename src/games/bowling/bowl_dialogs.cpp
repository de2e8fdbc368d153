// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/bowl_dialogs.h"

#include <algorithm>

#include "app/quintaro_doc.h"
#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_geometry.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"

namespace bowling {

namespace {

using K = ControlKind;
constexpr DWORD kTrack = TBS_BOTH | WS_TABSTOP | WS_GROUP;

// Each setting in its own frame: the track bar with its three marks above it.
constexpr ControlDef kControls[] = {
    {K::GroupBox, IDC_STATIC, "Spin", 7, 7, 176, 50, 0},
    {K::Static, IDC_STATIC, "None", 16, 19, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Medium", 75, 19, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Maximum", 134, 19, 40, 8, SS_RIGHT},
    {K::TrackBar, kSpinTrack, "", 14, 30, 162, 20, kTrack},
    {K::GroupBox, IDC_STATIC, "Pin Interaction", 7, 63, 176, 50, 0},
    {K::Static, IDC_STATIC, "None", 16, 75, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Medium", 75, 75, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Maximum", 134, 75, 40, 8, SS_RIGHT},
    {K::TrackBar, kPinInteractionTrack, "", 14, 86, 162, 20, kTrack},
    {K::DefPushButton, IDOK, "OK", 35, 121, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 105, 121, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kControlsTemplate{kControlsDialog, "Bowling Controls Dialog", 190, 142, kControls};

}  // namespace

const DialogTemplate& ControlsTemplate() { return kControlsTemplate; }

CBowlControlsDlg::CBowlControlsDlg() : CDialog(kControlsTemplate) {}

BOOL CBowlControlsDlg::OnInitDialog() {
  for (int id : {kSpinTrack, kPinInteractionTrack}) {
    SetTrackRange(id, 0, kSettingMax);
    for (int tic = 1; tic <= kSettingMax + 1; ++tic) SetTrackTic(id, tic);
  }
  return CDialog::OnInitDialog();
}

void CBowlControlsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Slider(pDX, kSpinTrack, m_nSpin);
  DDX_Slider(pDX, kPinInteractionTrack, m_nPinInteraction);
}

}  // namespace bowling

void CBowl::OnGameControls(CQuintaroDoc* /*pDoc*/) {
  const StoredControls stored = ReadStoredControls();
  bowling::CBowlControlsDlg dlg;
  dlg.m_nSpin = stored.nSpin;
  dlg.m_nPinInteraction = stored.nPinInteraction;
  if (DoModal(dlg) != IDOK) return;
  ApplySettings(dlg.m_nSpin, dlg.m_nPinInteraction);
  SettingsStore& store = GetHost().Settings();
  store.WriteProfileInt("Bowling", "Spin", std::clamp(dlg.m_nSpin, 0, bowling::kSettingMax));
  store.WriteProfileInt("Bowling", "PinInteraction", m_nPinInteraction);
  ApplyPinFriction();
}
