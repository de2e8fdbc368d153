// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two dialogs the throwing games share: a choice of three kinds of game,
// and the throw's velocity, accuracy and drift on three track bars. Each
// game gives its own ids, captions and labels; layout and behaviour are one.
#include <array>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "ui/dialog.h"

struct ThrowTrackIds {
  int velocity;
  int accuracy;
  int drift;
};

// Highest position of each track bar (all start at 0).
struct ThrowTrackLimits {
  int velocity;
  int accuracy;
  int drift;
};

// A group box of three radio buttons beside OK and Cancel.
constexpr std::array<ControlDef, 6> ThreeWayChoiceControls(const char* group, std::array<int, 3> radioIds,
                                                           std::array<const char*, 3> labels) {
  using K = ControlKind;
  return {{
      {K::GroupBox, IDC_STATIC, group, 10, 7, 100, 70, 0},
      {K::RadioButton, radioIds[0], labels[0], 25, 22, 70, 12, WS_GROUP | WS_TABSTOP},
      {K::RadioButton, radioIds[1], labels[1], 25, 39, 70, 12, 0},
      {K::RadioButton, radioIds[2], labels[2], 25, 56, 70, 12, 0},
      {K::DefPushButton, IDOK, "OK", 122, 12, 50, 14, WS_GROUP | WS_TABSTOP},
      {K::PushButton, IDCANCEL, "Cancel", 122, 32, 50, 14, WS_TABSTOP},
  }};
}
inline constexpr int kThreeWayChoiceWidth = 182;
inline constexpr int kThreeWayChoiceHeight = 86;

// One row per setting: its label at the left, the track bar, and the names of
// its two ends and its middle underneath.
constexpr std::array<ControlDef, 18> ThrowControls(const char* velocityLabel, ThrowTrackIds ids) {
  using K = ControlKind;
  constexpr DWORD kTrack = TBS_BOTH | WS_TABSTOP | WS_GROUP;  // the dialog sets a tick at every position
  return {{
      {K::GroupBox, IDC_STATIC, "Game Controls", 7, 7, 196, 126, 0},
      {K::Static, IDC_STATIC, velocityLabel, 16, 24, 40, 8, SS_LEFT},
      {K::TrackBar, ids.velocity, "", 60, 18, 130, 20, kTrack},
      {K::Static, IDC_STATIC, "Slow", 60, 39, 30, 8, SS_LEFT},
      {K::Static, IDC_STATIC, "Normal", 105, 39, 40, 8, SS_CENTER},
      {K::Static, IDC_STATIC, "Fast", 160, 39, 30, 8, SS_RIGHT},
      {K::Static, IDC_STATIC, "Accuracy", 16, 62, 40, 8, SS_LEFT},
      {K::TrackBar, ids.accuracy, "", 60, 56, 130, 20, kTrack},
      {K::Static, IDC_STATIC, "Low", 60, 77, 30, 8, SS_LEFT},
      {K::Static, IDC_STATIC, "Medium", 105, 77, 40, 8, SS_CENTER},
      {K::Static, IDC_STATIC, "High", 160, 77, 30, 8, SS_RIGHT},
      {K::Static, IDC_STATIC, "Drift", 16, 100, 40, 8, SS_LEFT},
      {K::TrackBar, ids.drift, "", 60, 94, 130, 20, kTrack},
      {K::Static, IDC_STATIC, "None", 60, 115, 30, 8, SS_LEFT},
      {K::Static, IDC_STATIC, "Normal", 105, 115, 40, 8, SS_CENTER},
      {K::Static, IDC_STATIC, "Twice", 160, 115, 30, 8, SS_RIGHT},
      {K::DefPushButton, IDOK, "OK", 45, 141, 50, 14, WS_GROUP | WS_TABSTOP},
      {K::PushButton, IDCANCEL, "Cancel", 115, 141, 50, 14, WS_TABSTOP},
  }};
}
inline constexpr int kThrowControlsWidth = 210;
inline constexpr int kThrowControlsHeight = 162;

// The chosen kind: 0..2 for the three radio buttons, -1 before a choice.
class CThreeWayChoiceDlg : public CDialog {
 public:
  CThreeWayChoiceDlg(const DialogTemplate& dialog, int firstRadioId);
  int m_nType = -1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  int m_firstRadioId;
};

class CThrowControlsDlg : public CDialog {
 public:
  CThrowControlsDlg(const DialogTemplate& dialog, ThrowTrackIds ids, ThrowTrackLimits limits);
  int m_nAccuracy = 1;
  int m_nDrift = 4;
  int m_nVelocity = 1;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  ThrowTrackIds m_ids;
  ThrowTrackLimits m_limits;
};
