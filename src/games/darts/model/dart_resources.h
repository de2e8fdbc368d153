#pragma once
// The darts game's pictures, cursors, sounds and dialogs, by resource id.
#include <array>

#include "platform/types.h"

namespace darts {

inline constexpr UINT kBoardBitmap = 130;    // 301 and 501
inline constexpr UINT kCricketBitmap = 306;  // Cricket

// A player's darts in the tray (11 x 47), by seat.
inline constexpr std::array<UINT, 4> kTrayBitmaps = {143, 145, 144, 151};

inline constexpr UINT kReadyCursor = 149;     // over the throw zone, dart in hand
inline constexpr UINT kThrowingCursor = 150;  // during a stroke

inline constexpr UINT kMissSound = 324;
inline constexpr UINT kHitSound = 325;
inline constexpr UINT kBustSound = 326;
inline constexpr UINT kWinSound = 327;
inline constexpr UINT kPickSound = 402;
inline constexpr std::array<UINT, 5> kSoundTable = {kMissSound, kHitSound, kBustSound, kWinSound, kPickSound};

inline constexpr UINT kTypeOfGameDialog = 138;
inline constexpr int kRadio301 = 1004;
inline constexpr int kRadio501 = 1005;
inline constexpr int kRadioCricket = 1006;

inline constexpr UINT kControlsDialog = 143;
inline constexpr int kAccuracyTrack = 1013;
inline constexpr int kVelocityTrack = 1015;
inline constexpr int kDriftTrack = 1017;

// A dart stuck in the board: its picture and where its tip is in it.
struct StuckDartImage {
  UINT bitmap = 0;
  int hotX = 0;
  int hotY = 0;
};

// The stuck-dart picture of seat `seat` for variant k (1, 2, 5 or 6); other
// values of k fall back to the first picture.
StuckDartImage StuckDartFor(int seat, int k);
// The k values a stuck-dart draw accepts.
inline constexpr bool IsStuckDartVariant(int k) { return k == 1 || k == 2 || k == 5 || k == 6; }

}  // namespace darts
