// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CBowl: ten-pin bowling for one to four players, any of them computer
// bowlers. The player swings the ball with a drag on the approach at the
// right: the drag line aims, the time from press to release sets the speed,
// Shift or Ctrl held meanwhile sets the hook. Each ball is one modal roll,
// then the pins are counted, swept and the ball comes back on the return.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "games/bowling/model/bowl_ball.h"
#include "games/bowling/model/bowl_geometry.h"
#include "games/bowling/model/bowl_lane.h"
#include "games/bowling/model/bowl_rules.h"
#include "platform/messages.h"
#include "platform/rect.h"

class CSprite;

namespace bowling {
class SpriteBody;
class GameSound;
}  // namespace bowling

class CBowl : public CGame {
 public:
  explicit CBowl(const GameContext& context);
  ~CBowl() override;

  int CheckWinner(CPlayer* /*pPlayer*/) override { return 0; }
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) override;
  void UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites) override;
  void OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnLButtonUp(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void PlayComputerTurn() override;
  void OnGameControls() override;
  void OnTimer(UINT nIDEvent) override;
  void StopGame() override;
  void LoadSounds() override;
  std::string StateJson() const override;
  bool SaveState(StateRecord& record) const override;
  bool LoadState(StateReader& reader) override;

  void LoadSettings();
  void ApplyPinFriction();
  void ResetPinCels();
  void RemoveFallenPins();
  void RackPins();
  // The ball back on the return; false when the game went meanwhile.
  bool PlayBallReturn();
  void UpdateWallOfFame(CObArray* pPlayers);
  // Sets Spin and Pin Interaction from track-bar positions (clamped to 0..3).
  void ApplySettings(int nSpin, int nPinInteraction);
  // The stored Spin and Pin Interaction positions, brought into 0..3.
  struct StoredControls {
    int nSpin = 0;
    int nPinInteraction = 0;
  };
  StoredControls ReadStoredControls() const;

  // --- The swing -----------------------------------------------------------
  CPoint m_ptPress;
  CPoint m_ptRelease;
  std::array<CRect, bowling::kPlayers> m_rcName{};
  int m_nBallResult = 0;
  int m_nBallInFrame = 0;
  CRect m_rcPressZone = bowling::kPressZone;
  CRect m_rcReleaseZone = bowling::kReleaseZone;
  bowling::ScoreSheet m_frames{};
  int m_nFrame = 0;
  BOOL m_bGameOver = FALSE;
  int m_nSpinDegrees = 0;
  int m_nPinInteraction = 0;
  double m_dPinFriction = bowling::kPinFriction[0];
  DWORD m_dwPressTick = 0;
  BOOL m_bNoRoll = FALSE;
  std::unique_ptr<bowling::CBowlBall> m_pBall;
  std::array<std::unique_ptr<bowling::CBowlBall>, bowling::kPins> m_pins;
  int m_nSpeedIndex = bowling::kBallSpeedIndex;
  // Pins standing before the next ball and the tenth frame's flags.
  bowling::FrameState m_state;
  BOOL m_bRolling = FALSE;
  DWORD m_dwKeyTime = 0;
  BOOL m_bKeyDown = FALSE;
  // Where the hook of the last ball began (screen y) and its full turn per pixel.
  int m_nHookLine = bowling::kInitialHookLine;
  double m_dHookStep = 0.0;
  double m_dSpinFactor = 0.0;
  BOOL m_bShiftKey = FALSE;
  BOOL m_bCtrlKey = FALSE;
  BOOL m_bHookRight = FALSE;
  // The ball the last swing (a user's or a computer's) made.
  bowling::Throw m_throw;
  // What the last ball left: the pins still standing on the rack.
  unsigned m_nStanding = bowling::kFullRack;
  // The word shown over the lane after the last ball (none, strike, ...).
  int m_nShownBanner = -1;
  // What the swing under way shows: the ball's line on the guide and the
  // speed on the gauge.
  bowling::Throw m_shownThrow;
  double SwingSpeedShown() const { return m_shownThrow.dSpeed; }
  // How far the hook bends the guide by the head pin (pixels, + to the right).
  double GuideBend() const;
  unsigned StandingPins() const { return m_nStanding; }

 private:
  // The sprite whose presence says the scene is still ours.
  const CSprite* SceneKey() const override;
  void CreateBall(CSpriteList* pSprites);
  void CreatePins(CSpriteList* pSprites);
  // The roll down the lane until everything has stopped (or ten seconds
  // passed); false when the game went meanwhile.
  bool Roll();
  // A ball let go above the release zone: it counts 0 and comes back.
  void BallDroppedShort();
  void CountPins();
  // How many pins are down in this frame so far.
  int PinsHit() const;
  // The roll's sounds after one step: the rumble stopped at the pins, the
  // gutter or the pit, crashes as the count of pins down this ball grows.
  void SoundRollStep(bool bFirstContact, bool bMoved, UINT nRollSound, int nDown, int& nDownBefore);
  // Release step 3: speed and hook from the swing; false when no ball is thrown.
  bool TakeRelease(int x, int y, DWORD now);
  // After a ball: a fresh rack, another ball, or the next player. False when
  // the game has ended (or gone): the turn stops there.
  bool AfterHumanBall();
  bool EndFrame();
  // The sheet and the result stay up until the next click starts the next game.
  void ShowFinalSheet();
  void HandOver(int nNext);
  void BowlComputerBall();
  void GameEnd(CObArray* pPlayers, int nLastPlayer);
  void DrawSheet(CObArray* pPlayers, BOOL bNewGame, int nCurrent);

  // --- The swing on screen -------------------------------------------------------
  void CreateGuide(CSpriteList* pSprites);
  // The ball at the foul line under the pointer, the guide up the lane and
  // the speed so far, for a swing released at (x, y) now.
  void ShowSwing(int x, int y);
  void HideSwing();
  // The throw a swing released at (x, y) at `now` would make.
  bowling::Throw SwingThrow(int x, int y, DWORD now) const;
  // The hook key's factor so far (held now, or let go earlier).
  double SpinFactorNow(DWORD now) const;
  // A word over the lane after a ball ("Strike!", "Spare!", "Split", "Foul").
  void ShowBanner(int nBanner);
  void HideBanner();
  int BannerFor(int nCode) const;

  // --- A window that listens during a roll -------------------------------------------
  enum class RollPhase { Rolling, Settled };
  // Takes what is queued: paints, the menu and tool bar are served at once,
  // the close box and Quit Game ask at once, every other command (and, once
  // the pins have settled, the user's next press) waits for the roll's end.
  // Returns false when the game is no longer the current one.
  bool TakeRollMessages(RollPhase phase);
  // Waits until `due` while taking messages; a question or a menu on screen
  // holds the clock of the roll. False when the game is gone.
  bool WaitListening(DWORD due, RollPhase phase);
  // Hands what waited for the roll's end back to the queue.
  void ReleaseDeferred();
  // Time a message box or menu stood over the roll (ms), taken once.
  DWORD TakeHeldTime();

  std::unique_ptr<bowling::GameSound> m_pBodySound;
  std::unique_ptr<bowling::SpriteBody> m_pBallSprite;
  std::array<std::unique_ptr<bowling::SpriteBody>, bowling::kPins> m_pinSprites;
  CSprite* m_pBallCSprite = nullptr;
  bool m_bBallToStore = false;     // a ball was counted and not yet written on the sheet
  bool m_bDrawingSheet = false;    // shields the sheet from a repaint while it draws
  bool m_bInComputerTurn = false;  // a computer turn never starts inside another
  bool m_bPressSeen = false;       // a press reached this game (not the title's that chose it)
  std::string m_strResult;         // who won, for the line under the final sheet
  std::array<CSprite*, bowling::kGuideDots> m_guideDots{};
  CSprite* m_pSpeedMarker = nullptr;
  CSprite* m_pBanner = nullptr;
  std::vector<MSG> m_deferred;  // what waits for the roll's end
  DWORD m_dwHeld = 0;           // ms a question or menu held the roll
  CPoint m_ptPointer{0, 0};     // the pointer during the swing
};
