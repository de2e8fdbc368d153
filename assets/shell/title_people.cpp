// SPDX-License-Identifier: GPL-3.0-or-later
// The three people of the title screen, each caught in the middle of their game.
#include "shell/title_people.h"

#include "core/decor.h"
#include "darts/dart_painter.h"
#include "shell/figures.h"
#include "shell/props.h"

namespace art {

// A basketball player low in a dribble, the ball just pushed down from his right hand.
void PaintBasketballPlayer(Canvas& c) {
  Pose p;
  p.facing = 1.f;
  p.head = 26.f;
  p.pelvis = {68.f, 0.f};
  p.floorY = 351.f;
  p.spine = 166.f;
  p.neck = 174.f;
  p.turn = 0.6f;
  p.nearLeg = {30.f, -4.f, 90.f};
  p.farLeg = {0.f, -54.f, 58.f};
  p.nearArm = {8.f, 42.f, 52.f};
  p.farArm = {16.f, 124.f, 112.f, 0.46f};
  const Skeleton s = Solve(p);
  Outfit o;
  o.skin = {Ramp::Skin, 0.02f, 0.55f, 0.3f};
  o.hair = {Ramp::Grey, 0.0f, 0.12f, 0.3f};
  o.number = "23";
  o.numberSide = 0.5f;
  o.farGrip = Grip::Hold;
  PaintFloorShadows(c, s, p.floorY);
  PaintFigure(c, s, o);
  const Pt ball = s.nearArm.handTip + Pt{0.f, 10.f};
  ContactShadow(c, ball.x + 2.f, 352.f, 9.f, 2.5f, 0.35f);
  PaintBasketball(c, ball.x, ball.y, 9.f);
}

// A left-handed quarterback stepping into the throw: shoulders closed towards
// the target, ball cocked behind his helmet, lead arm pointing at the holes.
void PaintQuarterback(Canvas& c) {
  Pose p;
  p.facing = -1.f;
  p.head = 25.5f;
  p.pelvis = {170.f, 0.f};
  p.floorY = 351.f;
  p.spine = 186.f;
  p.neck = 178.f;
  p.turn = 0.35f;
  p.nearLeg = {4.f, -36.f, 64.f};
  p.farLeg = {22.f, 2.f, 90.f};
  p.farArm = {108.f, 110.f, 110.f, 0.38f};
  p.nearArm = {262.f, 182.f, 176.f, 0.62f};
  const Skeleton s = Solve(p);
  Outfit o;
  o.skin = {Ramp::Skin, 0.15f, 0.9f, 0.22f};
  o.shirt = {Ramp::Navy, 0.08f, 0.72f, 0.25f};
  o.trim = {Ramp::Grey, 0.5f, 1.f, 0.2f};
  o.bottom = {Ramp::Grey, 0.45f, 1.f, 0.25f};
  o.socks = {Ramp::Navy, 0.05f, 0.6f, 0.1f};
  o.shoe = {Ramp::Grey, 0.02f, 0.28f, 0.6f};
  o.shoeTrim = {Ramp::Grey, 0.6f, 1.f, 0.2f};
  o.top = Top::Padded;
  o.bottomCut = Bottom::KneePants;
  o.shoes = Shoe::Cleat;
  o.helmet = true;
  o.number = "12";
  o.numberSide = 0.36f;
  o.farGrip = Grip::Point;
  o.nearGrip = Grip::Hold;
  PaintFloorShadows(c, s, p.floorY);
  const Pt ball = s.nearArm.handTip;
  PaintFigure(c, s, o, [&](Canvas& canvas) { PaintFootball(canvas, ball.x, ball.y - 2.f, 9.f, 5.5f, -60.f); });
}

// A left-handed darts player on the oche in a shirt with rolled sleeves, elbow
// up, the dart raised towards the board.
void PaintDartsPlayer(Canvas& c) {
  Pose p;
  p.facing = 1.f;
  p.head = 26.f;
  p.pelvis = {525.f, 0.f};
  p.floorY = 350.f;
  p.spine = 185.f;
  p.neck = 152.f;
  p.neckLength = 0.86f;
  p.turn = 0.12f;
  p.nearLeg = {12.f, -16.f, 70.f};
  p.farLeg = {9.f, 0.f, 90.f};
  p.farArm = {146.f, 116.f, 102.f, 0.8f};
  p.nearArm = {16.f, 34.f, 24.f};
  const Skeleton s = Solve(p);
  Outfit o;
  o.skin = {Ramp::Skin, 0.12f, 0.88f, 0.22f};
  o.hair = {Ramp::Gold, 0.08f, 0.45f, 0.4f};
  o.shirt = {Ramp::BoardRed, 0.08f, 0.62f, 0.25f};
  o.trim = {Ramp::BoardRed, 0.02f, 0.45f, 0.2f};
  o.bottom = {Ramp::Navy, 0.02f, 0.42f, 0.25f};
  o.shoe = {Ramp::Wood, 0.02f, 0.3f, 0.6f};
  o.sole = {Ramp::Grey, 0.0f, 0.15f, 0.1f};
  o.top = Top::Rolled;
  o.bottomCut = Bottom::Trousers;
  o.shoes = Shoe::Leather;
  o.collar = true;
  o.hairVolume = 0.09f;
  o.farGrip = Grip::Hold;
  PaintFloorShadows(c, s, p.floorY);
  PaintFigure(c, s, o);
  const Pt hand = s.farArm.handTip;
  PaintDart(c, hand.x + 14.f, hand.y + 3.f, hand.x - 5.f, hand.y - 1.f, Hex(0x1E4EE8), 3.f, 1.1f);
}

}  // namespace art
