// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the three game kinds: counting down in 301 and 501, and the
// marks of Cricket.
#include <array>
#include <string>

#include "games/darts/model/dart_board.h"

namespace darts {

enum Variant : int { kVariant301 = 0, kVariant501 = 1, kVariantCricket = 2 };

// Cricket entries: 0..5 stand for 15..20, 6 for the bulls.
inline constexpr int kCricketEntries = 7;
inline constexpr int kBullsEntry = 6;
inline constexpr int kFirstCricketNumber = 15;

// The score every player starts from in 301 and 501 (0 for Cricket).
int StartingScore(int variant);

// Marks of one entry are "0", "|", "||" or "|||" (closed).
class CricketMarks {
 public:
  CricketMarks() { Clear(); }
  void Clear();
  // One more mark; a closed entry stays closed and the extra mark is lost.
  // Out-of-range seats or entries are ignored.
  void AddMark(int seat, int entry);
  const std::string& Get(int seat, int entry) const;
  int Count(int seat, int entry) const;
  bool IsClosed(int seat, int entry) const { return Count(seat, entry) >= 3; }
  bool AllClosed(int seat) const;
  // The first entry of the seat that is still open, or -1 when all are closed.
  int FirstOpenEntry(int seat) const;

 private:
  std::array<std::array<std::string, kCricketEntries>, kSeats> m_marks;
};

// What a hit does in Cricket: `count` marks on `entry` (count 0: nothing).
struct CricketHit {
  int entry = -1;
  int count = 0;
};
CricketHit CricketMarksFor(const BoardHit& hit);

// The outcome of a 301/501 dart for a player's remaining score.
enum class Countdown { PlayOn, Win, Bust };
Countdown CountdownOutcome(int remaining);

// The darts players' options of 301 and 501 (both off: any dart may start
// and finish). Double in is offered for 301 only.
struct CountdownOptions {
  bool doubleOut = false;  // the finishing dart is a double or the bull; 1 left is a bust
  bool doubleIn = false;   // the count starts with a double or the bull
};
// The options as they apply to a game kind (none for Cricket, no double in for 501).
CountdownOptions OptionsFor(int variant, CountdownOptions chosen);
// With double out, reaching 0 with anything but a double or the bull, or
// leaving 1, busts.
Countdown CountdownOutcome(int remaining, const BoardHit& last, const CountdownOptions& options);
// What a dart takes off the score: nothing before a player is in with double in.
int CountedPoints(const BoardHit& hit, bool alreadyIn, const CountdownOptions& options);
// Whether the player is in after this dart.
bool IsInAfter(const BoardHit& hit, bool alreadyIn, const CountdownOptions& options);

}  // namespace darts
