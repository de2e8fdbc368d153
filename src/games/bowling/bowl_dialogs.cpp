// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/bowl_dialogs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_hook_curve.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"
#include "ui/dialog_units.h"
#include "ui/paint.h"

namespace bowling {

namespace {

using K = ControlKind;
constexpr DWORD kTrack = TBS_BOTH | WS_TABSTOP | WS_GROUP;

// Each setting in its own frame: a name over each of the track bar's four
// positions, the track bar, and a line saying what the setting does.
// The curves under the Spin track bar: one lane per position, in dialog units.
constexpr int kCurvesTop = 72, kCurvesHeight = 32;
constexpr std::array<int, kSettingMax + 1> kCurveCentres = {32, 77, 133, 178};
constexpr int kBelowSpin = 36;  // how far the curves push the rest down

constexpr ControlDef kControls[] = {
    {K::GroupBox, IDC_STATIC, "Spin", 7, 7, 196, 66 + kBelowSpin, 0},
    {K::Static, IDC_STATIC, "None", 12, 19, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Gentle", 57, 19, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Strong", 113, 19, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Maximum", 158, 19, 40, 8, SS_RIGHT},
    {K::TrackBar, kSpinTrack, "", 14, 30, 182, 20, kTrack},
    {K::Static, IDC_STATIC, "How far Shift (left) or Ctrl (right) held", 14, 52, 182, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "during the swing bends the ball, like this:", 14, 61, 182, 8, SS_LEFT},
    {K::GroupBox, IDC_STATIC, "Pin Interaction", 7, 79 + kBelowSpin, 196, 66, 0},
    {K::Static, IDC_STATIC, "Light", 12, 91 + kBelowSpin, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Normal", 57, 91 + kBelowSpin, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Lively", 113, 91 + kBelowSpin, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Wild", 158, 91 + kBelowSpin, 40, 8, SS_RIGHT},
    {K::TrackBar, kPinInteractionTrack, "", 14, 102 + kBelowSpin, 182, 20, kTrack},
    {K::Static, IDC_STATIC, "How far struck pins fly and take others", 14, 124 + kBelowSpin, 182, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "down: Normal strikes a good pocket hit.", 14, 133 + kBelowSpin, 182, 8, SS_LEFT},
    {K::DefPushButton, IDOK, "OK", 45, 153 + kBelowSpin, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 115, 153 + kBelowSpin, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kControlsTemplate{kControlsDialog, "Bowling Controls Dialog", 210, 174 + kBelowSpin, kControls};

constexpr std::uint32_t kLaneWood = ToPixel(222, 184, 135);
constexpr std::uint32_t kBallLine = ToPixel(128, 0, 0);

void Plot(SurfaceView view, int x, int y, std::uint32_t colour) {
  if (x >= 0 && y >= 0 && x < view.width && y < view.height) view.Row(y)[x] = colour;
}

// One lane drawn to scale, foul line at the bottom, with the ball's line on it.
void DrawCurve(SurfaceView client, int nSpin) {
  const std::vector<LanePoint> line = HookCurve(nSpin);
  const CRect box = MapDialogRect(kCurveCentres[static_cast<std::size_t>(nSpin)] - 20, kCurvesTop, 40, kCurvesHeight);
  const double scale = static_cast<double>(box.Height()) / (kBallStartY - line.back().y);
  const int width = static_cast<int>(std::lround((kLaneRight - kLaneLeft + 1) * scale));
  const CRect lane(box.CenterPoint().x - width / 2, box.top, box.CenterPoint().x - width / 2 + width, box.bottom);
  FillRect(client, lane, kLaneWood);
  // Released right of the middle, as a player who hooks left stands.
  const double startX = lane.left + width * 0.7;
  for (const LanePoint& p : line)
    Plot(client, static_cast<int>(std::lround(startX + p.x * scale)),
         static_cast<int>(std::lround(lane.bottom - 1 - (kBallStartY - p.y) * scale)), kBallLine);
}

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

void CBowlControlsDlg::OnDrawClient(SurfaceView client) const {
  for (int spin = 0; spin <= kSettingMax; ++spin) DrawCurve(client, spin);
}

void CBowlControlsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Slider(pDX, kSpinTrack, m_nSpin);
  DDX_Slider(pDX, kPinInteractionTrack, m_nPinInteraction);
}

}  // namespace bowling

void CBowl::OnGameControls() {
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
