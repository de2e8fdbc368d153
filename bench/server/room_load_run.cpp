// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdio>

#include "room_load_player.h"

LoadRun::LoadRun(boost::asio::io_context& io, LoadPlan plan) : io_(io), plan_(plan), timer_(io) {}

long long LoadRun::Micros() const {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now() - epoch_).count();
}

void LoadRun::Start() {
  for (int i = 0; i < plan_.rooms; ++i) rooms_.push_back(std::make_unique<LoadRoom>(io_, *this, i));
  OpenMore();
  // Opening may not take for ever.
  timer_.expires_after(std::chrono::seconds(120));
  timer_.async_wait([this](boost::system::error_code ec) {
    if (!ec) io_.stop();
  });
}

void LoadRun::OpenMore() {
  while (opened_ < plan_.rooms && opened_ - ready_ - failed_ < plan_.openAtOnce) rooms_[static_cast<std::size_t>(opened_++)]->Open();
  if (ready_ + failed_ == plan_.rooms && !playing_) PlayAll();
}

void LoadRun::RoomReady() {
  ++ready_;
  OpenMore();
}

void LoadRun::RoomFailed() {
  ++failed_;
  OpenMore();
}

void LoadRun::PlayAll() {
  openSeconds_ = static_cast<double>(Micros()) / 1e6;
  std::printf("opened %d rooms of four (%d failed) in %.1f s\n", ready_, failed_, openSeconds_);
  std::fflush(stdout);
  // The server's memory is read now, with every room open and nothing played.
  std::printf("READY\n");
  std::fflush(stdout);
  playing_ = true;
  for (auto& room : rooms_) room->Play();
  timer_.expires_after(std::chrono::seconds(plan_.playSeconds));
  timer_.async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    playing_ = false;
    io_.stop();
  });
}

void LoadRun::Relayed(long long sentMicros) { delaysMicros_.push_back(static_cast<int>(Micros() - sentMicros)); }

void LoadRun::Refused(const std::string& reason) {
  if (refused_++ < 5) std::fprintf(stderr, "refused: %s\n", reason.c_str());
}

bool LoadRun::Report() const {
  std::vector<int> delays = delaysMicros_;
  std::sort(delays.begin(), delays.end());
  const auto at = [&](double q) {
    return delays.empty() ? 0.0 : delays[static_cast<std::size_t>(q * static_cast<double>(delays.size() - 1))] / 1000.0;
  };
  std::printf("rooms=%d connections=%d failed=%d refused=%d relayed=%zu per_second=%.0f "
              "p50_ms=%.2f p99_ms=%.2f max_ms=%.2f\n",
              ready_, ready_ * 4, failed_, refused_, delays.size(),
              static_cast<double>(delays.size()) / std::max(1, plan_.playSeconds), at(0.5), at(0.99),
              delays.empty() ? 0.0 : delays.back() / 1000.0);
  return failed_ == 0 && refused_ == 0 && ready_ == plan_.rooms && !delays.empty();
}
