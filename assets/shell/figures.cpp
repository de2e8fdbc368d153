#include "shell/figures.h"

#include "shell/figure_parts.h"

namespace art {

void PaintFigure(Canvas& c, const Skeleton& s, const Outfit& o, const std::function<void(Canvas&)>& held) {
  // Back to front: the far arm and leg, the body, the near leg, the head, the near arm.
  // What a hand holds goes in just before its arm, so the fingers close over it.
  const bool farHolds = o.farGrip == Grip::Hold, nearHolds = !farHolds && o.nearGrip == Grip::Hold;
  if (held && farHolds) held(c);
  PaintArm(c, s, s.farArm, o, o.farGrip);
  PaintLeg(c, s, s.farLeg, o);
  PaintTorso(c, s, o);
  PaintHips(c, s, o);
  PaintLeg(c, s, s.nearLeg, o);
  PaintHead(c, s, o);
  if (held && nearHolds) held(c);
  PaintArm(c, s, s.nearArm, o, o.nearGrip);
  if (held && !farHolds && !nearHolds) held(c);
}

}  // namespace art
