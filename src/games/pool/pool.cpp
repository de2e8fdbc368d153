// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/pool.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "games/pool/pool_dialogs.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "sound/dx_sound.h"
#include "ui/message_box.h"

using namespace pool;

CPool::CPool(const GameContext& context, RuleSet rules) : CGame(context), m_rules(rules) {
  LoadSounds();
  ReadControls();
}

CPool::~CPool() = default;

void CPool::LoadSounds() {
  m_pSound.reset();
  m_pSound = std::make_unique<CDXSound>(kSoundTable.data(), static_cast<int>(kSoundTable.size()), GetHost(),
                                        SoundFamily::Pool);
  m_pSound->EnableSound(m_bSound);
}

BOOL CPool::InitGame(CSpriteList* pSprites) {
  PlaySound(kRackSound);
  const TableState racked = m_rules == RuleSet::NineBall ? RackedNineBall() : RackedTable();
  for (int n = 0; n < kBallCount; ++n) {
    const RackSpot& rack = kRack[static_cast<std::size_t>(n)];
    const std::size_t i = static_cast<std::size_t>(n);
    if (!racked.onTable[i]) {
      // Not in this game's rack: a ball without a picture, off the table.
      m_balls[i] = std::make_unique<CPoolBall>(static_cast<BallEnv*>(this), racked.pos[i], 0.0, 0.0, kCushion, n);
      Ball(n).m_bOnTable = FALSE;
      m_bPocketedBefore[i] = TRUE;
      continue;
    }
    auto sprite = std::make_unique<CSprite>(0, 0, 0, kBallHot, kBallHot, 2);
    sprite->LoadCel(rack.cel0, 0);
    sprite->LoadCel(rack.cel1, 1);
    sprite->SetCel(0);
    CSprite* raw = sprite.get();
    if (pSprites) pSprites->Insert(std::move(sprite));
    m_sprites[static_cast<std::size_t>(n)] = raw;
    m_balls[static_cast<std::size_t>(n)] = std::make_unique<CPoolBall>(static_cast<BallEnv*>(this), CPoint{0, 0}, 0.0, 0.0, kCushion, n);
    Ball(n).MoveTo(racked.pos[i].x, racked.pos[i].y);
    Ball(n).SetVelocity(0, 0);
  }
  // Under the standard rules the breaker places the cue ball behind the head string.
  m_bBreakShot = m_rules != RuleSet::Classic ? TRUE : FALSE;
  m_bInHand = m_bBreakShot;
  m_pCueBall = m_balls[kCueBall].get();
  // In front of a pocketed cue ball lying in the cup.
  auto dot = std::make_unique<CSprite>(0, 0, -1, kTipDotSize / 2, kTipDotSize / 2, 1);
  dot->LoadCel(kTipDotCel, 0);
  dot->SetCel(0);
  m_pTipDot = dot.get();
  if (pSprites) pSprites->Insert(std::move(dot));
  CentreTip();
  Turn().m_bDragging = FALSE;
  Turn().Deselect();
  return TRUE;
}

int CPool::NextPlayer(CSpriteList* /*pSprites*/, int nCurrent, CObArray* /*pPlayers*/, int nLastPlayer,
                      BOOL /*bMapPalette*/) {
  return nCurrent + 1 > nLastPlayer ? 0 : nCurrent + 1;
}

void CPool::UpdateScoreboard(CObArray* /*pPlayers*/, BOOL bNewGame, int /*nCurrent*/) {
  const CPlayer* player = GetCurrentPlayer();
  if (AwaitingComputerClick()) {
    SetStatusText(0, kComputerClickPrompt);
  } else if (bNewGame && player) {
    // A fresh rack: tell the breaker what to do.
    if (m_bInHand && !player->m_bComputer)
      ClosingPrompt();
    else
      SetStatusText(0, ShootsAt(player));
  } else if (player && ClickPromptShowing()) {
    // The seat was handed back to the user (Number of Players) before the click came.
    ClosingPrompt();
  }
}

DWORD CPool::Ticks() { return GetHost().GetTickCount(); }

void CPool::ShowBall(int nNumber, int x, int y) {
  if (nNumber < 0 || nNumber >= kBallCount) return;
  if (CSprite* sprite = m_sprites[static_cast<std::size_t>(nNumber)]) sprite->SetPosition(x, y);
}

const CSprite* CPool::SceneKey() const { return m_sprites[kCueBall]; }

CPoint CPool::CuePoint() const { return {m_pCueBall->GetPosX(), m_pCueBall->GetPosY()}; }

int CPool::GroupOf(const CPlayer* pPlayer) const {
  return m_nGroup[static_cast<std::size_t>(SeatOf(pPlayer ? pPlayer->m_nId : 0))];
}

BallFlags CPool::OnTable() const {
  BallFlags flags{};
  for (int n = 0; n < kBallCount; ++n) flags[static_cast<std::size_t>(n)] = m_balls[static_cast<std::size_t>(n)] && Ball(n).m_bOnTable;
  return flags;
}

BOOL CPool::IsOnEightBall(const CPlayer* pPlayer) const {
  return pool::IsOnEightBall(OnTable(), GroupOf(pPlayer)) ? TRUE : FALSE;
}

BOOL CPool::InKitchen(const CPoolBall& ball) const {
  return pool::InKitchen({ball.GetPosX(), ball.GetPosY()}) ? TRUE : FALSE;
}

std::string CPool::ShootsAt(const CPlayer* pPlayer) const {
  const std::string name = pPlayer ? pPlayer->m_strName : std::string();
  if (m_rules == RuleSet::NineBall) return name + ", shoots at the " + std::to_string(BallOn()) + ".";
  return name + ", shoots at " + GroupWord(GroupOf(pPlayer)) + ".";
}

int CPool::BallOn() const {
  return m_rules == RuleSet::NineBall && m_pCueBall ? LowestOnTable(OnTable()) : -1;
}

void CPool::ClosingPrompt() {
  const CPlayer* player = GetCurrentPlayer();
  if (!player) return;
  const std::string foul = m_strFoul.empty() ? std::string() : m_strFoul + " ";
  if (IsOnEightBall(player) && !m_bGameOver && !m_bPocketCalled && !player->m_bComputer)
    SetStatusText(0, foul + "Select Pocket for 8 ball.");
  else if (m_bInHand && player->m_bComputer)
    SetStatusText(0, foul + player->m_strName + (m_bBreakShot ? " breaks." : ", ball in hand."));
  else if (m_bInHand && m_bBreakShot)
    SetStatusText(0, player->m_strName + " breaks: drag the cue ball behind the head string, then shoot.");
  else if (m_bInHand) {
    const std::string shoot = m_rules == RuleSet::NineBall ? "shoot at the " + std::to_string(BallOn()) : "then shoot";
    SetStatusText(0, foul + player->m_strName + ", ball in hand: drag the cue ball, " + shoot + ".");
  } else if (m_bPushOutDeclared)
    SetStatusText(0, player->m_strName + " pushes out: any shot, no ball need be struck.");
  else if (!foul.empty())
    SetStatusText(0, foul + ShootsAt(player));
  else if (!m_pCueBall->m_bOnTable)
    SetStatusText(0, player->m_strName + ", place cue ball");
  else
    SetStatusText(0, ShootsAt(player));
}

bool CPool::PickTip(int x, int y) {
  const double dx = x - kCueTray.x, dy = y - kCueTray.y;
  if (dx * dx + dy * dy > kTipPickRadius * kTipPickRadius) return false;
  // Up the picture is above the ball's centre: follow.
  SetTip({dx / kTipDotReach, -dy / kTipDotReach});
  return true;
}

void CPool::SetTip(Tip tip) {
  // The tip stays on the ball: within the furthest offset.
  tip.x = std::clamp(tip.x, -1.0, 1.0);
  tip.y = std::clamp(tip.y, -1.0, 1.0);
  const double r = pmath::Hypot(tip.x, tip.y);
  if (r > 1.0) tip = {tip.x / r, tip.y / r};
  m_tip = tip;
  if (m_pTipDot)
    m_pTipDot->SetPosition(kCueTray.x + static_cast<int>(std::lround(tip.x * kTipDotReach)),
                           kCueTray.y - static_cast<int>(std::lround(tip.y * kTipDotReach)));
}

std::string CPool::StateJson() const {
  std::ostringstream out;
  out << "{\"balls\":[";
  for (int n = 0; n < kBallCount; ++n) {
    const CPoolBall* b = m_balls[static_cast<std::size_t>(n)].get();
    const bool on = b && b->m_bOnTable;
    const int pocket = !b || on || b->m_nPocket >= kPocketCount ? -1 : b->m_nPocket;
    out << (n ? "," : "") << "{\"x\":" << (b ? b->GetPosX() : 0) << ",\"y\":" << (b ? b->GetPosY() : 0)
        << ",\"onTable\":" << (on ? "true" : "false") << ",\"pocket\":" << pocket << '}';
  }
  auto flag = [](BOOL b) { return b ? "true" : "false"; };
  out << "],\"group\":[" << m_nGroup[0] << ',' << m_nGroup[1] << "],\"groupsSet\":" << flag(m_bGroupsSet)
      << ",\"calledPocket\":" << m_nCalledPocket << ",\"pocketCalled\":" << flag(m_bPocketCalled)
      << ",\"gameOver\":" << flag(m_bGameOver) << ",\"moving\":" << flag(m_bMoving) << ",\"power\":" << m_dPower
      << ",\"angle\":" << m_dAngle << ",\"tip\":[" << m_tip.x << ',' << m_tip.y << "],\"guide\":" << flag(m_bShowGuide)
      << ",\"rules\":" << static_cast<int>(m_rules) << ",\"ballOn\":" << BallOn() << ",\"inHand\":" << flag(m_bInHand)
      << ",\"breakShot\":" << flag(m_bBreakShot) << ",\"pushOut\":\""
      << (m_bPushOutChoice ? "choice" : m_bPushOutDeclared ? "declared" : m_bPushOutAllowed ? "allowed" : "none") << '"'
      << '}';
  return out.str();
}

void CPool::OnTypeOfGame() {
  if (IsGameInProgress() && MessageBox("Do you wish to quit the current game?", "Quit Game?",
                                            MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDNO)
    return;
  pool::CPoolTypeDlg dlg;
  dlg.m_nType = static_cast<int>(m_rules);
  const bool chosen = DoModal(dlg) == IDOK && dlg.m_nType >= 0 && dlg.m_nType < pool::kRuleSetCount;
  if (!chosen) {
    // A command over the final board ends the wait: the next game starts.
    if (m_bGameOver) RestartGame();
    return;
  }
  SetGameInProgress(FALSE);
  // The document replaces this game: nothing of ours may run after this call.
  Services().RestartWithVariant(dlg.m_nType);
}

std::unique_ptr<CGame> MakePoolGame(const GameContext& context, int nVariant) {
  return std::make_unique<CPool>(context, RuleSetOf(nVariant));
}
