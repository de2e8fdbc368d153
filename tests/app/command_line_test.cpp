// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/version.h"

namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string_view> args) { return ParseCommandLine(args); }

TEST(CommandLine, NoArgumentsRunsWithTheStoredWindowMode) {
  const CommandLine line = Parse({});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_TRUE(line.showSplash);
  EXPECT_FALSE(line.fullscreen.has_value());
  EXPECT_FALSE(line.zoom.has_value());
  EXPECT_TRUE(line.openFile.empty());
}

TEST(CommandLine, HelpAndVersionWinOverEverythingBeforeThem) {
  EXPECT_EQ(Parse({"--help"}).action, Action::Help);
  EXPECT_EQ(Parse({"-h"}).action, Action::Help);
  EXPECT_EQ(Parse({"--zoom", "2", "--version"}).action, Action::Version);
  // The option after --help is never looked at.
  EXPECT_EQ(Parse({"--help", "--bogus"}).action, Action::Help);
  // GNU style: the version line first, then the copyright and the licence.
  EXPECT_EQ(VersionText().substr(0, VersionText().find('\n')), std::string("quintaro (Quintaro Games) ") + ProgramVersion());
  EXPECT_NE(VersionText().find("\nCopyright (C) 2026 Orvane\nLicense GPLv3+"), std::string::npos);
  EXPECT_NE(HelpText().find("--fullscreen"), std::string::npos);
}

TEST(CommandLine, ZoomInEverySpelling) {
  EXPECT_EQ(Parse({"--zoom", "3"}).zoom, 3);
  EXPECT_EQ(Parse({"--zoom=4"}).zoom, 4);
  EXPECT_EQ(Parse({"-z", "1"}).zoom, 1);
  EXPECT_EQ(Parse({"--zoom", "fit"}).zoom, 0);
  const CommandLine both = Parse({"--fullscreen", "--zoom", "2"});
  EXPECT_EQ(both.fullscreen, true);
  EXPECT_EQ(both.zoom, 2);
  EXPECT_EQ(Parse({"-f"}).fullscreen, true);
}

TEST(CommandLine, MisuseNamesTheProblem) {
  const CommandLine unknown = Parse({"--frobnicate"});
  EXPECT_EQ(unknown.action, Action::Misuse);
  EXPECT_NE(unknown.error.find("--frobnicate"), std::string::npos);
  for (const auto& args : std::vector<std::vector<std::string_view>>{
           {"--zoom"}, {"--zoom", "5"}, {"--zoom", "0"}, {"--zoom="}, {"--zoom", "2x"}, {"-x"},
           {"a.qtp", "b.qtp"}, {"--fullscreen=yes"}, {"--zoo", "2"}}) {
    EXPECT_EQ(Parse(args).action, Action::Misuse) << args[0];
  }
  EXPECT_NE(UsageText().find("--help"), std::string::npos);
  EXPECT_EQ(kExitMisuse, 2);
}

TEST(CommandLine, DocumentsAndTheSwitchesOfAnEmbeddingStart) {
  EXPECT_EQ(Parse({"game.qtp"}).openFile, "game.qtp");
  EXPECT_EQ(Parse({"--", "-odd name.qtp"}).openFile, "-odd name.qtp");
  EXPECT_EQ(Parse({"-"}).openFile, "-");
  for (std::string_view embed : {"-Embedding", "/Embedding", "-Automation", "/Automation"}) {
    const CommandLine line = Parse({embed});
    EXPECT_EQ(line.action, Action::Run) << embed;
    EXPECT_FALSE(line.showSplash) << embed;
    EXPECT_TRUE(line.openFile.empty()) << embed;
  }
  EXPECT_EQ(Parse({"--Embedding"}).action, Action::Misuse);
}

}  // namespace
