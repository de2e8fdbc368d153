// SPDX-License-Identifier: GPL-3.0-or-later
// What a dart scores, and bust and win.
#include <cmath>
#include <vector>

#include "games/darts/dart.h"
#include "gfx/sprite_list.h"
#include "platform/host.h"

using namespace darts;

int CDart::ScoreShot(CPlayer* pPlayer) {
  const Landing landing = LandingPoint(m_ptPress, m_ptRelease, m_dwThrowTime, Settings());
  m_nStrokeAngle = landing.strokeAngle;
  const BoardPolar polar = ToBoardPolar(landing.point);
  m_nDartAngle = polar.angle;
  m_nDartDist = polar.dist;
  m_ptLastPress = m_ptPress;
  m_ptLanding = landing.point;
  m_lastHit = ResolveHit(m_nDartDist, m_nDartAngle);
  m_bOnBoard = m_lastHit.OnBoard() ? TRUE : FALSE;

  int points = m_lastHit.points;
  SeatStats& stats = m_stats[SeatIndex(pPlayer)];
  if (pPlayer) ++stats.darts;
  if (m_nVariant == kVariantCricket && pPlayer) {
    const CricketHit marks = CricketMarksFor(m_lastHit);
    for (int i = 0; i < marks.count; ++i) {
      const int before = m_marks.Count(pPlayer->m_nId, marks.entry);
      AddMark(pPlayer->m_nId, marks.entry);
      stats.marks += m_marks.Count(pPlayer->m_nId, marks.entry) - before;
    }
  } else if (pPlayer) {
    // Before a double in, darts count for nothing.
    bool& isIn = m_bIn[SeatIndex(pPlayer)];
    points = CountedPoints(m_lastHit, isIn, m_options);
    isIn = IsInAfter(m_lastHit, isIn, m_options);
    stats.points += points;
  }
  m_nLastScore = points;
  m_nTurnTotal += points;
  if (m_nVariant != kVariantCricket && pPlayer) pPlayer->m_nScore -= points;
  return points;
}

std::size_t CDart::SeatIndex(const CPlayer* pPlayer) {
  const int id = pPlayer ? pPlayer->m_nId : 0;
  return static_cast<std::size_t>(id >= 0 && id < kSeats ? id : 0);
}

void CDart::RecordDartsStatistics(const CPlayer* pPlayer) {
  // Cricket keeps its points; 301 and 501 keep the three-dart average to a
  // tenth, as the scoreboard shows it.
  const bool cricket = m_nVariant == kVariantCricket;
  std::vector<int> results;
  for (std::size_t i = 0; i < Players().size(); ++i) {
    const CPlayer* p = Players()[i].get();
    const darts::SeatStats& s = m_stats[SeatIndex(p)];
    results.push_back(cricket ? (p ? p->m_nScore : 0) : static_cast<int>(std::lround(s.ThreeDartAverage() * 10.0)));
  }
  RecordStatistics(static_cast<int>(SeatIndex(pPlayer)), &results, !cricket);
}

int CDart::CheckWinner(CPlayer* pPlayer) {
  if (!pPlayer) return 0;
  if (m_nVariant == kVariantCricket) {
    if (!m_marks.AllClosed(pPlayer->m_nId)) return 0;
    RecordDartsStatistics(pPlayer);
    PlaySound(kWinSound);
    MessageBox(WinText(*pPlayer, kWonText));
    return 1;
  }
  switch (CountdownOutcome(pPlayer->m_nScore, m_lastHit, m_options)) {
    case Countdown::Win:
      RecordDartsStatistics(pPlayer);
      PlaySound(kWinSound);
      MessageBox(WinText(*pPlayer, kWonText));
      return 1;
    case Countdown::Bust:
      // Back to where the turn started, and shown so before the box opens:
      // the scoreboard never shows a score below zero.
      pPlayer->m_nScore += m_nTurnTotal;
      m_stats[SeatIndex(pPlayer)].points -= m_nTurnTotal;  // a bust's darts count, its points do not
      m_nDartsThrown = kBustDarts;
      UpdateScoreboard(&Players(), FALSE, CurrentSeat());
      PlaySound(kBustSound);
      MessageBox(pPlayer->m_bComputer ? pPlayer->m_strName + kComputerBustText : kBustText);
      return -1;
    case Countdown::PlayOn: break;
  }
  return 0;
}
