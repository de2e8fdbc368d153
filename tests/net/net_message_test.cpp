// SPDX-License-Identifier: GPL-3.0-or-later
// Online messages read back as written, and anything not a message is
// refused with a reason rather than half read; room codes and names stay
// within what everyone's screen can show.
#include "net/net_message.h"
#include "net/player_name.h"
#include "net/room_code.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

std::string RandomText(std::mt19937& rng, std::string_view letters, std::size_t minLength, std::size_t maxLength) {
  std::string text(std::uniform_int_distribution<std::size_t>(minLength, maxLength)(rng), ' ');
  for (char& c : text) c = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(rng)];
  return text;
}

NetMessage RandomMessage(std::mt19937& rng) {
  NetMessage m;
  m.type = RandomText(rng, "abcdefghijklmnopqrstuvwxyz", 1, 16);
  const std::size_t fields = std::uniform_int_distribution<std::size_t>(0, 32)(rng);
  for (std::size_t i = 0; i < fields; ++i) {
    std::string key = RandomText(rng, "abcdefghijklmnopqrstuvwxyz0123456789_", 1, 20) + std::to_string(i);
    m.fields.emplace_back(key.substr(0, 24), RandomText(rng, "ab =-,\xc3\xa9:", 0, 256));
  }
  if (rng() % 2) m.body = RandomText(rng, "abc\n\n=\t\r qn1", 0, 2000);
  return m;
}

TEST(NetMessage, EveryValidMessageReadsBackAsWritten) {
  std::mt19937 rng(35);
  for (int i = 0; i < 2000; ++i) {
    const NetMessage m = RandomMessage(rng);
    if (!NetMessageIsValid(m)) continue;  // a key made twice by chance
    std::string error;
    const auto back = DecodeNetMessage(EncodeNetMessage(m), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->type, m.type);
    EXPECT_EQ(back->fields, m.fields);
    EXPECT_EQ(back->body, m.body);
  }
}

TEST(NetMessage, FieldsAreFoundByKeyAndAbsentOnesFallBack) {
  std::string error;
  const auto m = DecodeNetMessage("qn1 join\ncode=ABCD-EFGH\nname=\n\nbody\nlines", error);
  ASSERT_TRUE(m) << error;
  EXPECT_EQ(m->Get("code"), "ABCD-EFGH");
  ASSERT_NE(m->Field("name"), nullptr);
  EXPECT_EQ(*m->Field("name"), "");
  EXPECT_EQ(m->Field("token"), nullptr);
  EXPECT_EQ(m->Get("token", "none"), "none");
  EXPECT_EQ(m->body, "body\nlines");
  // A message of a type alone needs no newline at its end.
  EXPECT_TRUE(DecodeNetMessage("qn1 ping", error));
}

TEST(NetMessage, AnythingElseIsRefusedWithAReason) {
  const std::string tooManyFields = [] {
    std::string text = "qn1 lobby\n";
    for (int i = 0; i <= 32; ++i) text.append("k").append(std::to_string(i)).append("=v\n");
    return text;
  }();
  const std::array<std::string, 14> bad = {
      "", "qn1", "qn1 ", "qn2 ping\n", "QN1 ping\n", "qn1 Ping\n", "qn1 abcdefghijklmnopq\n", "qn1 ping\r\n",
      "qn1 join\ncode\n", "qn1 join\nCode=x\n", "qn1 join\ncode=a\tb\n", "qn1 join\ncode=a\ncode=b\n",
      "qn1 join\n" + std::string(25, 'k') + "=v\n", "qn1 join\nk=" + std::string(257, 'v') + "\n"};
  for (const std::string& text : bad) {
    std::string error;
    EXPECT_FALSE(DecodeNetMessage(text, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
  std::string error;
  EXPECT_FALSE(DecodeNetMessage(tooManyFields, error));
  std::string big = "qn1 turn\n\n" + std::string(kMaxNetMessageBytes, 'x');
  EXPECT_FALSE(DecodeNetMessage(big, error));
  big.resize(kMaxNetMessageBytes);
  EXPECT_TRUE(DecodeNetMessage(big, error)) << error;
}

TEST(RoomCode, CodesUseEveryLetterAlikeAndReadBackHoweverTyped) {
  std::mt19937 rng(8152);
  std::array<int, 256> seen{};
  const int codes = 20000;
  for (int i = 0; i < codes; ++i) {
    const std::string code = MakeRoomCode([&] { return static_cast<std::uint8_t>(rng()); });
    ASSERT_EQ(code.size(), kRoomCodeLength);
    for (char c : code) ++seen[static_cast<unsigned char>(c)];
    std::string typed = ShowRoomCode(code);
    for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(NormaliseRoomCode(typed), code);
  }
  const double expected = codes * 8.0 / kRoomCodeAlphabet.size();
  for (int c = 0; c < 256; ++c) {
    if (kRoomCodeAlphabet.find(static_cast<char>(c)) == std::string_view::npos) {
      EXPECT_EQ(seen[c], 0) << static_cast<char>(c);
    } else {
      EXPECT_NEAR(seen[c], expected, expected * 0.06) << static_cast<char>(c);
    }
  }
  for (std::string_view lookAlike : {"ABCD-EFG0", "ABCD-EFGO", "ABCD-EFG1", "ABCDEFGI", "ABCDEFGL", "ABCD-EFG", "ABCDEFGHJ"})
    EXPECT_FALSE(NormaliseRoomCode(lookAlike)) << lookAlike;
}

TEST(PlayerName, NamesAreTrimmedShortAndFreeOfControlCharacters) {
  EXPECT_EQ(CleanPlayerName("  Ann  ", 0), "Ann");
  EXPECT_EQ(CleanPlayerName("A\x01n\x7fn", 0), "Ann");
  EXPECT_EQ(CleanPlayerName("  \t ", 2), "Player 3");
  EXPECT_EQ(CleanPlayerName("\xff\xfe", 0), "Player 1");
  // Sixteen characters, counted as characters and not bytes.
  EXPECT_EQ(CleanPlayerName("\xc3\x89milie-Fran\xc3\xa7oise Dupont", 0), "\xc3\x89milie-Fran\xc3\xa7oise");
  // Characters that turn text around or break lines are gone.
  EXPECT_EQ(CleanPlayerName("Bob\xe2\x80\xae" "evil\xe2\x80\xa8", 0), "Bobevil");
  std::mt19937 rng(16);
  for (int i = 0; i < 2000; ++i) {
    const std::string raw = RandomText(rng, std::string_view("a \x01\x1f\xc3\xa9\xe2\x80\xae\xf0\x9f\x8e\xb1\xff", 14), 0, 60);
    const std::string name = CleanPlayerName(raw, 1);
    std::size_t characters = 0;
    for (char c : name) {
      const auto b = static_cast<unsigned char>(c);
      EXPECT_GE(b, 0x20);
      if ((b & 0xC0) != 0x80) ++characters;
    }
    EXPECT_LE(characters, kMaxPlayerNameCharacters);
    EXPECT_NE(name.front(), ' ');
    EXPECT_NE(name.back(), ' ');
    EXPECT_EQ(CleanPlayerName(name, 1), name);
  }
}

}  // namespace
