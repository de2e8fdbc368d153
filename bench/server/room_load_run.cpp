// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "room_load_player.h"

namespace {

// Nanoseconds this process has run, and has waited ready for a processor.
std::pair<long long, long long> SchedulerTimes() {
  long long ran = 0, waited = 0;
  if (std::FILE* file = std::fopen("/proc/self/schedstat", "r")) {
    if (std::fscanf(file, "%lld %lld", &ran, &waited) != 2) ran = waited = 0;
    std::fclose(file);
  }
  return {ran, waited};
}

// "p50_ms=... p99_ms=... max_ms=..." of some delays, with a prefix on each.
std::string Percentiles(std::vector<int> delays, const char* prefix) {
  std::sort(delays.begin(), delays.end());
  const auto at = [&](double q) {
    return delays.empty() ? 0.0 : delays[static_cast<std::size_t>(q * static_cast<double>(delays.size() - 1))] / 1000.0;
  };
  char line[160];
  std::snprintf(line, sizeof line, "%sp50_ms=%.2f %sp99_ms=%.2f %smax_ms=%.2f", prefix, at(0.5), prefix, at(0.99),
                prefix, at(1.0));
  return line;
}

}  // namespace

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
  while (opened_ < plan_.rooms && opened_ - ready_ - failed_ < plan_.openAtOnce)
    rooms_[static_cast<std::size_t>(opened_++)]->Open();
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
  schedulerAtPlay_ = SchedulerTimes();
  for (auto& room : rooms_) room->Play();
  timer_.expires_after(std::chrono::seconds(plan_.playSeconds));
  timer_.async_wait([this](boost::system::error_code ec) {
    if (ec) return;
    playing_ = false;
    const auto now = SchedulerTimes();
    schedulerInPlay_ = {now.first - schedulerAtPlay_.first, now.second - schedulerAtPlay_.second};
    io_.stop();
  });
}

void LoadRun::Relayed(long long sent, long long arrived) {
  const long long now = WallMicros();
  delaysMicros_.push_back(static_cast<int>(now - sent));
  if (arrived == 0) return;
  // Bytes cannot arrive before they were sent nor after they were read: if
  // they seem to, the stamps are on different clocks and the split is void.
  if (arrived < sent || arrived > now) ++impossibleStamps_;
  serverMicros_.push_back(static_cast<int>(arrived - sent));
}

void LoadRun::Refused(const std::string& reason) {
  if (refused_++ < 5) std::fprintf(stderr, "refused: %s\n", reason.c_str());
}

bool LoadRun::Report() const {
  // The delay players see runs from the sender's stamp to the receiver's
  // read; the server's part of it ends when the bytes reach the receiver's
  // socket. The rest is the load client's own wait for a processor.
  std::printf("rooms=%d connections=%d failed=%d refused=%d relayed=%zu per_second=%.0f %s\n", ready_, ready_ * 4,
              failed_, refused_, delaysMicros_.size(),
              static_cast<double>(delaysMicros_.size()) / std::max(1, plan_.playSeconds),
              Percentiles(delaysMicros_, "").c_str());
  std::printf("server's part (send to arrival at the receiver's socket, %zu stamped): %s\n", serverMicros_.size(),
              Percentiles(serverMicros_, "server_").c_str());
  if (impossibleStamps_ > 0)
    std::fprintf(stderr, "%d arrival stamps fall outside their send and read: the server's part is void\n",
                 impossibleStamps_);
  std::printf("while playing the client ran %lld ms and waited %lld ms for a processor\n",
              schedulerInPlay_.first / 1000000, schedulerInPlay_.second / 1000000);
  return failed_ == 0 && refused_ == 0 && impossibleStamps_ == 0 && ready_ == plan_.rooms && !delaysMicros_.empty();
}
