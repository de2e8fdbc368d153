// SPDX-License-Identifier: GPL-3.0-or-later
// The load test's rooms and players (see room_load.cpp).
#pragma once

#include <array>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "net/net_message.h"
#include "stamped_socket.h"

struct LoadPlan {
  unsigned short port = 8152;
  int rooms = 10;
  int playSeconds = 5;
  int inputEveryMs = 100;  // the mover's input messages; a turn every 10 of them
  int openAtOnce = 64;     // rooms being opened at the same time
};

class LoadRun;
class LoadRoom;

class LoadPlayer : public std::enable_shared_from_this<LoadPlayer> {
 public:
  LoadPlayer(boost::asio::io_context& io, LoadRoom& room, int seat);
  void Connect(unsigned short port);
  void Send(std::string text);
  int Seat() const { return seat_; }

 private:
  void Read();
  void Write();

  boost::beast::websocket::stream<StampedSocket> ws_;
  boost::beast::flat_buffer buffer_;
  std::deque<std::string> queue_;
  bool writing_ = false;
  LoadRoom& room_;
  int seat_;
};

class LoadRoom {
 public:
  LoadRoom(boost::asio::io_context& io, LoadRun& run, int index);
  void Open();
  void Opened(int seat);
  // A message for `seat`; its bytes reached the player's socket at `arrived`.
  void Message(int seat, const NetMessage& m, long long arrived);
  void Play();
  void Failed(int seat, const std::string& what);
  LoadRun& Run() { return run_; }

 private:
  void Move();

  boost::asio::io_context& io_;
  LoadRun& run_;
  std::array<std::shared_ptr<LoadPlayer>, 4> players_;
  std::array<int, 4> seatOf_{};     // the seat the server gave each player
  std::array<int, 4> playerAt_{};   // and the other way round
  std::string code_;
  int joined_ = 0, turn_ = 0, inputs_ = 0, index_;
  bool started_ = false, playing_ = false;
  boost::asio::steady_timer timer_;
};

class LoadRun {
 public:
  LoadRun(boost::asio::io_context& io, LoadPlan plan);
  void Start();
  void RoomReady();
  void RoomFailed();
  // A relayed message sent at `sent` reached a receiver's socket at
  // `arrived` and was read now (all in WallMicros).
  void Relayed(long long sent, long long arrived);
  void Refused(const std::string& reason);
  bool Playing() const { return playing_; }
  long long Micros() const;
  const LoadPlan& Plan() const { return plan_; }
  // Prints the figures; false when rooms failed or messages were refused.
  bool Report() const;

 private:
  void OpenMore();
  void PlayAll();

  boost::asio::io_context& io_;
  LoadPlan plan_;
  std::vector<std::unique_ptr<LoadRoom>> rooms_;
  int opened_ = 0, ready_ = 0, failed_ = 0, refused_ = 0, impossibleStamps_ = 0;
  bool playing_ = false;
  std::vector<int> delaysMicros_;  // send to read: what the receiving player saw
  std::vector<int> serverMicros_;  // send to arrival: the server's share
  std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
  double openSeconds_ = 0;
  std::pair<long long, long long> schedulerAtPlay_, schedulerInPlay_;  // ran, waited (ns)
  boost::asio::steady_timer timer_;
};
