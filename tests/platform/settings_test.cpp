// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/settings.h"
#include "platform/settings_backup.h"
#include "platform/settings_ini.h"
#include "support/settings_on_disk.h"

namespace fs = std::filesystem;

namespace {

using quintaro::test::ReadFile;
using quintaro::test::WriteFile;

using SettingsFile = quintaro::test::SettingsOnDiskTest;

TEST(IniText, ParsesSectionsAndKeysWithSpacesAndValuesWithEquals) {
  const auto r = ParseIni(
      "; comment\r\n[Wall Of Fame]\r\nBowling Name 1 = Ann = the best \r\n"
      "[Settings]\nSound=1\nSound=0\n");
  EXPECT_FALSE(r.hadUnreadableLines);
  EXPECT_EQ(r.sections.at("Wall Of Fame").at("Bowling Name 1"), "Ann = the best");
  EXPECT_EQ(r.sections.at("Settings").at("Sound"), "1");  // the first one wins
}

TEST(IniText, GarbageLinesAreSkippedAndReported) {
  const auto r = ParseIni("Orphan=1\n[Broken\nx=1\n[ ]\ny=1\n[Ok]\nnot a pair\n=empty key\nGood=2\n\x01\x02\xff");
  EXPECT_TRUE(r.hadUnreadableLines);
  ASSERT_EQ(r.sections.size(), 1u);
  EXPECT_EQ(r.sections.at("Ok").size(), 1u);
  EXPECT_EQ(r.sections.at("Ok").at("Good"), "2");
}

TEST(IniText, AnyStringSurvivesAWriteAndReadBack) {
  IniSections s;
  s["Sec]tion"]["key=with=equals"] = "line one\nline two\\n not an escape";
  s[" padded "][" k "] = "  spaces, tabs\t and \x01 controls  ";
  s["[x"][";not a comment"] = "#";
  s["Empty"]["v"] = "";
  const auto back = ParseIni(FormatIni(s));
  EXPECT_FALSE(back.hadUnreadableLines);
  EXPECT_EQ(back.sections, s);
}

TEST(IniText, ProfileIntTakesLeadingDigitsOnly) {
  EXPECT_EQ(ParseProfileInt("42", 7), 42);
  EXPECT_EQ(ParseProfileInt("  -13xyz", 7), -13);
  EXPECT_EQ(ParseProfileInt("12abc", 7), 12);
  EXPECT_EQ(ParseProfileInt("abc", 7), 7);
  EXPECT_EQ(ParseProfileInt("", 7), 7);
  EXPECT_EQ(ParseProfileInt("-", 7), 7);
  EXPECT_EQ(ParseProfileInt("99999999999999999999", 7), INT_MAX);
  EXPECT_EQ(ParseProfileInt("-99999999999999999999", 7), INT_MIN);
}

TEST(SettingsStore, MemoryStoreKeepsValuesAndGivesDefaults) {
  SettingsStore s;
  EXPECT_EQ(s.GetProfileInt("Settings", "Sound", 1), 1);
  EXPECT_TRUE(s.WriteProfileInt("Settings", "Sound", 0));
  EXPECT_EQ(s.GetProfileInt("Settings", "Sound", 1), 0);
  EXPECT_TRUE(s.WriteProfileString("Darts", "Name", "x"));
  EXPECT_EQ(s.GetProfileInt("Darts", "Name", 5), 5);
  EXPECT_EQ(s.GetProfileString("Darts", "Missing", "dflt"), "dflt");
  EXPECT_FALSE(s.WriteProfileInt("", "Key", 1));
}

TEST_F(SettingsFile, ValuesRoundTripThroughTheFile) {
  {
    SettingsStore s(file);
    EXPECT_TRUE(s.WriteProfileInt("Settings", "Sound", 0));
    EXPECT_TRUE(s.WriteProfileString("Wall Of Fame", "Bowling Name 1", "Ann = A\nB"));
  }
  SettingsStore again(file);
  EXPECT_EQ(again.GetProfileInt("Settings", "Sound", 1), 0);
  EXPECT_EQ(again.GetProfileString("Wall Of Fame", "Bowling Name 1"), "Ann = A\nB");
  // No temporary files are left beside it, only the lock copies take turns with.
  int files = 0;
  for (const auto& e : fs::directory_iterator(file.parent_path()))
    files += e.is_regular_file() && e.path().extension() != ".lock";
  EXPECT_EQ(files, 1);
}

TEST_F(SettingsFile, ReplacingTheFileKeepsTheOtherKeys) {
  fs::create_directories(file.parent_path());
  WriteFile(file, "[Darts]\nVelocity=3\nAccuracy=4\n[Settings]\nSound=1\n");
  SettingsStore s(file);
  EXPECT_TRUE(s.WriteProfileInt("Darts", "Velocity", 9));
  SettingsStore again(file);
  EXPECT_EQ(again.GetProfileInt("Darts", "Velocity", 0), 9);
  EXPECT_EQ(again.GetProfileInt("Darts", "Accuracy", 0), 4);
  EXPECT_EQ(again.GetProfileInt("Settings", "Sound", 0), 1);
}

TEST_F(SettingsFile, CorruptFileReadsAsDefaultsAndIsKeptWhenWeWrite) {
  fs::create_directories(file.parent_path());
  const std::string junk = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(3000, '\0') + "\n[Settings]\nSound=zero\n";
  WriteFile(file, junk);
  {
    SettingsStore s(file);
    EXPECT_EQ(s.GetProfileInt("Settings", "Sound", 1), 1);
  }
  EXPECT_EQ(ReadFile(file), junk);  // reading never rewrites

  SettingsStore s(file);
  EXPECT_TRUE(s.WriteProfileInt("Settings", "Sound", 0));
  ASSERT_EQ(BadCopiesOf(file).size(), 1u);
  EXPECT_EQ(ReadFile(BadCopiesOf(file).back()), junk);
  EXPECT_EQ(SettingsStore(file).GetProfileInt("Settings", "Sound", 1), 0);
}

TEST_F(SettingsFile, ReadOnlyDirectoryFailsTheWriteButLosesNothing) {
  fs::create_directories(file.parent_path());
  WriteFile(file, "[Settings]\nSound=1\n");
  ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
  ASSERT_EQ(::chmod(file.parent_path().c_str(), 0555), 0);
  // In a child process that, if it runs as root, gives root up first:
  // permissions do not bind root.
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(3);
        SettingsStore s(file);
        bool ok = !s.WriteProfileInt("Settings", "Sound", 0);
        ok = ok && s.GetProfileInt("Settings", "Sound", 1) == 0;  // kept in memory
        ok = ok && ReadFile(file) == "[Settings]\nSound=1\n";
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(SettingsFile, UnwritablePlaceFailsTheWriteButKeepsTheValue) {
  // A plain file where the directory should be: nothing can be created there.
  WriteFile(dir / "Orvane", "in the way");
  SettingsStore s(file);
  EXPECT_FALSE(s.WriteProfileInt("Settings", "Sound", 0));
  EXPECT_EQ(s.GetProfileInt("Settings", "Sound", 1), 0);
  EXPECT_EQ(ReadFile(dir / "Orvane"), "in the way");
}

TEST(SettingsPath, FollowsXdgConfigHomeThenHome) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = oldXdg ? oldXdg : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(SettingsStore::DefaultPath("Orvane", "Quintaro"), fs::path("/tmp/xdg/Orvane/Quintaro.ini"));
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", ::getenv("HOME") ? ::getenv("HOME") : "/root", 1);
  EXPECT_EQ(SettingsStore::DefaultPath("Orvane", "Quintaro"),
            fs::path(::getenv("HOME")) / ".config" / "Orvane" / "Quintaro.ini");
  if (oldXdg) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
