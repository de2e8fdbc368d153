// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/dart.h"

#include <algorithm>
#include <sstream>

#include "games/darts/dart_dialogs.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "sound/dx_sound.h"
#include "ui/message_box.h"

using namespace darts;

namespace {
constexpr const char* kSettingsSection = "Darts";
}  // namespace

CDart::CDart(const GameContext& context, int nVariant)
    : CGame(context),
      m_nVariant(std::clamp(nVariant, static_cast<int>(kVariant301), static_cast<int>(kVariantCricket))),
      m_layout(LayoutScoreboard(m_nVariant)) {
  LoadSettings();
  m_options = OptionsFor(m_nVariant, StoredOptions());
  m_bIn.fill(!m_options.doubleIn);
  LoadSounds();
  m_pictureRandom.Seed(static_cast<std::uint32_t>(GetHost().Time()));
}

CDart::~CDart() = default;

ThrowSettings CDart::StoredSettings() const {
  const SettingsStore& store = GetHost().Settings();
  const ThrowSettings defaults;
  ThrowSettings s;
  s.accuracy = store.GetProfileInt(kSettingsSection, "Accuracy", defaults.accuracy);
  s.drift = store.GetProfileInt(kSettingsSection, "Drift", defaults.drift);
  s.velocity = store.GetProfileInt(kSettingsSection, "Velocity", defaults.velocity);
  return ClampSettings(s);
}

void CDart::StoreSettings(const ThrowSettings& settings) {
  SettingsStore& store = GetHost().Settings();
  SettingsGroup group(store);  // one save: the controls belong together
  store.WriteProfileInt(kSettingsSection, "Accuracy", settings.accuracy);
  store.WriteProfileInt(kSettingsSection, "Drift", settings.drift);
  store.WriteProfileInt(kSettingsSection, "Velocity", settings.velocity);
}

CountdownOptions CDart::StoredOptions() const {
  const SettingsStore& store = GetHost().Settings();
  CountdownOptions options;
  options.doubleOut = store.GetProfileInt(kSettingsSection, "DoubleOut", 0) != 0;
  options.doubleIn = store.GetProfileInt(kSettingsSection, "DoubleIn", 0) != 0;
  return options;
}

void CDart::LoadSettings() {
  const ThrowSettings s = StoredSettings();
  m_nVelocity = s.velocity;
  m_nAccuracy = s.accuracy;
  m_nDrift = s.drift;
}

void CDart::LoadSounds() {
  m_pSound.reset();
  m_pSound = std::make_unique<CDXSound>(kSoundTable.data(), static_cast<int>(kSoundTable.size()), GetHost(),
                                        SoundFamily::Darts);
  m_pSound->EnableSound(m_bSound);
}

BOOL CDart::InitGame(CSpriteList* pSprites) {
  CreateTray(pSprites, 0, nullptr);
  // A computer in the first seat waits for a click; the user's clicks must not take its darts meanwhile.
  const CPlayer* first = Players()[0].get();
  Turn().m_bComputerPlaying = first && first->m_bComputer ? TRUE : FALSE;
  Turn().m_bDragging = FALSE;
  Turn().Deselect();
  SetStatusText(0, kPickPrompt);
  return TRUE;
}

void CDart::CreateTray(CSpriteList* pSprites, int nPlayer, const CPalette* pPalette) {
  m_pHandDart = nullptr;
  m_trayDarts.fill(nullptr);
  m_trayUsed.fill(false);
  if (!pSprites) return;
  const UINT bitmap = kTrayBitmaps[static_cast<std::size_t>(std::clamp(nPlayer, 0, kSeats - 1))];
  auto make = [&](CPoint at) {
    auto sprite = std::make_unique<CSprite>(at.x, at.y, 0, 1);
    sprite->Load(bitmap);
    if (pPalette) sprite->RemapToPalette(pPalette);
    CSprite* raw = sprite.get();
    pSprites->Insert(std::move(sprite));
    return raw;
  };
  m_pHandDart = make({kHiddenXY, kHiddenXY});
  for (std::size_t i = 0; i < kTraySlots.size(); ++i) m_trayDarts[i] = make(kTraySlots[i]);
}

const CSprite* CDart::SceneKey() const { return m_pHandDart; }

int CDart::TrayDartAt(int x, int y) const {
  // The tray darts themselves: a stuck dart lying over one must not hide it.
  for (std::size_t i = 0; i < m_trayDarts.size(); ++i)
    if (m_trayDarts[i] && !m_trayUsed[i] && m_trayDarts[i]->HitTest(x, y)) return static_cast<int>(i);
  // A dart is only a needle and a barrel over most of its length: a click on
  // the empty slot beside it takes it too, unless a stuck dart is what shows there.
  if (Sprites().HitTest(x, y)) return -1;
  for (std::size_t i = 0; i < m_trayDarts.size(); ++i) {
    if (!m_trayDarts[i] || m_trayUsed[i]) continue;
    CRect slot;
    m_trayDarts[i]->GetRect(&slot);
    if (slot.PtInRect(CPoint{x, y})) return static_cast<int>(i);
  }
  return -1;
}

std::string CDart::StateJson() const {
  std::ostringstream out;
  out << "{\"variant\":" << m_nVariant << ",\"dartsThrown\":" << m_nDartsThrown << ",\"turnTotal\":" << m_nTurnTotal
      << ",\"lastScore\":" << m_nLastScore << ",\"doubleOut\":" << (m_options.doubleOut ? "true" : "false")
      << ",\"doubleIn\":" << (m_options.doubleIn ? "true" : "false") << ",\"landing\":[" << m_ptLanding.x << ','
      << m_ptLanding.y << "],\"canUndo\":" << (CanUndo() ? "true" : "false")
      << ",\"gameOver\":" << (m_bGameOver ? "true" : "false");
  ScoreboardState extras;
  FillScoreboardExtras(extras, Players());
  out << ",\"checkout\":\"" << extras.checkoutText << "\",\"averages\":[";
  for (std::size_t p = 0; p < extras.seatStats.size(); ++p) out << (p ? ",\"" : "\"") << extras.seatStats[p] << '"';
  out << "],\"marks\":[";
  for (int p = 0; p < kSeats; ++p) {
    out << (p ? ",[" : "[");
    for (int e = 0; e < kCricketEntries; ++e) out << (e ? ",\"" : "\"") << m_marks.Get(p, e) << '"';
    out << ']';
  }
  out << "]}";
  return out.str();
}

void CDart::OnTypeOfGame() {
  if (IsGameInProgress() &&
      MessageBox("Do you wish to quit the current game?", "Quit Game?", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) ==
          IDNO)
    return;
  CTypeOfGameDlg dlg;
  dlg.m_nType = m_nVariant;
  const CountdownOptions stored = StoredOptions();
  dlg.m_bDoubleOut = stored.doubleOut ? TRUE : FALSE;
  dlg.m_bDoubleIn = stored.doubleIn ? TRUE : FALSE;
  if (DoModal(dlg) != IDOK) return;
  if (dlg.m_nType < kVariant301 || dlg.m_nType > kVariantCricket) return;  // nothing chosen
  SettingsStore& store = GetHost().Settings();
  store.WriteProfileInt(kSettingsSection, "DoubleOut", dlg.m_bDoubleOut ? 1 : 0);
  store.WriteProfileInt(kSettingsSection, "DoubleIn", dlg.m_bDoubleIn ? 1 : 0);
  SetGameInProgress(FALSE);
  // The document replaces this game: nothing of ours may run after this call.
  Services().RestartWithVariant(dlg.m_nType);
}

void CDart::OnGameControls() {
  const ThrowSettings stored = StoredSettings();
  CGameControlsDlg dlg;
  dlg.m_nAccuracy = stored.accuracy;
  dlg.m_nDrift = stored.drift;
  dlg.m_nVelocity = stored.velocity;
  if (DoModal(dlg) != IDOK) return;
  const ThrowSettings chosen = ClampSettings({dlg.m_nVelocity, dlg.m_nAccuracy, dlg.m_nDrift});
  StoreSettings(chosen);
  m_nAccuracy = chosen.accuracy;
  m_nVelocity = chosen.velocity;
  m_nDrift = chosen.drift;
}

std::unique_ptr<CGame> MakeDartsGame(const GameContext& context, int nVariant) {
  return std::make_unique<CDart>(context, nVariant);
}
