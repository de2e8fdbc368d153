// SPDX-License-Identifier: GPL-3.0-or-later
// What a game's loop pays per message peek while the program is in an online
// room: looking at the connection on every peek (a lock and a queue check in
// the desktop's transport) against looking at most every few milliseconds.
#include <benchmark/benchmark.h>

#include <deque>
#include <mutex>
#include <optional>

#include "app/online/online_session.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

namespace {

// The desktop transport's main-loop side: a queue a network thread fills, under a lock.
class LockedQueueTransport final : public NetTransport {
 public:
  void Open(const std::string&) override {}
  void Send(const std::string&) override {}
  void Close() override {}
  std::optional<NetEvent> Poll() override {
    std::lock_guard lock(m_mutex);
    if (m_events.empty()) return std::nullopt;
    NetEvent event = std::move(m_events.front());
    m_events.pop_front();
    return event;
  }

 private:
  std::mutex m_mutex;
  std::deque<NetEvent> m_events;
};

struct Quiet : OnlineEvents {
  void OnJoined() override {}
  void OnRoomChanged() override {}
  void OnGameMessage(const NetMessage&) override {}
  void OnEnded(const std::string&) override {}
  void OnRefused(const std::string&, const std::string&) override {}
};

// An input source that looks at a session as the online desk does.
class SessionLooker final : public InputSource {
 public:
  SessionLooker(OnlineSession& session, DWORD gapMs) : m_session(session), m_gapMs(gapMs) {}
  void PostDue(Host& host, DWORD) override {
    const DWORD now = host.RealTicks();
    if (m_polledAt && now - *m_polledAt < m_gapMs) return;
    m_polledAt = now;
    m_session.Poll(now);
  }
  std::optional<DWORD> NextDue() const override { return std::nullopt; }

 private:
  OnlineSession& m_session;
  DWORD m_gapMs;
  std::optional<DWORD> m_polledAt;
};

void PeekInRoom(benchmark::State& state, DWORD gapMs) {
  Host host(MakeHeadlessBackend(), nullptr);
  Quiet quiet;
  OnlineSession session([] { return std::make_unique<LockedQueueTransport>(); }, quiet, "1");
  session.Join("ws://127.0.0.1:8152/room", "ABCD-EFGH", "Ann");
  SessionLooker looker(session, gapMs);
  host.SetInputSource(&looker);
  MSG msg;
  for (auto _ : state) benchmark::DoNotOptimize(host.PeekMessage(&msg, false));
  host.SetInputSource(nullptr);
}

void BM_PeekNotInRoom(benchmark::State& state) {
  Host host(MakeHeadlessBackend(), nullptr);
  MSG msg;
  for (auto _ : state) benchmark::DoNotOptimize(host.PeekMessage(&msg, false));
}
void BM_PeekLookingEveryTime(benchmark::State& state) { PeekInRoom(state, 0); }
void BM_PeekLookingEvery4Ms(benchmark::State& state) { PeekInRoom(state, 4); }

BENCHMARK(BM_PeekNotInRoom);
BENCHMARK(BM_PeekLookingEveryTime);
BENCHMARK(BM_PeekLookingEvery4Ms);

}  // namespace

BENCHMARK_MAIN();
