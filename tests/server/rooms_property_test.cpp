// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random streams of play, mistakes, garbage, floods, drops and time:
// the server never sends what no client can read, never passes on a turn
// from anyone but the seat whose turn it is, the room plays on after every
// refused message, and once everyone has gone no room is left behind.
#include "server/room_table.h"

namespace {

struct Member {
  ConnectionId id = 0;
  int seat = 0;
  std::string token;
  bool here = true;
};

class RandomRoom {
 public:
  explicit RandomRoom(unsigned seed) : rng_(seed), t_(seed) {
    const int seats = Pick(2, 4);
    std::string flags = "0";
    for (int i = 1; i < seats; ++i) flags += Pick(0, 3) == 0 ? ",1" : ",0";
    const auto [creator, code] = t_.Create(seats == 2 ? "pool" : "darts", seats, flags);
    code_ = code;
    computers_.assign(static_cast<std::size_t>(seats), false);
    for (int i = 0; i < seats; ++i) computers_[static_cast<std::size_t>(i)] = flags[static_cast<std::size_t>(2 * i)] == '1';
    members_.push_back({creator, 0, t_.Last(creator, "joined").Get("token")});
    for (int i = 1; i < seats; ++i) {
      if (computers_[static_cast<std::size_t>(i)]) continue;
      const ConnectionId id = t_.Join(code_, std::string("P").append(std::to_string(i)));
      members_.push_back({id, std::stoi(t_.Last(id, "joined").Get("seat")), t_.Last(id, "joined").Get("token")});
    }
    t_.Send(creator, {"start", {{"seed", "1"}}, {}});
    outsider_ = t_.Connect();
  }

  void Step() {
    t_.now += 20;
    switch (Pick(0, 9)) {
      case 0: case 1: case 2: return Play(Mover(), true);
      case 3: return Play(Other(), false);
      case 4: return Refused(Anyone(), "qn1 input\nseat=0\n\n" + std::string(kMaxNetMessageBytes + Pick(1, 9), 'x'));
      case 5: return Refused(Anyone(), "qn1 " + std::string(static_cast<std::size_t>(Pick(1, 16)), 'q'));
      case 6: return Garbage();
      case 7: return DropAndComeBack();
      case 8: return Flood();
      default: return t_.Pass(Pick(0, 3000));
    }
  }

  // Everyone goes; five minutes later nothing is left.
  void Finish() {
    for (Member& m : members_) t_.Drop(m.id);
    t_.Drop(outsider_);
    t_.Pass(5 * 60 * 1000 + 1000);
    EXPECT_EQ(t_.server.RoomCount(), 0u);
    EXPECT_EQ(t_.server.ConnectionCount(), 0u);
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  // The member who may move now: the seat's own, or the creator for a computer.
  Member* Mover() {
    const int seat = computers_[static_cast<std::size_t>(turn_)] ? 0 : turn_;
    for (Member& m : members_)
      if (m.seat == seat) return &m;
    return nullptr;
  }
  Member* Other() {
    Member* mover = Mover();
    Member* other = &members_[static_cast<std::size_t>(Pick(0, static_cast<int>(members_.size()) - 1))];
    return other == mover ? nullptr : other;
  }
  Member& Anyone() { return members_[static_cast<std::size_t>(Pick(0, static_cast<int>(members_.size()) - 1))]; }

  void Play(Member* who, bool mayMove) {
    if (!who) return;
    t_.Forget();
    const int next = Pick(0, static_cast<int>(computers_.size()) - 1);
    t_.Send(who->id, {"turn", {{"seat", std::to_string(turn_)}, {"next", std::to_string(next)}}, "s"});
    int relayed = 0;
    for (const Member& m : members_)
      if (m.id != who->id) relayed += t_.Last(m.id, "turn").type == "turn";
    if (!mayMove) {
      ASSERT_EQ(relayed, 0) << "a turn from the wrong seat was passed on";
      ASSERT_EQ(t_.Last(who->id, "error").Get("reason"), "not_your_turn");
      return;
    }
    ASSERT_EQ(t_.Last(who->id, "error").Get("reason"), "");
    ASSERT_EQ(relayed, static_cast<int>(members_.size()) - 1);
    turn_ = next;
  }

  // A refused message leaves the sender connected and the room playing.
  void Refused(Member& who, const std::string& frame) {
    t_.Forget();
    t_.SendRaw(who.id, frame);
    ASSERT_EQ(t_.Last(who.id, "error").type, "error");
    ASSERT_FALSE(t_.closedByServer.contains(who.id));
    Play(Mover(), true);
  }

  // Garbage closes the sender only; it comes back with its token.
  void Garbage() {
    Member& who = Anyone();
    std::string junk(static_cast<std::size_t>(Pick(0, 40)), '\0');
    for (char& c : junk) c = static_cast<char>(Pick(0, 255));
    t_.SendRaw(who.id, junk);
    ASSERT_TRUE(t_.closedByServer.contains(who.id));
    t_.Drop(who.id);
    Rejoin(who);
  }

  void DropAndComeBack() {
    Member& who = Anyone();
    t_.Drop(who.id);
    t_.Send(Anyone().id, {"input", {{"seat", std::to_string(who.seat)}}, {}});  // maybe a mover, maybe not
    t_.Pass(Pick(0, 60000));
    Rejoin(who);
  }

  void Rejoin(Member& who) {
    who.id = t_.Join(code_, "back", who.token);
    ASSERT_EQ(t_.Last(who.id, "joined").Get("seat"), std::to_string(who.seat));
  }

  void Flood() {
    const ConnectionId id = Pick(0, 1) ? outsider_ : Anyone().id;
    for (int i = 0; i < 260; ++i) t_.Send(id, {"ping", {}, {}});
    ASSERT_EQ(t_.Last(id, "error").Get("reason"), "rate");
    t_.now += 2500;  // the bucket fills again
    Play(Mover(), true);
  }

  std::mt19937 rng_;
  RoomTable t_;
  std::string code_;
  std::vector<bool> computers_;
  std::vector<Member> members_;
  ConnectionId outsider_ = 0;
  int turn_ = 0;
};

TEST(RoomsProperty, RandomStreamsNeverPassOnAWrongTurnStopARoomOrLeaveOneBehind) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomRoom room(seed);
    for (int step = 0; step < 200 && !testing::Test::HasFatalFailure(); ++step) room.Step();
    if (testing::Test::HasFatalFailure()) return;
    room.Finish();
  }
}

}  // namespace
