// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CDart: the darts game (301, 501 and Cricket). A player picks a dart from
// the tray, strokes it from the throw zone up over the board, watches it fly
// in the side panel and stick; three darts make a turn. Computer players aim
// for themselves.
#include <array>
#include <string>
#include <vector>

#include "game/game.h"
#include "games/darts/dart_scoreboard.h"
#include "games/darts/model/dart_board.h"
#include "games/darts/model/dart_computer.h"
#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_motion.h"
#include "games/darts/model/dart_rules.h"
#include "games/darts/model/dart_stats.h"
#include "platform/random.h"
#include "platform/rect.h"

namespace darts {
// The game's words on the status line and in its message boxes.
inline constexpr const char* kPickPrompt = "Pick a dart please.";
inline constexpr const char* kWonText = "Hurray you have won, good job";
inline constexpr const char* kBustText = "You have busted";
// A computer seat's bust, with its name.
inline constexpr const char* kComputerBustText = " has busted";
}  // namespace darts

class CPalette;
class CSprite;
class CSpriteList;
class Host;

class CDart : public CGame {
 public:
  CDart(const GameContext& context, int nVariant);
  ~CDart() override;

  int ScoreShot(CPlayer* pPlayer) override;
  int CheckWinner(CPlayer* pPlayer) override;
  // Adds the finished game to each seat's statistics; `pPlayer` won it.
  void RecordDartsStatistics(const CPlayer* pPlayer);
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) override;
  void UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites) override;
  void OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnLButtonUp(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  void PlayComputerTurn() override;
  void OnGameControls() override;
  void OnTypeOfGame() override;
  void LoadSounds() override;
  std::string StateJson() const override;
  bool SaveState(StateRecord& record) const override;
  bool LoadState(StateReader& reader) override;
  // Takes back the last dart of the user's running turn: board, score and marks.
  bool CanUndo() const override;
  void OnUndo() override;

  // Turns a dart sprite into a dart stuck at the landing point, and sounds it.
  void PlaceDart(CSprite* pDart, int nPlayer, const CPalette* pPalette, BOOL bMapPalette);
  // 7 x nPlayer + k for a randomly chosen stuck-dart picture k (1, 2, 5 or 6).
  int ChooseDartImage(int nPlayer);
  // Makes up the computer's stroke for the current player.
  void ComputerAim(CPlayer* pPlayer);
  void AddMark(int nPlayerId, int nEntry) { m_marks.AddMark(nPlayerId, nEntry); }
  // The throw settings as stored (clamped), and taking them into play.
  darts::ThrowSettings StoredSettings() const;
  void StoreSettings(const darts::ThrowSettings& settings);
  void LoadSettings();
  // Double in and double out, as stored for the darts players among us.
  darts::CountdownOptions StoredOptions() const;

  // --- Throw -------------------------------------------------------------
  int m_nVariant;
  int m_nVelocity = 1;
  int m_nAccuracy = 1;
  int m_nDrift = 4;
  CPoint m_ptPress;
  CPoint m_ptRelease;
  CRect m_rcTray = darts::kTrayRect;
  CRect m_rcThrowZone = darts::kThrowZone;
  CRect m_rcBoard = darts::kBoardArea;
  DWORD m_dwThrowTime = 0;  // tick at button down; after release, the stroke's length
  int m_nStrokeAngle = 0;
  int m_nDartAngle = 0;
  int m_nDartDist = 0;
  CPoint m_ptLastPress;
  CPoint m_ptLanding;
  BOOL m_bOnBoard = FALSE;
  darts::BoardHit m_lastHit;

  // --- Scoring -------------------------------------------------------------
  int m_nTurnTotal = 0;
  int m_nLastScore = 0;
  int m_nDartsThrown = 0;  // 100 after a bust, so that the turn ends at once
  darts::CricketMarks m_marks;
  darts::ScoreboardLayout m_layout;
  darts::CountdownOptions m_options;            // as they apply to this kind of game
  std::array<bool, darts::kSeats> m_bIn{};      // counting has started (double in)
  std::array<darts::SeatStats, darts::kSeats> m_stats{};
  bool m_bGameOver = false;  // the final board is up, waiting for a click

 private:
  static constexpr int kBustDarts = 100;

  enum class ThrowResult { PlayOn, TurnOver, Bust, GameOver };

  darts::ThrowSettings Settings() const { return {m_nVelocity, m_nAccuracy, m_nDrift}; }
  // Builds the current player's tray: the hand dart (rearmost) and three darts.
  void CreateTray(CSpriteList* pSprites, int nPlayer, const CPalette* pPalette);
  // The sprite whose presence says the scene is still ours.
  const CSprite* SceneKey() const override;
  // The tray dart under (x, y) that has not been thrown or taken, or -1.
  int TrayDartAt(int x, int y) const;
  void PickDart(int nTray);
  void PutDartBack();
  // Landing point, flight, stuck dart, scoreboard and winner check of the
  // dart in hand. GameOver means the game has been restarted: touch nothing.
  ThrowResult ResolveThrow(bool bByUser);
  // The game is won: the board, the darts and the scores stay up with the
  // result until the next click starts the next game.
  void ShowFinalBoard(const CPlayer& winner);
  // After the third dart or a bust: the next player's tray after a pause.
  void ChangeTurn(bool bByUser);
  // The computer takes the next unused tray dart and throws it.
  ThrowResult ThrowComputerDart();
  void StartStroke(int x, int y);
  // Everything a dart of the user's turn changed, as it was before it.
  struct DartUndo {
    int score = 0;
    darts::CricketMarks marks;
    int turnTotal = 0;
    int lastScore = 0;
    int dartsThrown = 0;
    bool isIn = false;
    darts::SeatStats stats;
    std::size_t tray = 0;
    CPoint handDart;
    CPoint landing;  // the previous dart's, as the state shows it
    darts::BoardHit lastHit;
    BOOL onBoard = FALSE;
  };
  void RememberDart(const CPlayer& player);
  // The seat's row in the stats and the double-in flags (0 for a stray id).
  static std::size_t SeatIndex(const CPlayer* pPlayer);
  // The darts players' extras on the scoreboard: averages, options, checkout.
  void FillScoreboardExtras(darts::ScoreboardState& state, const CObArray& players) const;
  std::vector<DartUndo> m_undo;
  CPoint m_ptHandBeforePick{darts::kHiddenXY, darts::kHiddenXY};
  // Shields the scoreboard from painting itself again while it draws.
  bool m_bDrawingScoreboard = false;

  CSprite* m_pHandDart = nullptr;
  std::array<CSprite*, darts::kTrayDarts> m_trayDarts{};
  std::array<bool, darts::kTrayDarts> m_trayUsed{};  // thrown, or in hand
  int m_nInHand = -1;                          // tray index of the dart in hand
  RandomGenerator m_pictureRandom;             // which stuck-dart picture; seeded from the clock once
};
