// SPDX-License-Identifier: GPL-3.0-or-later
// A turn's input between machines: whatever the playfield took reads back
// the same, and text from another machine yields only mouse and key
// messages in tick order, or nothing.
#include <gtest/gtest.h>

#include <random>

#include "app/online/turn_input.h"
#include "net/net_url.h"
#include "platform/messages.h"

namespace {

TEST(TurnInput, ReadsBackWhatWasWrittenOverSeededTurns) {
  std::mt19937 random(7);
  const UINT kinds[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_KEYDOWN, WM_KEYUP};
  for (int run = 0; run < 300; ++run) {
    std::vector<TurnInputEvent> events;
    DWORD tick = 0;
    for (int n = static_cast<int>(random() % 60); n > 0; --n) {
      tick += random() % 500;
      const int x = static_cast<int>(random() % 602), y = static_cast<int>(random() % 401);
      events.push_back({tick, kinds[random() % 6], random() % 0x20, MAKELPARAM(x, y)});
    }
    std::string error;
    const auto read = ReadTurnInput(WriteTurnInput(events), error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->size(), events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
      EXPECT_EQ((*read)[i].tick, events[i].tick);
      EXPECT_EQ((*read)[i].message, events[i].message);
      EXPECT_EQ((*read)[i].lParam, events[i].lParam);
    }
  }
}

// Lines changed at random: the reader either refuses the text or yields
// messages the playfield could have taken, in tick order.
TEST(TurnInput, TextFromElsewhereYieldsOnlyPlayfieldInput) {
  std::mt19937 random(11);
  const std::string base = WriteTurnInput({{0, WM_LBUTTONDOWN, 1, 5}, {300, WM_MOUSEMOVE, 1, 9}, {310, WM_LBUTTONUP, 0, 9}});
  const std::string alphabet = "0123456789 -\n\x01x";
  int refused = 0;
  for (int run = 0; run < 2000; ++run) {
    std::string text = base;
    for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n)
      text[random() % text.size()] = alphabet[random() % alphabet.size()];
    std::string error;
    const auto read = ReadTurnInput(text, error);
    if (!read) {
      ++refused;
      EXPECT_FALSE(error.empty());
      continue;
    }
    for (std::size_t i = 0; i < read->size(); ++i) {
      EXPECT_TRUE(IsTurnInputMessage((*read)[i].message)) << text;
      if (i > 0) {
        EXPECT_GE((*read)[i].tick, (*read)[i - 1].tick);
      }
    }
  }
  EXPECT_GT(refused, 0);
  // A command or a close is never taken for input.
  std::string error;
  EXPECT_FALSE(ReadTurnInput("0 " + std::to_string(WM_COMMAND) + " 0 0\n", error));
  EXPECT_FALSE(ReadTurnInput("0 " + std::to_string(WM_CLOSE) + " 0 0\n", error));
}

TEST(RoomUrl, WhatAPlayerTypesBecomesARoomUrl) {
  EXPECT_EQ(RoomUrl(" 127.0.0.1:8152 "), "ws://127.0.0.1:8152/room");
  EXPECT_EQ(RoomUrl("games.example.org"), "ws://games.example.org:8152/room");
  EXPECT_EQ(RoomUrl("wss://games.example.org"), "wss://games.example.org/room");
  EXPECT_EQ(RoomUrl("ws://[::1]:9000/room"), "ws://[::1]:9000/room");
  EXPECT_EQ(RoomUrl("https://games.example.org/"), "wss://games.example.org/room");
  EXPECT_EQ(RoomUrl("ftp://x"), "");
  EXPECT_EQ(RoomUrl("host:"), "");
  EXPECT_EQ(RoomUrl("host:99999"), "");
  EXPECT_EQ(RoomUrl(""), "");
  const auto parsed = ParseNetUrl("ws://[::1]:9000/room");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->host, "::1");
  EXPECT_EQ(parsed->port, "9000");
}

}  // namespace
