// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_rules.h"

#include "games/darts/model/dart_target.h"

namespace darts {

namespace {
const std::array<std::string, 4> kMarkTexts = {"0", "|", "||", "|||"};
constexpr int kClosed = 3;

bool ValidCell(int seat, int entry) { return seat >= 0 && seat < kSeats && entry >= 0 && entry < kCricketEntries; }
}  // namespace

int StartingScore(int variant) {
  switch (variant) {
    case kVariant301: return 301;
    case kVariant501: return 501;
    default: return 0;
  }
}

void CricketMarks::Clear() {
  for (auto& seat : m_marks) seat.fill(kMarkTexts[0]);
}

void CricketMarks::AddMark(int seat, int entry) {
  if (!ValidCell(seat, entry)) return;
  const int count = Count(seat, entry);
  if (count < kClosed) m_marks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(entry)] = kMarkTexts[static_cast<std::size_t>(count + 1)];
}

const std::string& CricketMarks::Get(int seat, int entry) const {
  if (!ValidCell(seat, entry)) return kMarkTexts[0];
  return m_marks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(entry)];
}

int CricketMarks::Count(int seat, int entry) const {
  const std::string& s = Get(seat, entry);
  return s == kMarkTexts[0] ? 0 : static_cast<int>(s.size());
}

bool CricketMarks::AllClosed(int seat) const { return FirstOpenEntry(seat) < 0; }

int CricketMarks::FirstOpenEntry(int seat) const {
  for (int e = 0; e < kCricketEntries; ++e)
    if (!IsClosed(seat, e)) return e;
  return -1;
}

CricketHit CricketMarksFor(const BoardHit& hit) {
  switch (hit.ring) {
    case Ring::InnerBull: return {kBullsEntry, 2};
    case Ring::OuterBull: return {kBullsEntry, 1};
    case Ring::Single:
    case Ring::Double:
    case Ring::Treble:
      if (hit.number < kFirstCricketNumber || hit.number > 20) return {};
      return {hit.number - kFirstCricketNumber,
              hit.ring == Ring::Treble ? 3 : hit.ring == Ring::Double ? 2 : 1};
    case Ring::Miss: break;
  }
  return {};
}

Countdown CountdownOutcome(int remaining) {
  if (remaining == 0) return Countdown::Win;
  return remaining < 0 ? Countdown::Bust : Countdown::PlayOn;
}

CountdownOptions OptionsFor(int variant, CountdownOptions chosen) {
  if (variant == kVariantCricket) return {};
  if (variant != kVariant301) chosen.doubleIn = false;
  return chosen;
}

Countdown CountdownOutcome(int remaining, const BoardHit& last, const CountdownOptions& options) {
  const Countdown plain = CountdownOutcome(remaining);
  if (!options.doubleOut) return plain;
  if (remaining == 1) return Countdown::Bust;
  if (plain == Countdown::Win && !IsFinishingDouble(last)) return Countdown::Bust;
  return plain;
}

bool IsInAfter(const BoardHit& hit, bool alreadyIn, const CountdownOptions& options) {
  return alreadyIn || !options.doubleIn || IsFinishingDouble(hit);
}

int CountedPoints(const BoardHit& hit, bool alreadyIn, const CountdownOptions& options) {
  return IsInAfter(hit, alreadyIn, options) ? hit.points : 0;
}

}  // namespace darts
