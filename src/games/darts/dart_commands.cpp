// The Options menu commands of the darts game and its message boxes.
#include "app/quintaro_doc.h"
#include "games/darts/dart.h"
#include "games/darts/dart_dialog_classes.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

using namespace darts;

namespace {
constexpr const char* kSection = "Darts";
}  // namespace

void CDart::OnTypeOfGame(CQuintaroDoc* pDoc) {
  if (!pDoc) return;
  if (pDoc->m_bGameInProgress &&
      MessageBox("Do you wish to quit the current game?", "Quit Game?", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) ==
          IDNO)
    return;
  CTypeOfGameDlg dlg;
  dlg.m_nType = m_nVariant;
  if (DoModal(dlg) != IDOK) return;
  if (dlg.m_nType < kVariant301 || dlg.m_nType > kVariantCricket) return;  // nothing chosen
  pDoc->m_bGameInProgress = FALSE;
  pDoc->SetVariant(kScreenDarts, dlg.m_nType);
  // The document replaces this game: nothing of ours may run after this call.
  pDoc->OnNewDocument();
}

void CDart::OnGameControls(CQuintaroDoc* /*pDoc*/) {
  SettingsStore& store = GetHost().Settings();
  ThrowSettings stored;
  stored.accuracy = store.GetProfileInt(kSection, "Accuracy", 1);
  stored.drift = store.GetProfileInt(kSection, "Drift", 4);
  stored.velocity = store.GetProfileInt(kSection, "Velocity", 1);
  stored = ClampSettings(stored);
  CGameControlsDlg dlg;
  dlg.m_nAccuracy = stored.accuracy;
  dlg.m_nDrift = stored.drift;
  dlg.m_nVelocity = stored.velocity;
  if (DoModal(dlg) != IDOK) return;
  const ThrowSettings chosen = ClampSettings({dlg.m_nVelocity, dlg.m_nAccuracy, dlg.m_nDrift});
  store.WriteProfileInt(kSection, "Accuracy", chosen.accuracy);
  store.WriteProfileInt(kSection, "Drift", chosen.drift);
  store.WriteProfileInt(kSection, "Velocity", chosen.velocity);
  m_nAccuracy = chosen.accuracy;
  m_nVelocity = chosen.velocity;
  m_nDrift = chosen.drift;
}
