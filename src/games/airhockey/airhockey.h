// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CAirHockey: the user's mallet against the computer's on a rink, in real
// time from a timer. A click on the mallet takes hold of it and starts play,
// a click anywhere pauses, a goal stops play until the next click on the
// mallet; the first side to seven goals wins and a new match follows.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/fixed_step_clock.h"
#include "game/game.h"
#include "game/live_rink.h"
#include "games/airhockey/model/airhockey_geometry.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "games/airhockey/model/airhockey_rink.h"
#include "games/airhockey/model/airhockey_rink_feed.h"

class CSprite;

namespace airhockey {
// The scoreboard's name for the user's side, used when it scores or wins.
inline constexpr const char* kHumanSideName = "PLAYER";
}  // namespace airhockey

class CAirHockey : public CGame, public LiveRink {
 public:
  explicit CAirHockey(const GameContext& context);
  ~CAirHockey() override;

  int ScoreShot(CPlayer* pPlayer) override;
  int CheckWinner(CPlayer* pPlayer) override;
  BOOL InitGame(CSpriteList* pSprites) override;
  int NextPlayer(CSpriteList* pSprites, int nCurrent, CObArray* pPlayers, int nLastPlayer, BOOL bMapPalette) override;
  void UpdateScoreboard(CObArray* pPlayers, BOOL bNewGame, int nCurrent) override;
  void AnimateShot(CSpriteList* pSprites) override;
  void OnLButtonDown(UINT nFlags, int x, int y) override;
  void OnMouseMove(UINT nFlags, int x, int y) override;
  void OnTimer(UINT nIDEvent) override;
  void OnGameControls() override;
  void LoadSounds() override;
  void StopGame() override;
  void StartGame() override;
  void OnWindowAway(BOOL bAway) override;
  std::string StateJson() const override;
  bool SaveState(StateRecord& record) const override;
  bool LoadState(StateReader& reader) override;

  // LiveRink: the rink run here for two machines, or shown here from the other's news.
  void SetRole(Role role) override;
  Role GetRole() const override { return m_role; }
  void SetFarAim(CPoint aim) override;
  void HoldForFarPlayer(bool away) override;
  std::optional<std::string> TakeNews(bool always) override;
  void SetNewsListener(std::function<void()> listener) override { m_newsListener = std::move(listener); }
  bool ShowNews(const std::string& news, DWORD arrivedAt) override;
  std::optional<CPoint> OwnAim() const override { return m_ownAim; }
  void FarPress(Press press) override;
  std::optional<Press> TakeOwnPress() override;

  airhockey::Rink m_rink;
  int m_nMalletRadius = airhockey::kMalletRadius;
  UINT m_nTimerId = airhockey::kTimerId;
  int m_nSubSteps = airhockey::kDefaultSubSteps;
  BOOL m_bPlaying = FALSE;  // the timer runs and the user holds the mallet
  // Counts the sub-steps play time has brought due since the mallet was taken.
  FixedStepClock m_steps{1, 1, 1};
  std::array<CSprite*, 2> m_pScoreSprite{};  // by player id: the user, the computer

 private:
  // Mallets home, the puck at rest on the serving side's spot.
  void ServePuck(airhockey::ServeSide side);
  // One sub-step of play; true when it ended in a goal (play has stopped).
  bool RunSubStep(skill::ComputerSkill level);
  // Runs the sub-steps due by now (whole timer ticks of them with
  // `wholeTicks`) and shows where everything is; false when a goal stopped play.
  bool CatchUp(bool wholeTicks);
  // The stored "Speed" setting, held within its range.
  int ReadSpeedSetting();
  // Takes hold of the mallet and starts the timer / lets go and stops it.
  void TakeMallet();
  void ReleaseMallet();
  void ScoreGoal(airhockey::Goal goal);
  // The digits show both sides' goals.
  void ShowScores();
  // How the board names a side: PLAYER and COMPUTER (online: the seats' names).
  std::string SideName(int nSide) const;
  // A side has won: the final score stays up until the user clicks or
  // chooses a command, and no game is under way meanwhile.
  void EndMatch(const CPlayer& winner);
  // The click or command after a finished match starts the next one at 0 : 0.
  void StartNextMatch();
  airhockey::RandomSource RandomFromHost();
  // The computer's mallet is always the second seat's: its level, whoever serves.
  skill::ComputerSkill ComputerSideSkill() const;
  CSprite* MakeSprite(CSpriteList* pSprites, UINT nBitmap, CPoint at, int nDepth, int nHot);
  CSprite* MakeScoreSprite(CSpriteList* pSprites, CPoint at);
  // The sprites show the bodies where the model has them.
  void PlaceBodies();
  // Plays a sound, and tells it in the news when the rink runs for two machines.
  void Sound(UINT nWave);
  // Shows: the bodies drawn where the news puts them by now.
  void DrawNews();
  // Shows: the scores the news brings; a goal is told as the running machine tells it.
  void TakeScores(const airhockey::RinkSnapshot& news);
  // Shows: the player's mallet at the pointer while play runs.
  bool OwnMalletAtPointer() const;
  // Shows: a press here asks the running machine to start or pause play.
  void OwnPress(int x, int y);
  // The board names the seats over its PLAYER and COMPUTER labels (in a room,
  // and on its final board after), or shows the labels again.
  void NameBoard();
  void UnnameBoard();
  void DrawBoardNames();

  CSprite* m_pHumanSprite = nullptr;
  CSprite* m_pComputerSprite = nullptr;
  CSprite* m_pPuckSprite = nullptr;
  bool m_bAnnouncingWinner = false;  // a repaint under the winner's box must not announce again
  bool m_bMatchOver = false;         // the final score is up, waiting for the user

  // Two machines, one rink.
  Role m_role = Role::Alone;
  std::optional<CPoint> m_farAim;  // Runs: the far player's aim, kept across serves
  bool m_bFarAway = false;         // Runs: the far player is away, play waits
  int m_nServes = 0;
  std::vector<UINT> m_newsSounds;  // Runs: sounds since the last news
  std::optional<airhockey::RinkSnapshot> m_lastNews;
  std::function<void()> m_newsListener;
  airhockey::RinkFeed m_feed;          // Shows: the news as it came
  std::optional<airhockey::RinkSnapshot> m_shownNews;  // Shows: the latest news read
  std::optional<CPoint> m_ownAim;      // Shows: where the player holds its mallet
  std::optional<Press> m_ownPress;     // Shows: a press not yet sent
  bool m_bWindowAway = false;          // this machine's player has turned away
  bool m_bBoardNamed = false;          // the board shows the seats' names
  std::array<std::string, 2> m_boardNames;  // by side: near, far
};
