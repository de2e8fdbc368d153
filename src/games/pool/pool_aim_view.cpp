// SPDX-License-Identifier: GPL-3.0-or-later
// What the player sees while aiming, drawn straight onto the window (none of
// it is part of the composed frame): the cue stick behind the cue ball,
// drawn back further the harder the shot; in front, the path to the first
// ball or cushion with a ghost ball where the cue ball will strike and a
// short line for the way the struck ball goes; and the power gauge. With
// the guide turned off, only the line toward the pointer, as long as the
// power it gives.
#include <algorithm>
#include <cmath>

#include "platform/portable_math.h"
#include "games/pool/model/pool_guide.h"
#include "games/pool/pool.h"
#include "platform/dc.h"
#include "platform/host.h"

using namespace pool;

namespace {
constexpr int kAimLineMargin = 10;
constexpr int kFullPowerReach = static_cast<int>(kMaxPower / kPowerPerPixel);
constexpr double kStickLength = 150.0;
constexpr double kStickTipGap = 3.0;         // between the ball and the tip at no power
constexpr double kStickPullPerPixel = 0.15;  // the tip draws back this much per pixel of drag
constexpr CRect kPlayfield{2, 2, 600, 399};
constexpr double kTipLength = 5.0;
constexpr double kObjectLineLength = 30.0;
constexpr COLORREF kGuideColour = RGB(255, 255, 255);
constexpr COLORREF kObjectColour = RGB(255, 230, 80);
constexpr COLORREF kStickWood = RGB(196, 150, 92);
constexpr COLORREF kStickTip = RGB(70, 120, 200);

// The gauge fills from green through yellow to red as the power grows.
COLORREF GaugeColour(double fraction) {
  const int red = static_cast<int>(std::min(1.0, 2.0 * fraction) * 230);
  const int green = static_cast<int>(std::min(1.0, 2.0 * (1.0 - fraction)) * 200);
  return RGB(red, green, 24);
}

CPoint Round(Vec v) { return {static_cast<int>(std::lround(v.x)), static_cast<int>(std::lround(v.y))}; }

// Grows `drawn` to take in `p`.
void Cover(CRect& drawn, CPoint p) { drawn.UnionRect(drawn, CRect(p.x, p.y, p.x + 1, p.y + 1)); }

void Line(CDC& dc, CRect& drawn, CPoint a, CPoint b, COLORREF colour, int width = 1) {
  dc.SelectPen(colour, width);
  dc.MoveTo(a.x, a.y);
  dc.LineTo(b.x, b.y);
  Cover(drawn, a);
  Cover(drawn, b);
}

// The ghost ball: a ring where the cue ball's edge will be.
void Ring(CDC& dc, CRect& drawn, Vec centre, COLORREF colour) {
  constexpr int kDots = 48;
  for (int i = 0; i < kDots; ++i) {
    const double a = 2.0 * 3.14159265358979 * i / kDots;
    dc.SetPixel(static_cast<int>(std::lround(centre.x + kBallRadius * pmath::Cos(a))),
                static_cast<int>(std::lround(centre.y + kBallRadius * pmath::Sin(a))), colour);
  }
  Cover(drawn, Round({centre.x - kBallRadius, centre.y - kBallRadius}));
  Cover(drawn, Round({centre.x + kBallRadius, centre.y + kBallRadius}));
}
}  // namespace

void CPool::DrawStick(CDC& dc, Vec back, double reach) {
  const CPoint cue = CuePoint();
  const double tip = kBallRadius + kStickTipGap + reach * kStickPullPerPixel;
  auto at = [&](double d) { return Round({cue.x + back.x * d, cue.y + back.y * d}); };
  // The butt stays on the playfield: past its edge nothing would erase it.
  double length = kStickLength;
  while (length > kTipLength && !kPlayfield.PtInRect(at(tip + length))) length -= 1.0;
  if (length > kTipLength) Line(dc, m_rcAimDrawn, at(tip + kTipLength), at(tip + length), kStickWood, 3);
  Line(dc, m_rcAimDrawn, at(tip), at(tip + kTipLength), kStickTip, 3);
}

void CPool::DrawGuide(CDC& dc) {
  const AimGuide guide = TraceAim(Table(), m_dPower, m_dAngle, m_tip);
  Line(dc, m_rcAimDrawn, Round(guide.from), Round(guide.end), kGuideColour);
  if (guide.kind != GuideEnd::Ball) return;
  Ring(dc, m_rcAimDrawn, guide.end, kGuideColour);
  const CPoolBall& met = Ball(guide.ball);
  const CPoint from{met.GetPosX(), met.GetPosY()};
  const Vec to{from.x + guide.objectDir.x * kObjectLineLength, from.y + guide.objectDir.y * kObjectLineLength};
  Line(dc, m_rcAimDrawn, from, Round(to), kObjectColour);
}

void CPool::DrawAim(CPoint mouse) {
  CDC dc(GetHost());
  const CPoint cue = CuePoint();
  const double dx = mouse.x - cue.x, dy = mouse.y - cue.y, d = std::sqrt(dx * dx + dy * dy);
  // The power grows with the drag up to full power and no further.
  const double reach = m_dPower > 0 ? std::min(d, double{kFullPowerReach}) : 0.0;
  m_rcAimDrawn.SetRectEmpty();
  if (reach > 0 && m_bShowGuide) {
    DrawGuide(dc);
    DrawStick(dc, {dx / d, dy / d}, reach);
  } else if (reach > 0) {
    Line(dc, m_rcAimDrawn, cue, Round({cue.x + dx * reach / d, cue.y + dy * reach / d}), kGuideColour);
  }
  if (!m_rcAimDrawn.IsRectEmpty()) m_rcAimDrawn.InflateRect(kAimLineMargin, kAimLineMargin);
  const CRect& g = kPowerGauge;
  const int height = static_cast<int>(std::lround((g.Height() - 2) * m_dPower / kMaxPower));
  if (height > 0)
    dc.FillSolidRect(CRect(g.left + 1, g.bottom - 1 - height, g.right - 1, g.bottom - 1), GaugeColour(m_dPower / kMaxPower));
}

void CPool::EraseAim() {
  CRect gauge = kPowerGauge;
  if (!m_rcAimDrawn.IsRectEmpty()) Services().AddDirtyRect(m_rcAimDrawn);
  Services().AddDirtyRect(gauge);
  FlushDirty();
  m_rcAimDrawn.SetRectEmpty();
}
