// SPDX-License-Identifier: GPL-3.0-or-later
// Windows, the message queue and window timers.
#include "platform/host.h"

#include <algorithm>

#include "platform/hang_up.h"

namespace {

// Timer periods are kept in eighths of a millisecond, so the 15.625 ms
// resolution is exact and a 1 ms timer ticks at 64 Hz on average.
constexpr unsigned kEighthsPerMs = 8;
constexpr unsigned kMinPeriod8 = static_cast<unsigned>(kTimerResolutionMs * kEighthsPerMs);

unsigned Period8(DWORD periodMs) {
  const std::uint64_t p8 = static_cast<std::uint64_t>(periodMs) * kEighthsPerMs;
  return static_cast<unsigned>(std::clamp<std::uint64_t>(p8, kMinPeriod8, 0x7FFFFFFFu));
}

}  // namespace

Host::Host(std::unique_ptr<Backend> backend, std::unique_ptr<SettingsStore> settings)
    : m_backend(std::move(backend)),
      m_settings(settings ? std::move(settings) : std::make_unique<SettingsStore>()) {
  // Until the chrome lays the window out, the surface is just the playfield.
  SetLayout(602, 401, CRect(0, 0, 602, 401), CRect());
  m_backend->Attach(*this);
}

Host::~Host() = default;

// --- Windows -----------------------------------------------------------------

HWND Host::CreateWindow(WndProc proc) {
  const HWND hwnd = m_nextHwnd++;
  m_windows[hwnd] = std::move(proc);
  return hwnd;
}

void Host::DestroyWindow(HWND hwnd) {
  if (!IsWindow(hwnd)) return;
  SendMessage(hwnd, WM_DESTROY);
  m_windows.erase(hwnd);
  std::erase_if(m_timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
  std::erase(m_invalid, hwnd);
  std::erase_if(m_queue, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  std::erase(m_modal, hwnd);
  HoldPlay(PlayHold::Modal, !m_modal.empty());
  if (m_capture == hwnd) ReleaseCapture();
  if (m_focus == hwnd) m_focus = HWND_NONE;
  if (m_view == hwnd) m_view = HWND_NONE;
  if (m_frame == hwnd) m_frame = HWND_NONE;
}

void Host::SetWndProc(HWND hwnd, WndProc proc) {
  const auto it = m_windows.find(hwnd);
  if (it != m_windows.end()) it->second = std::move(proc);
}

LRESULT Host::SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = m_windows.find(hwnd);
  if (it == m_windows.end() || !it->second) return 0;
  // A copy, so the procedure may destroy its own window or replace itself.
  const WndProc proc = it->second;
  return proc(MSG{hwnd, message, wParam, lParam, GetTickCount()});
}

LRESULT Host::DispatchMessage(const MSG& msg) {
  const auto it = m_windows.find(msg.hwnd);
  if (it == m_windows.end() || !it->second) return 0;
  const WndProc proc = it->second;
  return proc(msg);
}

// --- Time --------------------------------------------------------------------

// --- Queue -------------------------------------------------------------------

void Host::PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_dropTypedKey != 0 && TakesSpentKey(MSG{hwnd, message, wParam, lParam, 0})) return;
  m_queue.push_back(MSG{hwnd, message, wParam, lParam, GetTickCount()});
}

void Host::PostMessageFirst(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  m_queue.push_front(MSG{hwnd, message, wParam, lParam, GetTickCount()});
}

void Host::PostQuitMessage(int code) {
  m_quit = true;
  m_quitCode = code;
}

void Host::ClearQueue() {
  for (const MSG& m : m_queue) NoteKeyState(m);
  m_queue.clear();
}

void Host::RemoveMessages(UINT message) {
  std::erase_if(m_queue, [message](const MSG& m) { return m.message == message; });
}

void Host::RemoveMessagesIf(const std::function<bool(const MSG&)>& drop) {
  std::erase_if(m_queue, [&](const MSG& m) {
    if (!drop(m)) return false;
    NoteKeyState(m);
    return true;
  });
}

void Host::NoteKeyState(const MSG& msg) {
  if (msg.wParam >= m_keyDown.size()) return;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) m_keyDown[msg.wParam] = true;
  if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) m_keyDown[msg.wParam] = false;
}

bool Host::InFilter(UINT message, UINT filterMin, UINT filterMax) const {
  if (filterMin == 0 && filterMax == 0) return true;
  return message >= filterMin && message <= filterMax;
}

bool Host::PeekMessage(MSG* msg, bool remove, UINT filterMin, UINT filterMax) {
  m_backend->Poll();
  if (TakeHangUp()) PostEndSession();
  const DWORD now = GetTickCount();
  if (m_input) m_input->PostDue(*this, now);

  for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
    if (!InFilter(it->message, filterMin, filterMax)) continue;
    *msg = *it;
    if (remove) {
      NoteKeyState(*it);
      m_queue.erase(it);
    }
    return true;
  }
  // The quit request comes after everything posted before it, whatever the filter.
  if (m_quit) {
    *msg = MSG{HWND_NONE, WM_QUIT, static_cast<WPARAM>(m_quitCode), 0, now};
    if (remove) m_quit = false;
    return true;
  }
  if (!m_invalid.empty() && InFilter(WM_PAINT, filterMin, filterMax)) {
    *msg = MSG{m_invalid.front(), WM_PAINT, 0, 0, now};
    if (remove) m_invalid.erase(m_invalid.begin());
    return true;
  }
  if (InFilter(WM_TIMER, filterMin, filterMax)) return TakeTimerTick(msg, remove);
  return false;
}

bool Host::GetMessage(MSG* msg) {
  for (;;) {
    StepPlayTime();
    if (PeekMessage(msg, true)) return msg->message != WM_QUIT;
    const auto due = NextTimerDue();
    m_backend->WaitUntil(due ? *due : kWaitForever, true);
  }
}

// --- Timers ------------------------------------------------------------------

DWORD Host::TimerNow(const Timer& t) const {
  const DWORD real = m_backend->Ticks();
  return t.play ? m_play.Now(real) : real;
}

bool Host::SetTimer(HWND hwnd, UINT id, UINT periodMs) {
  if (!IsWindow(hwnd)) return false;
  const unsigned p8 = Period8(periodMs);
  // The first tick is one period away, rounded up to a whole tick.
  const DWORD first = (p8 + kEighthsPerMs - 1) / kEighthsPerMs;
  Timer t{hwnd, id, p8, 0, first * kEighthsPerMs - p8, hwnd == m_view};
  t.due = TimerNow(t) + first;
  for (Timer& existing : m_timers) {
    if (existing.hwnd == hwnd && existing.id == id) {
      existing = t;
      return true;
    }
  }
  m_timers.push_back(t);
  return true;
}

bool Host::KillTimer(HWND hwnd, UINT id) {
  return std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) != 0;
}

std::optional<DWORD> Host::NextTimerDue() const {
  std::optional<std::int32_t> soonest;
  const DWORD now = m_backend->Ticks();
  for (const Timer& t : m_timers) {
    if (TimerStands(t)) continue;
    // Distances from now, on the timer's own clock, so the comparison is
    // wrap-safe; stepped play time reaches a due tick when real time does.
    const DWORD clock = t.play ? m_play.Flowing(now) : now;
    const auto inMs = static_cast<std::int32_t>(t.due - clock);
    if (!soonest || inMs < *soonest) soonest = inMs;
  }
  // Recorded input wakes the program as a play timer does.
  if (const auto due = m_input && !m_play.Held() ? m_input->NextDue() : std::nullopt) {
    const auto inMs = std::max<std::int32_t>(0, static_cast<std::int32_t>(*due - m_play.Flowing(now)));
    if (!soonest || inMs < *soonest) soonest = inMs;
  }
  if (const auto poll = m_input ? m_input->PollDue() : std::nullopt) {
    const auto inMs = std::max<std::int32_t>(0, static_cast<std::int32_t>(*poll - now));
    if (!soonest || inMs < *soonest) soonest = inMs;
  }
  if (!soonest) return std::nullopt;
  return now + static_cast<DWORD>(*soonest);
}

bool Host::TakeTimerTick(MSG* msg, bool remove) {
  // However late a timer is, it has one tick pending; the one due longest wins.
  Timer* best = nullptr;
  std::int32_t bestLate = 0;
  for (Timer& t : m_timers) {
    if (TimerStands(t)) continue;
    const auto late = static_cast<std::int32_t>(TimerNow(t) - t.due);
    if (late < 0) continue;
    if (best == nullptr || late > bestLate) {
      best = &t;
      bestLate = late;
    }
  }
  if (best == nullptr) return false;
  const DWORD now = TimerNow(*best);
  *msg = MSG{best->hwnd, WM_TIMER, best->id, 0, now};
  if (remove) {
    // Served within a period of its due time: the next tick keeps the grid,
    // so the average rate stays exact. Served later: the next period starts now.
    const std::int64_t late8 =
        static_cast<std::int64_t>(now - best->due) * kEighthsPerMs + static_cast<std::int64_t>(best->dueLag8);
    std::int64_t offset8 = static_cast<std::int64_t>(best->period);
    if (late8 < offset8) offset8 -= late8;
    const std::int64_t wholeMs = (offset8 + kEighthsPerMs - 1) / kEighthsPerMs;
    best->due = now + static_cast<DWORD>(wholeMs);
    best->dueLag8 = static_cast<unsigned>(wholeMs * kEighthsPerMs - offset8);
  }
  return true;
}

// --- Painting ----------------------------------------------------------------

void Host::InvalidateWindow(HWND hwnd) {
  if (IsWindow(hwnd) && std::find(m_invalid.begin(), m_invalid.end(), hwnd) == m_invalid.end())
    m_invalid.push_back(hwnd);
}

bool Host::UpdateWindow(HWND hwnd) {
  const auto it = std::find(m_invalid.begin(), m_invalid.end(), hwnd);
  if (it == m_invalid.end()) return false;
  m_invalid.erase(it);
  SendMessage(hwnd, WM_PAINT);
  return true;
}
