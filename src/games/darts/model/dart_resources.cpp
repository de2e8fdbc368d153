#include "games/darts/model/dart_resources.h"

#include <algorithm>

namespace darts {

namespace {
// Per seat: the pictures for k = 1, 2, 5, 6. The first two lean (41 x 28), the
// last two stand straight (11 x 27) with the tip at the top or at the bottom.
constexpr std::array<std::array<UINT, 4>, 4> kStuckBitmaps = {{
    {152, 153, 156, 157},
    {172, 173, 176, 177},
    {164, 165, 169, 170},
    {158, 159, 162, 163},
}};
struct Hot {
  int x, y;
};
constexpr std::array<Hot, 4> kStuckHotSpots = {{{40, 26}, {0, 26}, {5, 0}, {5, 26}}};

std::size_t Column(int k) {
  switch (k) {
    case 2: return 1;
    case 5: return 2;
    case 6: return 3;
    default: return 0;
  }
}
}  // namespace

StuckDartImage StuckDartFor(int seat, int k) {
  const auto s = static_cast<std::size_t>(std::clamp(seat, 0, 3));
  const std::size_t c = Column(k);
  return {kStuckBitmaps[s][c], kStuckHotSpots[c].x, kStuckHotSpots[c].y};
}

}  // namespace darts
