// SPDX-License-Identifier: GPL-3.0-or-later
// Bowling's state as a record: the frame under way and every ball on the
// sheet. Play resumes at the start of a bowler's frame, with a full rack.
#include "game/state_record.h"
#include "games/bowling/bowl.h"

using namespace bowling;

namespace {
constexpr int kMaxTotal = 300;  // a perfect game
}  // namespace

bool CBowl::SaveState(StateRecord& record) const {
  // Between two balls of a frame the rack is not whole: the frame's start is kept until it ends.
  if (m_bRolling || m_bGameOver || m_nBallInFrame != 0 || m_bBallToStore) return false;
  record.SetInt("bowling.frame", m_nFrame);
  for (int p = 0; p < kPlayers; ++p) {
    std::vector<int> balls;
    for (const BowlFrameCell& cell : m_frames[static_cast<std::size_t>(p)]) {
      balls.push_back(cell.nBall1);
      balls.push_back(cell.nBall2);
      balls.push_back(cell.nTotal);
    }
    record.SetInts("bowling.sheet" + std::to_string(p), balls);
  }
  return true;
}

bool CBowl::LoadState(StateReader& reader) {
  const int frame = reader.Int("bowling.frame", 0, kTenthFrame);
  ScoreSheet sheet = m_frames;
  for (int p = 0; p < kPlayers; ++p) {
    // Two ball codes and the running total a frame (the tenth's third entry is its third ball).
    const auto balls = reader.Ints("bowling.sheet" + std::to_string(p), 3 * kFrames, kNotBowled, kMaxTotal);
    for (int f = 0; f < kFrames; ++f) {
      BowlFrameCell& cell = sheet[static_cast<std::size_t>(p)][static_cast<std::size_t>(f)];
      cell.nBall1 = balls[static_cast<std::size_t>(3 * f)];
      cell.nBall2 = balls[static_cast<std::size_t>(3 * f + 1)];
      cell.nTotal = balls[static_cast<std::size_t>(3 * f + 2)];
      if (cell.nBall1 > kStrike || cell.nBall2 > kStrike || (f == kTenthFrame && cell.nTotal > kStrike))
        reader.Fail("a ball on the bowling sheet has no such code");
    }
  }
  if (!reader.Ok()) return false;
  m_frames = sheet;
  m_nFrame = frame;
  m_nBallInFrame = 0;
  m_nBallResult = 0;
  m_state = FrameState{};
  m_bGameOver = FALSE;
  ResetPinCels();
  RackPins();
  // The ball waits at the return for the frame's first ball, at rest.
  if (m_pBall) m_pBall->m_bMoving = FALSE;
  return true;
}
