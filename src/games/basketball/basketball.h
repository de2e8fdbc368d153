// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CBasketBall: the basketball shooting game (Timed, Practice, Play to 40).
// In a turn the player picks balls off the rack and shoots them at a hoop on
// a backboard that may slide from side to side; the hold time sets the loft.
// Every ball flies on its own from the animation timer; the clock timer runs
// the turn. Computer shooters shoot from the animation timer too.
#include <array>
#include <string>

#include "game/fixed_step_clock.h"
#include "game/game.h"
#include "games/basketball/model/basketball_geometry.h"
#include "games/basketball/model/basketball_motion.h"

class CSprite;
class CSpriteList;

class CBasketBall : public CGame {
 public:
  CBasketBall(const GameContext& context, int nVariant);
  ~CBasketBall() override;

  int ScoreShot(CPlayer* /*pPlayer*/) override { return 0; }
  int CheckWinner(CPlayer* pPlayer) override;
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) override;
  void UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnLButtonUp(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  void PlayComputerTurn() override;
  void OnGameControls() override;
  void OnTypeOfGame() override;
  void OnTimer(UINT nIDEvent) override;
  void LoadSounds() override;
  void StopGame() override;
  std::string StateJson() const override;
  bool SaveState(StateRecord& record) const override;
  bool LoadState(StateReader& reader) override;

  void LoadSettings();
  // Starts a turn unless one runs or the pause after the last one lasts.
  BOOL TryStartTurn();
  void StartTurn();
  void EndTurn();
  void ResetForNewGame();
  void LaunchBall(int i);
  void UpdateBalls();
  BOOL IsBackboardMoving() const;
  void UpdateWallOfFame(CObArray* pPlayers);

  std::array<CRect, basketball::kSeats> m_rcName = basketball::kNameBoxes;
  CSprite* m_pBackboard = nullptr;
  CSprite* m_pRimFront = nullptr;  // the ring's front half, moved with the board
  BOOL m_bBoardLeft = TRUE;
  DWORD m_dwBoardTick = 0;  // the last board step; the end of the last turn
  std::array<basketball::ShotBall, basketball::kBalls> m_balls{};
  std::array<CSprite*, basketball::kBalls> m_pBallSprites{};
  std::array<std::array<CSprite*, 2>, basketball::kSeats> m_pPlayerDigits{};
  CSprite* m_pPointsTens = nullptr;
  CSprite* m_pPointsOnes = nullptr;
  CSprite* m_pTimeTens = nullptr;
  CSprite* m_pTimeOnes = nullptr;
  UINT m_nClockTimer = basketball::kClockTimer;
  UINT m_nAnimTimer = basketball::kAnimTimer;
  int m_nTime = 0;
  // The game clock's seconds, counted by play time: a late tick still
  // counts every second that passed.
  static constexpr std::uint32_t kMaxClockCatchUp = 3;
  FixedStepClock m_clockSeconds{basketball::kClockPeriodMs, 1, kMaxClockCatchUp};
  int m_nPoints = 0;
  BOOL m_bHolding = FALSE;
  BOOL m_bTurnRunning = FALSE;
  int m_nHeldBall = 0;
  CRect m_rcShootZone = basketball::kShootZone;
  DWORD m_dwNextComputerShot = 0;
  int m_nVariant = basketball::kVariantTimed;
  int m_nGameTime = basketball::kDefaultGameTime;
  int m_nBoardThreshold = 0;
  int m_nBoardPercent = basketball::kDefaultBoardPercent;
  // A turn has ended in this game, so the next waits out the pause.
  bool m_bTurnEnded = false;
  // A click came during the pause: the turn starts as soon as it is over.
  bool m_bStartPending = false;
  // The last turn is over: the final board stays up until a click or a command.
  bool m_bGameOver = false;
  int m_nWinnerSeat = -1;
  std::string m_strResult;  // what the end of the game said, or empty
  // Each seat's points in its turn of this game (-1 before it has played):
  // where the result is a time, the points are still shown as points.
  std::array<int, basketball::kSeats> m_seatPoints{-1, -1, -1, -1};

 private:
  // The sprite whose presence says the scene is still ours.
  const CSprite* SceneKey() const override;
  void ApplyBallFrame(int i, const basketball::BallFrame& frame);
  void ScoreBasket();
  void MoveBackboard();
  // The board (and the ring's front with it) stands at `x`.
  void PlaceBackboard(int x, int y);
  // Shows a value 0..99 on a pair of digit sprites.
  static void ShowNumber(CSprite* pTens, CSprite* pOnes, int nValue);
  void ShowPointsAndClock();
  // The seats' names, `nMarkedRow` in its colour (-1: none), and their results.
  void DrawNames(CObArray* pPlayers, int nMarkedRow);
  // The final board: scores, points and clock as the game left them.
  void ShowFinalBoard();
  // The wait over the final board ends: the board is set for a new game.
  void ClearFinalBoard();
  void PickUp(int x, int y);
  // A computer seat's turn starts itself after the pause.
  void WaitForComputerTurn();
  // The status line between turns: the click prompt when a click starts the next one.
  void ShowTurnPrompt(bool bStartsByItself);
  CSprite* MakeDigitPair(CSpriteList* pSprites, CPoint at, bool bLarge, CSprite** ppOnes);
};
