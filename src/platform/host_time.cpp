// SPDX-License-Identifier: GPL-3.0-or-later
// Play time: the program's waits, and stepped play time moving on.
#include <algorithm>

#include "platform/host.h"

namespace {

// Tick comparisons that survive the 49-day wrap of a millisecond counter.
bool Reached(DWORD now, DWORD due) { return static_cast<std::int32_t>(now - due) >= 0; }

// Stepped play time falls at most this far behind real time: beyond it a
// machine too slow for the game plays it slower rather than in jumps.
constexpr DWORD kMostBehindMs = 250;

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDOWN);
}

}  // namespace

void Host::Sleep(DWORD ms) {
  m_backend->WaitUntil(RealTicks() + ms, false);
  // Nothing was taken meanwhile: stepped play time catches up whole, as it would have run.
  if (m_play.Stepped() && !m_play.Held()) m_play.StepTo(m_play.Flowing(RealTicks()));
}

void Host::WaitUntil(DWORD deadline) {
  const DWORD now = GetTickCount();
  if (Reached(now, deadline)) return;
  if (!m_play.Stepped()) {
    // Play time runs with real time while the wait lasts: nothing that could
    // hold play is dispatched meanwhile.
    m_backend->WaitUntil(RealTicks() + (deadline - now), false);
    return;
  }
  // Stepped, the wait ends exactly at its deadline, however late the machine
  // wakes; one that is behind real time does not wait at all.
  const DWORD real = RealTicks();
  const auto ahead = static_cast<std::int32_t>(deadline - m_play.Flowing(real));
  if (ahead > 0) m_backend->WaitUntil(real + static_cast<DWORD>(ahead), false);
  if (m_play.Held()) return;
  m_play.StepTo(deadline);
  m_play.KeepWithin(kMostBehindMs, RealTicks());
}

void Host::StepPlayTime() {
  // A message the program posted is taken at the tick it was posted at, so
  // the games' own messages never land on a tick that real time chose.
  if (!m_play.Stepped() || m_play.Held() || HoldsPostedMessage()) return;
  const DWORD real = m_backend->Ticks();
  DWORD target = m_play.Flowing(real);
  if (const auto due = NextPlayDue(); due && static_cast<std::int32_t>(*due - target) < 0) target = *due;
  m_play.StepTo(target);
  m_play.KeepWithin(kMostBehindMs, real);
}

std::optional<DWORD> Host::NextPlayDue() const {
  std::optional<DWORD> soonest = m_input ? m_input->NextDue() : std::nullopt;
  for (const Timer& t : m_timers)
    if (t.play && (!soonest || static_cast<std::int32_t>(t.due - *soonest) < 0)) soonest = t.due;
  return soonest;
}

bool Host::HoldsPostedMessage() const {
  return std::any_of(m_queue.begin(), m_queue.end(), [](const MSG& m) { return !IsInput(m.message); });
}
