// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_target.h"

namespace darts {

namespace {
// Middle of each ring, in pixels from the centre. A single is aimed at its
// fat inner part, between the bull and the treble.
constexpr int kSingleAimRadius = 38;
constexpr int kTrebleAimRadius = (kTrebleMin + kTrebleMax + 1) / 2;
constexpr int kDoubleAimRadius = (kDoubleMin + kBoardRadius + 1) / 2;
constexpr int kOuterBullAimRadius = (kInnerBullMax + kOuterBullMax + 2) / 2;

int AimPosition(int number) { return kAimPositions[static_cast<std::size_t>(number < 1 || number > 20 ? 20 : number)]; }
// Built in place: GCC 12 warns falsely about a literal plus a temporary string.
std::string Prefixed(char ring, int number) {
  std::string name(1, ring);
  name.append(std::to_string(number));
  return name;
}
}  // namespace

int TargetPoints(const Target& target) {
  switch (target.ring) {
    case Ring::InnerBull: return kInnerBullPoints;
    case Ring::OuterBull: return kOuterBullPoints;
    case Ring::Single: return target.number;
    case Ring::Double: return 2 * target.number;
    case Ring::Treble: return 3 * target.number;
    case Ring::Miss: break;
  }
  return 0;
}

std::string TargetName(const Target& target) {
  switch (target.ring) {
    case Ring::InnerBull: return "Bull";
    case Ring::OuterBull: return "25";
    case Ring::Double: return Prefixed('D', target.number);
    case Ring::Treble: return Prefixed('T', target.number);
    case Ring::Single: return std::to_string(target.number);
    case Ring::Miss: break;
  }
  return "";
}

CPoint TargetPoint(const Target& target) {
  switch (target.ring) {
    case Ring::InnerBull: return {kBoardCenterX, kBoardCenterY};
    // Straight below the centre: a stroke there needs no lean.
    case Ring::OuterBull: return {kBoardCenterX, kBoardCenterY + kOuterBullAimRadius};
    case Ring::Double: return SegmentCenterPoint(AimPosition(target.number), kDoubleAimRadius);
    case Ring::Treble: return SegmentCenterPoint(AimPosition(target.number), kTrebleAimRadius);
    case Ring::Single:
    case Ring::Miss: break;
  }
  return SegmentCenterPoint(AimPosition(target.number), kSingleAimRadius);
}

bool IsFinishingDouble(const BoardHit& hit) { return hit.ring == Ring::Double || hit.ring == Ring::InnerBull; }

}  // namespace darts
