// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files far bigger than ours, or with a line no editor meant: every
// section that can be read is read, each bad original is kept under a name of
// its own (only the newest few), and the user is told once where it is.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/wall_of_fame.h"
#include "platform/settings.h"
#include "platform/settings_backup.h"
#include "support/settings_on_disk.h"

namespace fs = std::filesystem;

namespace {

using quintaro::test::ReadFile;
using quintaro::test::WriteFile;

const std::string kTable =
    "[Wall Of Fame]\nBowling_Name_1=Ann\nBowling_Score_1=212\nBowling_Name_2=Bo\nBowling_Score_2=187\n";

class BigSettingsFile : public quintaro::test::SettingsOnDiskTest {
 protected:
  void SetUp() override {
    SettingsOnDiskTest::SetUp();
    MakeFolder();
  }
};

TEST_F(BigSettingsFile, AnOverlongLineHidesNoSectionAfterItAndTheOriginalIsKeptAndTold) {
  const std::string original = "[Settings]\nSound=0\n" + std::string(2 << 20, 'x') + "\n" + kTable;
  WriteFile(file, original);
  {
    auto store = Open();
    const FameTable table = ReadFameTable(*store, kBowlingFame);
    EXPECT_EQ(table[0].name, "Ann");
    EXPECT_EQ(table[1].score, 187);
    EXPECT_EQ(store->GetProfileInt("Settings", "Sound", 1), 0);
    ASSERT_EQ(told.size(), 1u);
    const std::vector<fs::path> copies = BadCopiesOf(file);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(told[0].find(copies[0].string()), std::string::npos) << told[0];
    EXPECT_EQ(ReadFile(copies[0]), original);
    EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 1));
    EXPECT_EQ(told.size(), 1u);  // told once, however many saves follow
  }
  // The next save kept the table, and the clean file needs no copy.
  auto again = Open();
  EXPECT_EQ(ReadFameTable(*again, kBowlingFame)[0].score, 212);
  EXPECT_EQ(again->GetProfileInt("Settings", "Sound", 0), 1);
  EXPECT_TRUE(told.size() == 1u && BadCopiesOf(file).size() == 1u);
}

TEST_F(BigSettingsFile, AFileOfManyMegabytesOfGoodLinesIsReadWhole) {
  std::string original = "[Filler]\n";
  for (int i = 0; original.size() < (3 << 20) / 2; ++i) original += "Key" + std::to_string(i) + "=value\n";
  WriteFile(file, original + kTable);
  auto store = Open();
  EXPECT_EQ(ReadFameTable(*store, kBowlingFame)[0].name, "Ann");
  EXPECT_TRUE(told.empty());
  EXPECT_TRUE(BadCopiesOf(file).empty());
}

TEST_F(BigSettingsFile, EachBadOriginalKeepsACopyOfItsOwnAndOnlyTheNewestFewStay) {
  std::vector<std::string> originals;
  for (int i = 0; i < 8; ++i) {
    originals.push_back(kTable + "garbage number " + std::to_string(i) + "\n");
    WriteFile(file, originals.back());
    auto store = Open();
    EXPECT_TRUE(store->WriteProfileInt("Settings", "Round", i));
    // Reopening the file we wrote, unchanged, makes no new copy.
    Open();
  }
  const std::vector<fs::path> copies = BadCopiesOf(file);
  ASSERT_EQ(copies.size(), kBadCopiesKept);
  for (std::size_t k = 0; k < copies.size(); ++k) {
    EXPECT_EQ(ReadFile(copies[k]), originals[originals.size() - kBadCopiesKept + k]);
    EXPECT_EQ(copies[k].filename().string().rfind("Quintaro.ini.bad-", 0), 0u);
  }
}

}  // namespace

TEST_F(BigSettingsFile, AValueSavedIntoAFileAtTheSizeLimitIsReadBackAndNothingElseIsLost) {
  SettingsReadLimits small;
  small.maxTextBytes = 4096;
  // Another program's section fills the file almost to what a read keeps;
  // ours sorts after it, so a file that grew past the limit would lose it.
  std::string filler = "[Another]\n";
  for (int i = 0; filler.size() < 4000; ++i) filler += "Key" + std::to_string(i) + "=value\n";
  WriteFile(file, filler + "\n");
  {
    SettingsStore store(file, small);
    store.SetProblemHandler([this](const std::string& text) { told.push_back(text); });
    ASSERT_TRUE(store.WriteProfileString("Zed", "Name", std::string(200, 'z')));
  }
  const SettingsStore again(file, small);
  EXPECT_EQ(again.GetProfileString("Zed", "Name"), std::string(200, 'z'));
  const std::vector<fs::path> copies = BadCopiesOf(file);
  ASSERT_EQ(copies.size(), 1u) << "the section left out is kept in a copy";
  EXPECT_EQ(ReadFile(copies[0]), filler + "\n");
  EXPECT_EQ(told.size(), 1u);
}

TEST_F(BigSettingsFile, AValueTooLongForALineIsRefusedRatherThanLostOnTheNextStart) {
  SettingsReadLimits small;
  small.maxLineBytes = 64;
  {
    SettingsStore store(file, small);
    EXPECT_TRUE(store.WriteProfileString("Settings", "Name", "Ann"));
    // Escaping makes each control byte four: short in memory, too long on disk.
    EXPECT_FALSE(store.WriteProfileString("Settings", "Note", std::string(20, '\x01')));
  }
  const SettingsStore again(file, small);
  EXPECT_EQ(again.GetProfileString("Settings", "Name"), "Ann");
  EXPECT_FALSE(again.Raw("Settings", "Note").has_value());
}

namespace {

// The Wall Of Fame of five and a record, as the program writes them.
std::string FiveEntriesAndARecord() {
  std::string text = "[Wall Of Fame]\n";
  const char* names[] = {"Ann", "Bob", "Cy", "Di", "Ed"};
  for (int k = 1; k <= 5; ++k) {
    text += "Bowling_Name_" + std::to_string(k) + "=" + names[k - 1] + "\n";
    text += "Bowling_Score_" + std::to_string(k) + "=" + std::to_string(300 - 10 * k) + "\n";
  }
  return text + "\n[Statistics]\nBowling_416E6E=4 3 290 1000\n";
}

void ExpectFiveEntriesAndTheRecord(const SettingsStore& store) {
  const FameTable table = ReadFameTable(store, kBowlingFame);
  const char* names[] = {"Ann", "Bob", "Cy", "Di", "Ed"};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(table[static_cast<std::size_t>(k)].name, names[k]);
    EXPECT_EQ(table[static_cast<std::size_t>(k)].score, 290 - 10 * k);
  }
  EXPECT_EQ(store.GetProfileString("Statistics", "Bowling_416E6E"), "4 3 290 1000");
}

}  // namespace

TEST_F(BigSettingsFile, JunkBeyondWhatAReadKeepsCostsNoneOfTheProgramsOwnSections) {
  // Megabytes of another program's lines, then the program's own table and
  // records: all of ours is read, junk is what is left out.
  std::string original = "[Settings]\nSound=0\n[Another]\nKept=1\n[Junk]\n";
  const std::string junk(90, 'j');
  for (int i = 0; original.size() < (5 << 20); ++i) original += "Line" + std::to_string(i) + "=" + junk + "\n";
  original += FiveEntriesAndARecord();
  WriteFile(file, original);
  {
    auto store = Open();
    ExpectFiveEntriesAndTheRecord(*store);
    EXPECT_EQ(store->GetProfileInt("Settings", "Sound", 1), 0);
    EXPECT_EQ(store->GetProfileInt("Another", "Kept", 0), 1) << "other sections are kept while there is room";
    EXPECT_FALSE(store->Raw("Junk", "Line0").has_value()) << "a section is never read in part";
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(store->WriteProfileInt("Settings", "Sound", 1));
  }
  const std::vector<fs::path> copies = BadCopiesOf(file);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(ReadFile(copies[0]), original) << "what was left out is in the copy";
  const std::string saved = ReadFile(file);
  EXPECT_EQ(saved.find("[Junk]"), std::string::npos);
  auto again = Open();
  ExpectFiveEntriesAndTheRecord(*again);
  EXPECT_EQ(again->GetProfileInt("Settings", "Sound", 0), 1);
  EXPECT_EQ(told.size(), 1u) << "the saved file reads clean";
}

TEST(SettingsSections, TheProgramsOwnSectionsMakeRoomAndNoSectionIsKeptInPart) {
  const fs::path file = fs::temp_directory_path() / ("quintaro-sections-" + std::to_string(::getpid()));
  SettingsReadLimits limits = SettingsStore::DefaultReadLimits();
  limits.maxTextBytes = 1024;
  limits.maxLineBytes = 128;
  auto section = [](const std::string& name, int lines) {
    std::string text = "[" + name + "]\n";
    for (int i = 0; i < lines; ++i) text += "Key" + std::to_string(i) + "=" + std::string(20, 'v') + "\n";
    return text;
  };
  // Two of another program's sections fill the text; ours comes after them
  // and pushes the larger out. A section of theirs that no longer fits, and
  // one with a line too long to read, are left out whole.
  const std::string text = section("Small", 2) + section("Large", 30) + section("Wall Of Fame", 10) +
                           section("Late", 30) + "[Odd]\nKey=" + std::string(200, 'x') + "\nShort=1\n" +
                           "[Settings]\nSound=0\n" + std::string(200, 'y') + "\nZoom=2\n";
  WriteFile(file, text);
  const SettingsFileRead read = ReadSettingsFile(file, limits);
  fs::remove(file);
  EXPECT_EQ(read.text, section("Small", 2) + section("Wall Of Fame", 10) + "[Settings]\nSound=0\nZoom=2\n");
  EXPECT_EQ(read.skippedLines, 31u + 31u + 3u + 1u);
  limits.maxFileBytes = text.find("Sound=0") + 3;  // the file ends inside our section: it is left out too
  WriteFile(file, text);
  const SettingsFileRead cut = ReadSettingsFile(file, limits);
  fs::remove(file);
  EXPECT_EQ(cut.text, section("Small", 2) + section("Wall Of Fame", 10));
  EXPECT_TRUE(cut.PartlyRead());
}
