// SPDX-License-Identifier: GPL-3.0-or-later
// The test transport keeps the promises every transport makes: events in
// order, one Closed per Open, nothing after Close, nothing sent before Opened.
#include <gtest/gtest.h>

#include "net/loopback_transport.h"

namespace {

std::vector<NetEvent> Drain(NetTransport& link) {
  std::vector<NetEvent> events;
  while (auto event = link.Poll()) events.push_back(*event);
  return events;
}

TEST(LoopbackTransport, DeliversInOrderAndEndsWithOneClosed) {
  LoopbackTransport link(false);
  link.Send("too early");
  link.Open("ws://127.0.0.1:8152/room");
  link.Send("still too early");
  link.AcceptOpen();
  link.Send("hello");
  link.Deliver("one");
  link.Deliver("two");
  link.Drop("the server went away");
  link.Deliver("after the drop");
  link.Send("after the drop");
  const auto events = Drain(link);
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].kind, NetEvent::Kind::Opened);
  EXPECT_EQ(events[1].text, "one");
  EXPECT_EQ(events[2].text, "two");
  EXPECT_EQ(events[3].kind, NetEvent::Kind::Closed);
  EXPECT_EQ(link.FarEnd().sent, std::vector<std::string>{"hello"});
}

TEST(LoopbackTransport, NothingAfterClose) {
  LoopbackTransport link;
  link.Open("ws://x/room");
  link.Deliver("unread");
  link.Close();
  link.Drop("late");
  EXPECT_TRUE(Drain(link).empty());
  EXPECT_TRUE(link.FarEnd().closedByUs);
}

}  // namespace
