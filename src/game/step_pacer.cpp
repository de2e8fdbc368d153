// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/step_pacer.h"

#include <algorithm>

#include "platform/host.h"

namespace {
// A stalled clock (a debugger, a suspended laptop) must not make a loop run
// thousands of steps in one go.
constexpr DWORD kMaxCatchUpSteps = 100;
}  // namespace

CStepPacer::CStepPacer(Host& host, DWORD stepMs, DWORD frameMs)
    : m_host(host),
      m_stepMs(std::max<DWORD>(stepMs, 1)),
      m_frameMs(std::max<DWORD>(frameMs, 1)),
      m_nextStep(host.GetTickCount()),
      m_nextFrame(host.GetTickCount() + m_frameMs) {}

bool CStepPacer::Advance(const std::function<bool()>& step, const std::function<void()>& present) {
  const DWORD now = m_host.GetTickCount();
  DWORD due = now >= m_nextStep ? (now - m_nextStep) / m_stepMs + 1 : 0;
  if (due > kMaxCatchUpSteps) {
    due = kMaxCatchUpSteps;
    m_nextStep = now - (kMaxCatchUpSteps - 1) * m_stepMs;
  }
  for (DWORD i = 0; i < due; ++i) {
    ++m_nSteps;
    m_nextStep += m_stepMs;
    if (!step()) {
      present();
      return false;
    }
  }
  if (m_host.GetTickCount() >= m_nextFrame) {
    present();
    m_nextFrame = m_host.GetTickCount() + m_frameMs;
  }
  // Sleep until the next step or the next frame, whichever comes first.
  m_host.WaitUntil(std::min(m_nextStep, m_nextFrame));
  return true;
}
