// SPDX-License-Identifier: GPL-3.0-or-later
// One ball: the roll down the lane paced by the clock, the pin action, the
// count, the sweep of fallen pins and the ball coming back on the return.
#include <cmath>
#include <optional>

#include "platform/portable_math.h"
#include "game/step_pacer.h"
#include "games/bowling/bowl.h"
#include "games/bowling/model/bowl_swing.h"
#include "platform/host.h"

using namespace bowling;

int CBowl::PinsHit() const {
  int hit = 0;
  for (const auto& pin : m_pins) hit += pin->m_bHit ? 1 : 0;
  return hit;
}

void CBowl::CountPins() {
  int hit = 0;
  unsigned standing = 0;
  for (std::size_t i = 0; i < m_pins.size(); ++i) {
    if (m_pins[i]->m_bHit)
      ++hit;
    else
      standing |= 1u << i;
  }
  const bool fullRack = m_nStanding == kFullRack;
  const BallCount count = CountBall(m_state, m_nBallInFrame, m_nFrame, hit);
  if (count.allDown) PlaySound(kAllDownSound);
  m_nBallResult = count.code;
  // A split is what a ball at a full rack leaves; the word shows over the lane.
  m_nShownBanner = BannerFor(count.code);
  if (m_nShownBanner < 0 && fullRack && IsSplit(standing)) m_nShownBanner = kBannerSplit;
  m_nStanding = count.allDown ? kFullRack : standing;
}

int CBowl::BannerFor(int nCode) const {
  if (nCode == kStrike) return kBannerStrike;
  if (nCode == kSpare) return kBannerSpare;
  return -1;
}

void CBowl::AnimateShot(CSpriteList* /*pSprites*/) {
  if (!SceneIsOurs()) return;
  Host& host = GetHost();
  m_bRolling = TRUE;
  m_bBallToStore = true;
  m_deferred.clear();
  m_dwHeld = 0;
  HideSwing();
  if (m_bNoRoll) {
    BallDroppedShort();
    return;
  }
  if (!Roll()) return;
  CountPins();
  ShowBanner(m_nShownBanner);
  FlushDirty();
  if (!WaitListening(host.GetTickCount() + kCountPauseMs, RollPhase::Settled)) return;
  RemoveFallenPins();
  FlushDirty();
  if (!PlayBallReturn()) return;
  HideBanner();
  FlushDirty();
  m_bRolling = FALSE;
  m_dwKeyTime = 0;
  m_pBall->m_bInGutter = FALSE;
  // What was asked for during the roll is carried out now, in order.
  ReleaseDeferred();
}

void CBowl::BallDroppedShort() {
  Host& host = GetHost();
  int hit = 0;
  for (const auto& pin : m_pins) hit += pin->m_bHit ? 1 : 0;
  m_nBallResult = CountNoRoll(m_state, m_nBallInFrame, hit);
  // A foul: the ball counts nothing and the word says why.
  m_nShownBanner = kBannerFoul;
  ShowBanner(kBannerFoul);
  FlushDirty();
  if (!WaitListening(host.GetTickCount() + kCountPauseMs, RollPhase::Settled)) return;
  if (!PlayBallReturn()) return;
  HideBanner();
  FlushDirty();
  m_bRolling = FALSE;
  ReleaseDeferred();
}

void CBowl::SoundRollStep(bool bFirstContact, bool bMoved, UINT nRollSound, int nDown, int& nDownBefore) {
  if (bFirstContact) {
    StopSound(nRollSound);
    PlaySound(kPinHitSound);
  }
  // The crash grows with the pins that go down.
  if (nDownBefore < kPinsForCrash && nDown >= kPinsForCrash) PlaySound(kPinCrashSound);
  if (nDownBefore < kPinsForScatter && nDown >= kPinsForScatter) PlaySound(kPinScatterSound);
  nDownBefore = nDown;
  // In the gutter the channel's own roll takes over.
  if (!bMoved || !m_pBall->m_bMoving || m_pBall->m_bInGutter) StopSound(nRollSound);
}

bool CBowl::Roll() {
  Host& host = GetHost();
  const DWORD start = host.GetTickCount();
  PlaceBall(*m_pBall, m_throw);
  FlushDirty();
  // The ball is set down, and rolls with a rumble of its speed until it
  // meets the pins or drops into the pit.
  PlaySound(kReleaseSound);
  const UINT rollSound = RollSoundFor(m_nSpeedIndex);
  PlaySound(rollSound);
  // Pins an earlier ball of the frame knocked down do not crash again.
  const int downBefore = PinsHit();
  int pinsDown = 0;
  std::array<CBowlBall*, kPins> pins{};
  for (std::size_t i = 0; i < m_pins.size(); ++i) pins[i] = m_pins[i].get();
  CLaneRoll roll(*m_pBall, pins, m_throw.hook, kPinScatter, [&host] { return host.Random().Next(); });
  DWORD held = 0;
  // One physics step per millisecond, shown at the display's rate; cut off
  // after ten seconds of rolling (a question on screen does not count).
  std::optional<CStepPacer> pacer;
  pacer.emplace(host, kRollStepMs);
  const auto step = [&] {
    if (host.GetTickCount() - start - held > kRollLimitMs) return false;
    const bool moved = roll.Step();
    SoundRollStep(roll.FirstContactNow(), moved, rollSound, PinsHit() - downBefore, pinsDown);
    return moved;
  };
  for (;;) {
    if (!TakeRollMessages(RollPhase::Rolling)) return false;
    if (const DWORD h = TakeHeldTime()) {
      held += h;
      pacer.emplace(host, kRollStepMs);
    }
    if (!pacer->Advance(step, [this] { FlushDirty(); })) break;
  }
  return true;
}

bool CBowl::PlayBallReturn() {
  Host& host = GetHost();
  CBowlBall& ball = *m_pBall;
  int cel = 0;
  int stepInRun = 0;
  // The cel moves on after the first step of a run and then after every tenth.
  const auto advanceCel = [&] {
    if (stepInRun++ % 10 == 0) cel = cel >= kBallLastCel ? 0 : cel + 1;
  };
  const auto stepTo = [&](int x, int y, DWORD ms) {
    const DWORD due = host.GetTickCount() + ms;
    ball.m_pSprite->SetCel(cel);
    ball.SetPosition(x, y);
    FlushDirty();
    advanceCel();
    return WaitListening(due, RollPhase::Settled);
  };
  ball.ShowCel(0);
  ball.SetPosition(kReturnX, kReturnChuteTop);
  FlushDirty();
  for (int i = 0; i < kReturnChuteSteps; ++i)
    if (!stepTo(kReturnX, kReturnChuteTop + kReturnChuteStep * i, kReturnChuteMs)) return false;
  ball.m_pSprite->SetCel(0);
  ball.SetPosition(kReturnX, kReturnRestY);
  FlushDirty();
  stepInRun = 0;
  double angle = kHalfPi;
  for (int i = 0; i < kReturnWellSteps; ++i) {
    const int x = kReturnWellX + static_cast<int>(pmath::Cos(angle) * kReturnWellRadius);
    const int y = kReturnWellY - static_cast<int>(pmath::Sin(angle) * kReturnWellRadius);
    if (!stepTo(x, y, kReturnWellMs)) return false;
    angle += kReturnWellStepAngle;
  }
  // Rounding must not leave the ball a pixel off its resting place.
  ball.SetPosition(kReturnX, kReturnRestY);
  FlushDirty();
  return true;
}
