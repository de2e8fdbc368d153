// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding UTF-8 safely: every byte is accounted for, nothing is read past
// the text, and malformed sequences never swallow the bytes after them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/utf8.h"

namespace {

std::vector<char32_t> Decode(std::string_view s) {
  std::vector<char32_t> out;
  ForEachCodePoint(s, [&](char32_t c) { out.push_back(c); });
  return out;
}

constexpr char32_t kBad = U'\uFFFD';

TEST(Utf8, DecodesEachLengthAtItsLimits) {
  EXPECT_EQ(Decode("A\x7F"), (std::vector<char32_t>{U'A', 0x7F}));
  EXPECT_EQ(Decode("\xC2\x80\xDF\xBF"), (std::vector<char32_t>{0x80, 0x7FF}));
  EXPECT_EQ(Decode("\xE0\xA0\x80\xEF\xBF\xBF"), (std::vector<char32_t>{0x800, 0xFFFF}));
  EXPECT_EQ(Decode("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), (std::vector<char32_t>{0x10000, 0x10FFFF}));
  EXPECT_EQ(Decode("Zo\xC3\xAB M\xC3\xBCller").size(), 10u);
}

TEST(Utf8, MalformedBytesAreOneReplacementEachAndDoNotHideWhatFollows) {
  // Truncated at the end of the text: nothing beyond it is read.
  for (std::string_view cut : {"\xC3", "\xE2\x82", "\xF0\x9F\x8E"}) {
    std::string owned(cut);  // exactly sized, so a read past the end would be caught by the sanitiser
    EXPECT_EQ(Decode(owned), std::vector<char32_t>(cut.size(), kBad)) << cut.size();
  }
  // Truncated by a following character, which survives.
  EXPECT_EQ(Decode("\xE2\x82" "A"), (std::vector<char32_t>{kBad, kBad, U'A'}));
  EXPECT_EQ(Decode("\xC3\xC3\xA9"), (std::vector<char32_t>{kBad, 0xE9}));
  // Overlong forms, surrogates, beyond U+10FFFF, stray continuations, bytes never used.
  EXPECT_EQ(Decode("\xC0\xAF"), (std::vector<char32_t>{kBad, kBad}));
  EXPECT_EQ(Decode("\xE0\x80\xAF"), (std::vector<char32_t>(3, kBad)));
  EXPECT_EQ(Decode("\xF0\x80\x80\xAF"), (std::vector<char32_t>(4, kBad)));
  EXPECT_EQ(Decode("\xED\xA0\x80"), (std::vector<char32_t>(3, kBad)));
  EXPECT_EQ(Decode("\xF4\x90\x80\x80"), (std::vector<char32_t>(4, kBad)));
  EXPECT_EQ(Decode("\x80\xBF\xFE\xFF" "a"), (std::vector<char32_t>{kBad, kBad, kBad, kBad, U'a'}));
  EXPECT_EQ(Decode(std::string("\0\xC3", 2)), (std::vector<char32_t>{0, kBad}));
}

TEST(Utf8, BoundariesStepOverWholeCharactersAndStrayBytesAlone) {
  const std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB1\x80z";
  std::vector<std::size_t> forward{0};
  while (forward.back() < s.size()) forward.push_back(NextCharBoundary(s, forward.back()));
  EXPECT_EQ(forward, (std::vector<std::size_t>{0, 1, 3, 6, 10, 11, 12}));
  std::vector<std::size_t> backward{s.size()};
  while (backward.back() > 0) backward.push_back(PrevCharBoundary(s, backward.back()));
  EXPECT_EQ(std::vector<std::size_t>(backward.rbegin(), backward.rend()), forward);
  EXPECT_EQ(NextCharBoundary(s, 99), s.size());
  EXPECT_EQ(PrevCharBoundary(s, 99), 11u);
  EXPECT_EQ(CountUtf8Chars(s), 6u);
  EXPECT_EQ(Utf8Prefix(s, 3), "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Utf8Prefix(s, 100), s);
}

TEST(Utf8, EncodesEveryLengthAndRefusesWhatIsNoCharacter) {
  std::string out;
  for (char32_t c : {char32_t{0x41}, char32_t{0xEB}, char32_t{0x20AC}, char32_t{0x1F3B1}}) AppendUtf8(out, c);
  EXPECT_EQ(out, "A\xC3\xAB\xE2\x82\xAC\xF0\x9F\x8E\xB1");
  out.clear();
  AppendUtf8(out, 0xD800);
  AppendUtf8(out, 0x110000);
  EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8, StoredBytesKeepUtf8AndReadTheRestAsLatin1) {
  EXPECT_EQ(Utf8FromStoredBytes("M\xC3\xBCller"), "M\xC3\xBCller");
  EXPECT_EQ(Utf8FromStoredBytes("M\xFCller"), "M\xC3\xBCller");
  EXPECT_EQ(Utf8FromStoredBytes("Zo\xEB \xE2\x82\xAC"), "Zo\xC3\xAB \xE2\x82\xAC");
  const std::string latin1 = "\xC3\xC3";  // two older Latin-1 letters, not a sequence
  EXPECT_EQ(Utf8FromStoredBytes(latin1), "\xC3\x83\xC3\x83");
  // Whatever the bytes, the result is well-formed UTF-8.
  std::string noise;
  for (int b = 0; b < 256; ++b) noise += static_cast<char>(b);
  const std::string fixed = Utf8FromStoredBytes(noise);
  for (std::size_t i = 0; i < fixed.size();) {
    const Utf8Char c = DecodeUtf8(fixed, i);
    ASSERT_TRUE(c.valid) << i;
    i += c.length;
  }
  EXPECT_EQ(CountUtf8Chars(fixed), 256u);
}

}  // namespace
