// SPDX-License-Identifier: GPL-3.0-or-later
// One rink, two machines. The machine that runs it plays as ever, except
// that the far mallet follows the other player's aim at a person's speed,
// and it tells the rink as news many times a second. The machine that
// shows it runs nothing: it draws the bodies from the news, a moment
// behind, with its own mallet where its player's hand is, and tells goals
// and the match's end as the news brings them.
#include <algorithm>
#include <utility>

#include "games/airhockey/airhockey.h"
#include "games/airhockey/model/airhockey_motion.h"
#include "games/airhockey/model/airhockey_snapshot.h"
#include "gfx/sprite.h"
#include "platform/host.h"
#include "ui/message_box.h"

using namespace airhockey;

namespace {

// The side's score (player id 0 is the near side, 1 the far side).
CPlayer* SidePlayer(CObArray& players, int side) {
  for (const auto& player : players)
    if (player && player->m_nId == side) return player.get();
  return nullptr;
}

}  // namespace

void CAirHockey::SetRole(Role role) {
  if (role == m_role) return;
  const Role was = m_role;
  m_role = role;
  m_farAim.reset();
  m_bFarAway = false;
  m_newsSounds.clear();
  m_lastNews.reset();
  m_feed.Clear();
  m_shownNews.reset();
  m_ownAim.reset();
  m_ownPress.reset();
  if (role != Role::Alone) NameBoard();
  else if (!m_bMatchOver) UnnameBoard();  // a final board keeps its names
  if (was == Role::Shows) {
    StopTimer(m_nTimerId);
    // Drawn from news, the bodies were only pictures: the side that conceded
    // last (the loser, after a match) serves, as on the machine that ran it.
    const CPlayer* near = SidePlayer(Players(), 0);
    const CPlayer* far = SidePlayer(Players(), 1);
    const bool nearServes = !near || !far || near->m_nScore <= far->m_nScore;
    ServePuck(nearServes ? ServeSide::ToHuman : ServeSide::ToComputer);
    AnimateShot(GetSpriteList());
  }
  if (role != Role::Shows) return;
  if (m_bPlaying) ReleaseMallet();
  StartTimer(m_nTimerId, kTimerPeriodMs);  // draws the news at the frame rate
}

void CAirHockey::SetFarAim(CPoint aim) {
  if (m_role != Role::Runs) return;
  const HumanAim held = ClampToFarHalf(aim);
  Mallet& mallet = m_rink.computer;
  if (!held.clamped || !m_farAim) mallet.speed = held.clamped ? kMaxSpeed : HumanMalletSpeed(mallet.target, held.point);
  mallet.target = held.point;
  m_farAim = held.point;
}

void CAirHockey::HoldForFarPlayer(bool away) {
  if (m_role != Role::Runs) return;
  m_bFarAway = away;
  if (away && m_bPlaying) ReleaseMallet();
}

void CAirHockey::FarPress(Press press) {
  if (m_role != Role::Runs || m_bMatchOver || !IsGameInProgress()) return;
  if (press == Press::Pause && m_bPlaying) ReleaseMallet();
  // Play runs on this machine's clock, which stands still while its player is away.
  if (press == Press::Play && !m_bPlaying && !m_bFarAway && !m_bWindowAway) TakeMallet();
}

std::optional<LiveRink::Press> CAirHockey::TakeOwnPress() { return std::exchange(m_ownPress, std::nullopt); }

void CAirHockey::OwnPress(int x, int y) {
  // Before any news the rink is as served: play waits.
  if (!IsGameInProgress() || m_bMatchOver || (m_shownNews && m_shownNews->matchOver)) return;
  if (m_shownNews && m_shownNews->playing) {
    m_ownPress = Press::Pause;  // a press anywhere pauses
  } else if (m_pComputerSprite && m_pComputerSprite->HitTest(x, y)) {
    m_ownPress = Press::Play;
    m_ownAim = ClampToFarHalf({x, y}).point;
  }
}

void CAirHockey::Sound(UINT nWave) {
  PlaySound(nWave);
  if (m_role == Role::Runs && m_newsSounds.size() < RinkSnapshot::kMaxSounds) m_newsSounds.push_back(nWave);
}

std::optional<std::string> CAirHockey::TakeNews(bool always) {
  if (m_role != Role::Runs) return std::nullopt;
  RinkSnapshot news;
  news.tick = GetHost().GetTickCount();
  const Puck& puck = m_rink.puck;
  news.puck = puck.pos;
  const CPoint way{puck.aim.x - puck.pos.x, puck.aim.y - puck.pos.y};
  const int major = std::max(std::abs(way.x), std::abs(way.y));
  if (puck.live && puck.speed > 0 && major > 0) {
    // The puck steps `speed` pixels along its major axis every sub-step.
    const double perSecond = puck.speed * m_nSubSteps * 1000.0 / kTimerResolutionMs / major;
    news.puckVelocity = {static_cast<int>(way.x * perSecond), static_cast<int>(way.y * perSecond)};
  }
  news.nearMallet = m_rink.human.pos;
  news.farMallet = m_rink.computer.pos;
  for (int side = 0; side < 2; ++side)
    if (const CPlayer* player = SidePlayer(Players(), side))
      news.score[static_cast<std::size_t>(side)] = std::clamp(player->m_nScore, 0, kWinningScore);
  news.playing = m_bPlaying;
  news.matchOver = m_bMatchOver;
  news.serve = m_nServes;
  news.sounds = m_newsSounds;
  if (!always && m_lastNews && news.SameRink(*m_lastNews) && news.sounds.empty()) return std::nullopt;
  m_newsSounds.clear();
  m_lastNews = news;
  return WriteRinkSnapshot(news);
}

bool CAirHockey::ShowNews(const std::string& text, DWORD arrivedAt) {
  if (m_role != Role::Shows) return false;
  const auto news = ReadRinkSnapshot(text);
  if (!news) return false;
  m_feed.Take(*news, arrivedAt);
  m_shownNews = *news;
  for (UINT wave : news->sounds) PlaySound(wave);
  TakeScores(*news);
  return true;
}

bool CAirHockey::OwnMalletAtPointer() const {
  return m_ownAim && m_shownNews && m_shownNews->playing && !m_bMatchOver;
}

void CAirHockey::DrawNews() {
  if (const auto shown = m_feed.At(GetHost().GetTickCount())) {
    m_rink.puck.pos = shown->puck;
    m_rink.human.pos = shown->nearMallet;
    m_rink.computer.pos = shown->farMallet;
  }
  if (OwnMalletAtPointer()) m_rink.computer.pos = *m_ownAim;
  AnimateShot(GetSpriteList());
}

void CAirHockey::TakeScores(const RinkSnapshot& news) {
  if (m_bMatchOver) return;  // the final board stays as it ended
  CPlayer* near = SidePlayer(Players(), 0);
  CPlayer* far = SidePlayer(Players(), 1);
  if (!near || !far || (near->m_nScore == news.score[0] && far->m_nScore == news.score[1])) return;
  // One more goal for one side is a goal to tell; anything else (a machine
  // that came back mid-match) is only taken up.
  const bool nearScored = news.score[0] == near->m_nScore + 1 && news.score[1] == far->m_nScore;
  const bool farScored = news.score[1] == far->m_nScore + 1 && news.score[0] == near->m_nScore;
  near->m_nScore = news.score[0];
  far->m_nScore = news.score[1];
  ShowScores();
  if (!nearScored && !farScored) return;
  PlaySound(kGoalSound);
  // The puck is seen in the goal mouth, as on the running machine.
  m_rink.puck.pos = news.puck;
  AnimateShot(GetSpriteList());
  MessageBox("Its a Goal!\n" + SideName(nearScored ? 0 : 1) + " scores.", "Goal", MB_OK);
  if (!IsCurrentGame()) return;
  UpdateScoreboard(&Players(), FALSE, CurrentSeat());
}
