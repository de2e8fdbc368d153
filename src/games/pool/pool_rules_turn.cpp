// SPDX-License-Identifier: GPL-3.0-or-later
// After a shot under standard 8-ball or 9-ball: the rules' call applied to
// the table (fouls, ball in hand, the ball put back on the foot spot, wins
// and losses), the cue ball carried in hand, and the push-out after a
// 9-ball break with its two questions.
#include <string>
#include <vector>

#include "games/pool/model/pool_computer_rules.h"
#include "games/pool/pool.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

using namespace pool;

namespace {
std::string LossText(const std::string& name, LossWhy why, int nGroup) {
  switch (why) {
    case LossWhy::EightOnFoul: return name + " potted the 8 on a foul and loses.";
    case LossWhy::EightWrongPocket: return name + " potted the 8 in a pocket not called and loses.";
    case LossWhy::EightTooSoon:
    case LossWhy::None: break;
  }
  if (nGroup == kSolids || nGroup == kStripes)
    return name + " potted the 8 before clearing the " + (nGroup == kSolids ? "solids" : "stripes") + " and loses.";
  return name + " potted the 8 before the groups were decided and loses.";
}
}  // namespace

ShotFacts CPool::Facts() const {
  ShotFacts f;
  for (int n = 0; n < kBallCount; ++n) f.offBefore[static_cast<std::size_t>(n)] = n > 0 && m_bPocketedBefore[static_cast<std::size_t>(n)];
  f.onTable = OnTable();
  f.firstHit = m_pFirstHit ? m_pFirstHit->m_nNumber : -1;
  f.railAfterContact = m_pFirstHit && CushionsMet(TableBalls()) > m_nRailsAtContact;
  f.isBreak = m_bBreakShot != FALSE;
  f.pushOut = m_bPushOutDeclared != FALSE;
  f.eightPocket = Ball(kEightBall).m_nPocket;
  f.calledPocket = m_nCalledPocket;
  return f;
}

void CPool::EndOfRulesShot() {
  if (m_bTurnOver) {
    // The computer found nothing to play: the turn passes as it stands.
    m_bTurnOver = FALSE;
    SwitchSeat();
    return;
  }
  CPlayer* player = GetCurrentPlayer();
  const int seat = SeatOf(player ? player->m_nId : 0);
  const ShotFacts facts = Facts();
  const int ballOn = BallOn();
  Groups groups;
  groups.seat = m_nGroup;
  groups.set = m_bGroupsSet != FALSE;
  const int groupBefore = GroupOf(player);
  const RuleCall call = m_rules == RuleSet::NineBall ? JudgeNineBall(facts) : JudgeStandard(facts, groups, seat);
  m_nGroup = groups.seat;
  m_bGroupsSet = groups.set ? TRUE : FALSE;
  m_bBreakShot = FALSE;
  m_bPushOutChoice = m_bPushOutDeclared && call.foul == Foul::None;
  m_bPushOutDeclared = FALSE;
  m_bPushOutAllowed = call.pushOutNext ? TRUE : FALSE;
  bool sank = false;
  for (int n = 1; n < kBallCount; ++n) sank = sank || (!Ball(n).m_bOnTable && !m_bPocketedBefore[static_cast<std::size_t>(n)]);
  m_nDryShots[static_cast<std::size_t>(seat)] = sank ? 0 : m_nDryShots[static_cast<std::size_t>(seat)] + 1;
  if (call.result != Result::PlayOn && player) {
    AnnounceResult(*player, call, groupBefore);
    return;
  }
  if (call.respot >= 0) PutOnFootSpot(Ball(call.respot));
  m_strFoul = FoulText(call.foul, ballOn);
  if (call.turnPasses) SwitchSeat();
  if (call.ballInHand) GiveBallInHand();
  SnapshotPocketed();
}

void CPool::AnnounceResult(const CPlayer& player, const RuleCall& call, int nGroupBefore) {
  const bool won = call.result == Result::Win;
  const std::vector<int> cleared = ClearedBySeat();
  RecordStatistics(won ? player.m_nId : 1 - player.m_nId, &cleared);
  const std::string text =
      won ? WinText(player, player.m_strName + " Wins!") : LossText(player.m_strName, call.why, nGroupBefore);
  Announce(text, won ? kWinSound : kLossSound, won ? FALSE : TRUE, won ? 1 : -1);
}

void CPool::PutOnFootSpot(CPoolBall& ball) {
  const CPoint at = FreeSpotNear(Table(), kFootSpot, ball.m_nNumber);
  ball.MoveTo(at.x, at.y);
  ball.m_bOnTable = TRUE;
  ball.SetVelocity(0, 0);
}

void CPool::GiveBallInHand() {
  m_bInHand = TRUE;
  if (m_pCueBall->m_bOnTable) return;
  const CPoint at = FreeSpotNear(Table(), kRack[kCueBall].spot, kCueBall);
  m_pCueBall->MoveTo(at.x, at.y);
  m_pCueBall->m_bOnTable = TRUE;
  m_pCueBall->SetVelocity(0, 0);
}

bool CPool::CueBallFits(int x, int y) const {
  if (x < kBedLeft || x > kBedRight || y < kBedTop || y > kBedBottom) return false;
  if (m_bBreakShot && !pool::InKitchen({x, y})) return false;
  for (const PocketMouth& m : kPocketMouths)
    if ((m.x - x) * (m.x - x) + (m.y - y) * (m.y - y) < m.radius * m.radius) return false;
  for (int n = 1; n < kBallCount; ++n) {
    const CPoolBall& b = Ball(n);
    const int dx = b.GetPosX() - x, dy = b.GetPosY() - y;
    if (b.m_bOnTable && dx * dx + dy * dy < kBallDiameter * kBallDiameter) return false;
  }
  return true;
}

void CPool::CarryCueBall(int x, int y) {
  if (!CueBallFits(x, y)) return;
  m_pCueBall->MoveTo(x, y);
  m_pCueBall->SetVelocity(0, 0);
}

bool CPool::ComputerPassesBack() {
  m_bPushOutChoice = FALSE;
  const CPlayer* player = GetCurrentPlayer();
  if (TakesTableAfterPushOut(Table(), GroupOf(player))) {
    SetStatusText(0, (player ? player->m_strName : std::string()) + " plays on from the push-out.");
    return false;
  }
  const std::string name = player ? player->m_strName : std::string();
  SwitchSeat();
  SetStatusText(0, name + " passes the shot back. " + ShootsAt(GetCurrentPlayer()));
  return true;
}

void CPool::AskPushOut() {
  const CPlayer* player = GetCurrentPlayer();
  if (!player || player->m_bComputer || m_bGameOver) return;
  if (m_bPushOutChoice) {
    m_bPushOutChoice = FALSE;
    const int answer = MessageBox(player->m_strName + ", the other player pushed out. Play on from here?\n"
                                  "No hands the shot back to them.", "Push-out", MB_YESNO | MB_ICONQUESTION);
    if (!IsCurrentGame() || answer != IDNO) return;
    SwitchSeat();
    if (GetCurrentPlayer() && GetCurrentPlayer()->m_bComputer) HandOverToComputer();
    return;
  }
  if (!m_bPushOutAllowed) return;
  const int answer = MessageBox(player->m_strName + ", push out? A push-out need strike no ball;\n"
                                "the other player then chooses to play on or hand it back.", "Push-out",
                                MB_YESNO | MB_ICONQUESTION);
  if (!IsCurrentGame()) return;
  m_bPushOutDeclared = answer == IDYES ? TRUE : FALSE;
  m_bPushOutAllowed = m_bPushOutDeclared;
}
