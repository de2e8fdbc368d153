// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/resources.h"

namespace {

void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
}
void Put16(std::vector<BYTE>& out, std::uint16_t v) {
  out.push_back(static_cast<BYTE>(v));
  out.push_back(static_cast<BYTE>(v >> 8));
}

struct Item {
  std::uint32_t kind, id;
  std::vector<BYTE> bytes;
};

std::vector<BYTE> Pack(const std::vector<Item>& items) {
  std::vector<BYTE> out = {'Q', 'R', 'E', 'S'};
  Put32(out, static_cast<std::uint32_t>(items.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(8 + 16 * items.size());
  for (const Item& it : items) {
    Put32(out, it.kind);
    Put32(out, it.id);
    Put32(out, offset);
    Put32(out, static_cast<std::uint32_t>(it.bytes.size()));
    offset += static_cast<std::uint32_t>(it.bytes.size());
  }
  for (const Item& it : items) out.insert(out.end(), it.bytes.begin(), it.bytes.end());
  return out;
}

std::vector<BYTE> Cursor(int w, int h, int hx, int hy, std::size_t pixels) {
  std::vector<BYTE> out = {'Q', 'C', 'U', 'R'};
  Put16(out, static_cast<std::uint16_t>(w));
  Put16(out, static_cast<std::uint16_t>(h));
  Put16(out, static_cast<std::uint16_t>(hx));
  Put16(out, static_cast<std::uint16_t>(hy));
  for (std::size_t i = 0; i < pixels; ++i) Put32(out, 0xFF000000u | static_cast<std::uint32_t>(i));
  return out;
}

TEST(ResourceTable, FindsEntriesByKindAndId) {
  const auto pack = Pack({{2, 130, {1, 2, 3}}, {10, 130, {4, 5}}, {1, 149, {}}});
  const ResourceTable table(pack);
  ASSERT_EQ(table.Entries().size(), 3u);
  const auto bmp = table.Find(ResKind::Bitmap, 130);
  ASSERT_EQ(bmp.size(), 3u);
  EXPECT_EQ(bmp[2], 3);
  EXPECT_EQ(table.Find(ResKind::Wave, 130).size(), 2u);
  EXPECT_TRUE(table.Find(ResKind::Wave, 131).empty());
}

TEST(ResourceTable, MalformedPacksGiveAnEmptyTable) {
  auto good = Pack({{2, 1, {1, 2, 3, 4}}});
  const std::vector<std::vector<BYTE>> bad = {
      {},
      {'Q', 'R', 'E'},
      {'X', 'R', 'E', 'S', 0, 0, 0, 0},
      // count far larger than the table could hold
      {'Q', 'R', 'E', 'S', 0xFF, 0xFF, 0xFF, 0xFF},
  };
  for (const auto& b : bad) EXPECT_TRUE(ResourceTable(b).Entries().empty());

  auto pastEnd = good;
  pastEnd[8 + 8] = 250;  // offset beyond the pack
  EXPECT_TRUE(ResourceTable(pastEnd).Entries().empty());

  auto hugeSize = good;
  std::memset(&hugeSize[8 + 12], 0xFF, 4);  // offset + size wraps 32 bits
  EXPECT_TRUE(ResourceTable(hugeSize).Entries().empty());

  auto truncated = good;
  truncated.pop_back();
  EXPECT_TRUE(ResourceTable(truncated).Entries().empty());

  EXPECT_EQ(ResourceTable(good).Entries().size(), 1u);
}

TEST(ResourceTable, TheLinkedPackParses) {
  // Whatever the art generator produced, reading it must be safe.
  const ResourceTable table;
  for (const auto& e : table.Entries()) EXPECT_NE(e.bytes.data(), nullptr);
}

TEST(CursorImage, ParsesSizeHotSpotAndPixels) {
  CursorImage c;
  ASSERT_TRUE(CursorImage::Parse(Cursor(2, 3, 1, 2, 6), &c));
  EXPECT_EQ(c.width, 2);
  EXPECT_EQ(c.height, 3);
  EXPECT_EQ(c.hotX, 1);
  EXPECT_EQ(c.hotY, 2);
  ASSERT_EQ(c.argb.size(), 6u);
  EXPECT_EQ(c.argb[5], 0xFF000005u);
}

TEST(CursorImage, RejectsShortOrInconsistentImagesAndLeavesTheOutputAlone) {
  CursorImage c;
  c.width = 99;
  EXPECT_FALSE(CursorImage::Parse(Cursor(2, 3, 0, 0, 5), &c));     // one pixel short
  EXPECT_FALSE(CursorImage::Parse(Cursor(0, 3, 0, 0, 0), &c));     // empty
  EXPECT_FALSE(CursorImage::Parse(Cursor(2, 2, 2, 0, 4), &c));     // hot spot outside
  EXPECT_FALSE(CursorImage::Parse(Cursor(4000, 4000, 0, 0, 0), &c));
  auto wrongMagic = Cursor(1, 1, 0, 0, 1);
  wrongMagic[0] = 'X';
  EXPECT_FALSE(CursorImage::Parse(wrongMagic, &c));
  EXPECT_FALSE(CursorImage::Parse({}, &c));
  EXPECT_EQ(c.width, 99);
}

}  // namespace
