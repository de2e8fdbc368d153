#include "games/football/football_dialogs.h"

#include "games/football/model/football_geometry.h"
#include "games/football/model/football_rules.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"

namespace football {

namespace {

using K = ControlKind;

constexpr ControlDef kTypeControls[] = {
    {K::GroupBox, IDC_STATIC, "Select Game", 10, 7, 100, 70, 0},
    {K::RadioButton, kRadioPlayTo28, "Play to 28", 25, 22, 70, 12, WS_GROUP | WS_TABSTOP},
    {K::RadioButton, kRadioPlayTo40, "Play to 40", 25, 39, 70, 12, 0},
    {K::RadioButton, kRadioPlayTo54, "Play to 54", 25, 56, 70, 12, 0},
    {K::DefPushButton, IDOK, "OK", 122, 12, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 122, 32, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kTypeOfGame{kTypeOfGameDialog, "Select Type of Football Game", 182, 86, kTypeControls};

constexpr DWORD kTrack = TBS_BOTH | WS_TABSTOP;  // the dialog sets a tick at every position

// One row per setting: its label, the track bar, and the names of its two
// ends and its middle underneath.
constexpr ControlDef kControlsControls[] = {
    {K::GroupBox, IDC_STATIC, "Game Controls", 7, 7, 196, 126, 0},
    {K::Static, IDC_STATIC, "Velocity", 16, 24, 40, 8, SS_LEFT},
    {K::TrackBar, kVelocityTrack, "", 60, 18, 130, 20, kTrack | WS_GROUP},
    {K::Static, IDC_STATIC, "Slow", 60, 39, 30, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Normal", 105, 39, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Fast", 160, 39, 30, 8, SS_RIGHT},
    {K::Static, IDC_STATIC, "Accuracy", 16, 62, 40, 8, SS_LEFT},
    {K::TrackBar, kAccuracyTrack, "", 60, 56, 130, 20, kTrack | WS_GROUP},
    {K::Static, IDC_STATIC, "Low", 60, 77, 30, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Medium", 105, 77, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "High", 160, 77, 30, 8, SS_RIGHT},
    {K::Static, IDC_STATIC, "Drift", 16, 100, 40, 8, SS_LEFT},
    {K::TrackBar, kDriftTrack, "", 60, 94, 130, 20, kTrack | WS_GROUP},
    {K::Static, IDC_STATIC, "None", 60, 115, 30, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Normal", 105, 115, 40, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "Twice", 160, 115, 30, 8, SS_RIGHT},
    {K::DefPushButton, IDOK, "OK", 45, 141, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 115, 141, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kGameControls{kControlsDialog, "Football Game Controls", 210, 162, kControlsControls};

constexpr const DialogTemplate* kDialogs[] = {&kTypeOfGame, &kGameControls};

}  // namespace

const DialogTemplate& TypeOfGameTemplate() { return kTypeOfGame; }
const DialogTemplate& GameControlsTemplate() { return kGameControls; }
std::span<const DialogTemplate* const> FootballDialogTemplates() { return kDialogs; }

CFootballTypeDlg::CFootballTypeDlg() : CDialog(TypeOfGameTemplate()) {}

void CFootballTypeDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, kRadioPlayTo28, m_nType); }

CFootballControlsDlg::CFootballControlsDlg() : CDialog(GameControlsTemplate()) {}

BOOL CFootballControlsDlg::OnInitDialog() {
  auto setUp = [this](int id, int max) {
    SetTrackRange(id, 0, max);
    // A tick at every position (ticks beyond the range are not drawn).
    for (int tic = 1; tic <= max + 1; ++tic) SetTrackTic(id, tic);
  };
  setUp(kVelocityTrack, kVelocityMax);
  setUp(kAccuracyTrack, kAccuracyMax);
  setUp(kDriftTrack, kDriftMax);
  return CDialog::OnInitDialog();
}

void CFootballControlsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Slider(pDX, kAccuracyTrack, m_nAccuracy);
  DDX_Slider(pDX, kDriftTrack, m_nDrift);
  DDX_Slider(pDX, kVelocityTrack, m_nVelocity);
}

}  // namespace football
