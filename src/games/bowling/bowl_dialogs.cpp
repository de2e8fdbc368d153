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

// Each setting in its own frame: a name over each of the track bar's four
// positions, the track bar, and a line saying what the setting does.
constexpr ControlDef kControls[] = {
    {K::GroupBox, IDC_STATIC, "Spin", 7, 7, 196, 66, 0},
    {K::Static, IDC_STATIC, "None", 12, 19, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Gentle", 57, 19, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Strong", 113, 19, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Maximum", 158, 19, 40, 8, SS_RIGHT},
    {K::TrackBar, kSpinTrack, "", 14, 30, 182, 20, kTrack},
    {K::Static, IDC_STATIC, "How far Shift (left) or Ctrl (right) held", 14, 52, 182, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "during the swing bends the ball.", 14, 61, 182, 8, SS_LEFT},
    {K::GroupBox, IDC_STATIC, "Pin Interaction", 7, 79, 196, 66, 0},
    {K::Static, IDC_STATIC, "Light", 12, 91, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Normal", 57, 91, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Lively", 113, 91, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Wild", 158, 91, 40, 8, SS_RIGHT},
    {K::TrackBar, kPinInteractionTrack, "", 14, 102, 182, 20, kTrack},
    {K::Static, IDC_STATIC, "How far struck pins fly and take others", 14, 124, 182, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "down: Normal strikes a good pocket hit.", 14, 133, 182, 8, SS_LEFT},
    {K::DefPushButton, IDOK, "OK", 45, 153, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 115, 153, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kControlsTemplate{kControlsDialog, "Bowling Controls Dialog", 210, 174, kControls};

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
  const StoredControls stored = ReadStoredControls();  // the defaults when nothing is stored
  bowling::CBowlControlsDlg dlg;
  dlg.m_nSpin = stored.nSpin;
  dlg.m_nPinInteraction = stored.nPinInteraction;
  if (DoModal(dlg) != IDOK) return;
  ApplySettings(dlg.m_nSpin, dlg.m_nPinInteraction);
  SettingsStore& store = GetHost().Settings();
  SettingsGroup group(store);  // one save: the controls belong together
  store.WriteProfileInt("Bowling", "Spin", std::clamp(dlg.m_nSpin, 0, bowling::kSettingMax));
  store.WriteProfileInt("Bowling", "PinInteraction", m_nPinInteraction);
  ApplyPinFriction();
}
