#include "games/darts/dart_dialog_classes.h"

#include "games/darts/dart_dialogs.h"
#include "games/darts/model/dart_resources.h"
#include "ui/ddx.h"

namespace darts {

CTypeOfGameDlg::CTypeOfGameDlg() : CDialog(TypeOfGameTemplate()) {}

void CTypeOfGameDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, kRadio301, m_nType); }

CGameControlsDlg::CGameControlsDlg() : CDialog(GameControlsTemplate()) {}

BOOL CGameControlsDlg::OnInitDialog() {
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

void CGameControlsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Slider(pDX, kAccuracyTrack, m_nAccuracy);
  DDX_Slider(pDX, kDriftTrack, m_nDrift);
  DDX_Slider(pDX, kVelocityTrack, m_nVelocity);
}

}  // namespace darts
