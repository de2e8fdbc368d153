// SPDX-License-Identifier: GPL-3.0-or-later
// Darts' state as a record, kept between turns: each seat's Cricket marks,
// whether its counting has started (double in) and the darts and points
// behind its average. The seats' scores are the shell's. Play resumes with
// a full tray for the seat to throw.
#include "game/state_record.h"
#include <algorithm>

#include "games/darts/dart.h"
#include "gfx/sprite_list.h"

using namespace darts;

namespace {
constexpr int kMaxCount = 1000000;
}  // namespace

bool CDart::SaveState(StateRecord& record) const {
  if (m_bGameOver || m_nDartsThrown != 0 || m_nInHand >= 0) return false;
  for (int seat = 0; seat < kSeats; ++seat) {
    std::vector<int> marks;
    for (int entry = 0; entry < kCricketEntries; ++entry) marks.push_back(m_marks.Count(seat, entry));
    const std::string n = std::to_string(seat);
    record.SetInts("darts.marks" + n, marks);
    const SeatStats& s = m_stats[static_cast<std::size_t>(seat)];
    record.SetInts("darts.seat" + n, {m_bIn[static_cast<std::size_t>(seat)] ? 1 : 0, s.darts, s.points, s.marks});
  }
  return true;
}

bool CDart::LoadState(StateReader& reader) {
  CricketMarks marks;
  std::array<SeatStats, kSeats> stats{};
  std::array<bool, kSeats> in{};
  for (int seat = 0; seat < kSeats; ++seat) {
    const std::string n = std::to_string(seat);
    const auto counts = reader.Ints("darts.marks" + n, kCricketEntries, 0, 3);
    for (int entry = 0; entry < kCricketEntries; ++entry)
      for (int m = 0; m < counts[static_cast<std::size_t>(entry)]; ++m) marks.AddMark(seat, entry);
    const auto s = reader.Ints("darts.seat" + n, 4, 0, kMaxCount);
    if (reader.Ok() && s[0] > 1) reader.Fail("darts.seat" + n + ": the first number is 0 or 1");
    in[static_cast<std::size_t>(seat)] = s[0] != 0;
    stats[static_cast<std::size_t>(seat)] = {s[1], s[2], s[3]};
  }
  if (!reader.Ok()) return false;
  m_marks = marks;
  m_stats = stats;
  m_bIn = in;
  m_nTurnTotal = m_nLastScore = m_nDartsThrown = 0;
  m_undo.clear();
  // The tray in the colours of the seat to throw.
  const int seat = std::max(0, SeatIndexOf(GetCurrentPlayer()));
  GetSpriteList()->DeleteAll();
  CreateTray(GetSpriteList(), seat, nullptr);
  return true;
}
