// SPDX-License-Identifier: GPL-3.0-or-later
#include "room_load_player.h"

#include <algorithm>
#include <cstdio>

namespace beast = boost::beast;
namespace websocket = beast::websocket;

LoadPlayer::LoadPlayer(boost::asio::io_context& io, LoadRoom& room, int seat) : ws_(io), room_(room), seat_(seat) {}

void LoadPlayer::Connect(unsigned short port) {
  const boost::asio::ip::tcp::endpoint server(boost::asio::ip::make_address("127.0.0.1"), port);
  ws_.next_layer().Socket().async_connect(server, [self = shared_from_this(), port](beast::error_code ec) {
    if (ec) return self->room_.Failed(self->seat_, "connect: " + ec.message());
    self->ws_.next_layer().Socket().set_option(boost::asio::ip::tcp::no_delay(true));
    self->ws_.next_layer().StampArrivals();
    self->ws_.text(true);
    self->ws_.async_handshake("127.0.0.1:" + std::to_string(port), "/room", [self](beast::error_code error) {
      if (error) return self->room_.Failed(self->seat_, "handshake: " + error.message());
      self->Read();
      self->room_.Opened(self->seat_);
    });
  });
}

void LoadPlayer::Read() {
  ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code ec, std::size_t) {
    if (ec) {
      if (self->room_.Run().Playing()) self->room_.Failed(self->seat_, "read: " + ec.message());
      return;
    }
    std::string error;
    const auto m = DecodeNetMessage(beast::buffers_to_string(self->buffer_.data()), error);
    self->buffer_.consume(self->buffer_.size());
    if (m) self->room_.Message(self->seat_, *m, self->ws_.next_layer().LastArrivalMicros());
    self->Read();
  });
}

void LoadPlayer::Send(std::string text) {
  queue_.push_back(std::move(text));
  if (!writing_) Write();
}

void LoadPlayer::Write() {
  if (queue_.empty()) return;
  writing_ = true;
  ws_.async_write(boost::asio::buffer(queue_.front()), [self = shared_from_this()](beast::error_code ec, std::size_t) {
    self->writing_ = false;
    if (ec) return self->room_.Failed(self->seat_, "write: " + ec.message());
    self->queue_.pop_front();
    self->Write();
  });
}

LoadRoom::LoadRoom(boost::asio::io_context& io, LoadRun& run, int index)
    : io_(io), run_(run), index_(index), timer_(io) {}

void LoadRoom::Open() {
  for (int seat = 0; seat < 4; ++seat) players_[static_cast<std::size_t>(seat)] = std::make_shared<LoadPlayer>(io_, *this, seat);
  players_[0]->Connect(run_.Plan().port);
}

void LoadRoom::Opened(int seat) {
  const std::string name = "R" + std::to_string(index_) + "S" + std::to_string(seat);
  if (seat == 0) {
    players_[0]->Send(EncodeNetMessage({"create", {{"game", "darts"}, {"seats", "4"}, {"name", name}, {"version", "load"}}, {}}));
  } else {
    players_[static_cast<std::size_t>(seat)]->Send(
        EncodeNetMessage({"join", {{"code", code_}, {"name", name}, {"version", "load"}}, {}}));
  }
}

void LoadRoom::Message(int seat, const NetMessage& m, long long arrived) {
  if (m.type == "error") return run_.Refused(m.Get("reason"));
  if (m.type == "joined") {
    // The joiners race each other: seats follow the order the server saw them in.
    seatOf_[static_cast<std::size_t>(seat)] = std::stoi(m.Get("seat"));
    playerAt_[static_cast<std::size_t>(seatOf_[static_cast<std::size_t>(seat)])] = seat;
  }
  if (m.type == "joined" && seat == 0) {
    code_ = m.Get("code");
    for (std::size_t other = 1; other < 4; ++other) players_[other]->Connect(run_.Plan().port);
  } else if (m.type == "joined" && ++joined_ == 3) {
    players_[0]->Send(EncodeNetMessage({"start", {{"seed", "1"}}, "first record"}));
  } else if (m.type == "start" && seat == playerAt_[3]) {
    run_.RoomReady();
  } else if ((m.type == "input" || m.type == "turn") && run_.Playing()) {
    run_.Relayed(std::stoll(m.body.substr(2, m.body.find(' ') - 2)), arrived);
    if (m.type == "turn" && m.Get("next") == std::to_string(seatOf_[static_cast<std::size_t>(seat)])) {
      turn_ = seatOf_[static_cast<std::size_t>(seat)];
      Move();
    }
  }
}

void LoadRoom::Play() {
  playing_ = true;
  // The rooms' turns start spread over one input interval, as players would.
  timer_.expires_after(std::chrono::microseconds(index_ * 7919 % (run_.Plan().inputEveryMs * 1000)));
  timer_.async_wait([this](beast::error_code ec) {
    if (!ec) Move();
  });
}

void LoadRoom::Move() {
  if (!run_.Playing()) return;
  // A body of a realistic size: a line of recorded input or a small state record.
  const std::string body = "t=" + std::to_string(WallMicros()) + " " + std::string(120, 'x');
  const std::string seat = std::to_string(turn_);
  auto& mover = players_[static_cast<std::size_t>(playerAt_[static_cast<std::size_t>(turn_)])];
  if (++inputs_ % 10 != 0) {
    mover->Send(EncodeNetMessage({"input", {{"seat", seat}, {"tick", std::to_string(inputs_)}}, body}));
    timer_.expires_after(std::chrono::milliseconds(run_.Plan().inputEveryMs));
    timer_.async_wait([this](beast::error_code ec) {
      if (!ec) Move();
    });
    return;
  }
  // The turn ends; the next seat moves once it has heard so.
  const int next = (turn_ + 1) % 4;
  mover->Send(EncodeNetMessage({"turn", {{"seat", seat}, {"next", std::to_string(next)}, {"over", "0"}}, body}));
}

void LoadRoom::Failed(int seat, const std::string& what) {
  if (!started_) {
    started_ = true;
    std::fprintf(stderr, "room %d seat %d: %s\n", index_, seat, what.c_str());
    run_.RoomFailed();
  }
}
