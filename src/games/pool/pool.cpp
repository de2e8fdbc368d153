// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/pool/pool.h"
#include "platform/portable_math.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/quintaro_doc.h"
#include "app/quintaro_view.h"
#include "game/game_factories.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"
#include "sound/dx_sound.h"

using namespace pool;

CPool::CPool(const GameContext& context) : CGame(context) {
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
  for (int n = 0; n < kBallCount; ++n) {
    const RackSpot& rack = kRack[static_cast<std::size_t>(n)];
    auto sprite = std::make_unique<CSprite>(0, 0, 0, kBallHot, kBallHot, 2);
    sprite->LoadCel(rack.cel0, 0);
    sprite->LoadCel(rack.cel1, 1);
    sprite->SetCel(0);
    CSprite* raw = sprite.get();
    if (pSprites) pSprites->Insert(std::move(sprite));
    m_sprites[static_cast<std::size_t>(n)] = raw;
    m_balls[static_cast<std::size_t>(n)] = std::make_unique<CPoolBall>(static_cast<BallEnv*>(this), CPoint{0, 0}, 0.0, 0.0, kCushion, n);
    Ball(n).MoveTo(rack.spot.x, rack.spot.y);
    Ball(n).SetVelocity(0, 0);
  }
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
                      BOOL /*bMapPalette*/, CQuintaroView* /*pView*/) {
  return nCurrent + 1 > nLastPlayer ? 0 : nCurrent + 1;
}

void CPool::UpdateScoreboard(CQuintaroView* /*pView*/, CObArray* /*pPlayers*/, BOOL bNewGame, int /*nCurrent*/) {
  const CPlayer* player = Doc().m_pCurrentPlayer;
  if (player && player->m_bComputer && Doc().m_bFirstComputerTurn) {
    SetStatusText(0, kComputerClickPrompt);
  } else if (bNewGame && player) {
    // A fresh rack: tell the breaker what to do.
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

bool CPool::SceneIsOurs() const {
  const CQuintaroDoc& doc = Doc();
  return doc.m_pGame.get() == this && m_sprites[kCueBall] && doc.m_sprites.Contains(m_sprites[kCueBall]);
}

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
  return name + ", shoots at " + GroupWord(GroupOf(pPlayer)) + ".";
}

void CPool::ClosingPrompt() {
  const CPlayer* player = Doc().m_pCurrentPlayer;
  if (!player) return;
  if (IsOnEightBall(player) && !m_bGameOver && !m_bPocketCalled && !player->m_bComputer)
    SetStatusText(0, "Select Pocket for 8 ball.");
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
      << '}';
  return out.str();
}

std::unique_ptr<CGame> MakePoolGame(const GameContext& context, int /*nVariant*/) {
  return std::make_unique<CPool>(context);
}
