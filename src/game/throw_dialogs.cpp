// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/throw_dialogs.h"

#include "ui/ddx.h"

CThreeWayChoiceDlg::CThreeWayChoiceDlg(const DialogTemplate& dialog, int firstRadioId)
    : CDialog(dialog), m_firstRadioId(firstRadioId) {}

void CThreeWayChoiceDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, m_firstRadioId, m_nType); }

CThrowControlsDlg::CThrowControlsDlg(const DialogTemplate& dialog, ThrowTrackIds ids, ThrowTrackLimits limits)
    : CDialog(dialog), m_ids(ids), m_limits(limits) {}

BOOL CThrowControlsDlg::OnInitDialog() {
  auto setUp = [this](int id, int max) {
    SetTrackRange(id, 0, max);
    // A tick at every position (ticks beyond the range are not drawn).
    for (int tic = 1; tic <= max + 1; ++tic) SetTrackTic(id, tic);
  };
  setUp(m_ids.velocity, m_limits.velocity);
  setUp(m_ids.accuracy, m_limits.accuracy);
  setUp(m_ids.drift, m_limits.drift);
  return CDialog::OnInitDialog();
}

void CThrowControlsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Slider(pDX, m_ids.accuracy, m_nAccuracy);
  DDX_Slider(pDX, m_ids.drift, m_nDrift);
  DDX_Slider(pDX, m_ids.velocity, m_nVelocity);
}
