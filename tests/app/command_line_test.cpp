// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string_view>
#include <utility>
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
  // The spellings getopt_long gives every GNU program.
  EXPECT_EQ(Parse({"-z2"}).zoom, 2);
  EXPECT_EQ(Parse({"--zo=3"}).zoom, 3);
  EXPECT_EQ(Parse({"--zoo", "fit"}).zoom, 0);
  EXPECT_EQ(Parse({"-fz4"}).zoom, 4);
  EXPECT_EQ(Parse({"--full"}).fullscreen, true);
  EXPECT_EQ(Parse({"--he"}).action, Action::Help);
  EXPECT_EQ(Parse({"--vers"}).action, Action::Version);
  // Parsing twice starts afresh.
  EXPECT_EQ(Parse({"-z1"}).zoom, 1);
}

TEST(CommandLine, MisuseNamesTheProblem) {
  const std::vector<std::pair<std::vector<std::string_view>, std::string_view>> cases = {
      {{"--frobnicate"}, "unrecognized or ambiguous option '--frobnicate'"},
      {{"--zoom"}, "option '--zoom' requires an argument"},
      {{"-z"}, "option requires an argument -- 'z'"},
      {{"--zoom", "5"}, "invalid zoom '5'"},
      {{"--zoom", "0"}, "invalid zoom '0'"},
      {{"--zoom="}, "invalid zoom ''"},
      {{"-z2x"}, "invalid zoom '2x'"},
      {{"-x"}, "invalid option -- 'x'"},
      {{"--fullscreen=yes"}, "option '--fullscreen' doesn't allow an argument"},
      // The program opens no documents: a file named is refused, not ignored.
      {{"game.qtp"}, "extra operand 'game.qtp'"},
      {{"--", "-odd"}, "extra operand '-odd'"},
      {{"-"}, "extra operand '-'"},
  };
  for (const auto& [args, error] : cases) {
    const CommandLine line = Parse(args);
    EXPECT_EQ(line.action, Action::Misuse) << args[0];
    EXPECT_NE(line.error.find(error), std::string::npos) << line.error;
  }
  EXPECT_NE(UsageText().find("--help"), std::string::npos);
  EXPECT_EQ(kExitMisuse, 2);
}

TEST(CommandLine, TheSwitchesOfAnEmbeddingStart) {
  for (std::string_view embed : {"-Embedding", "/Embedding", "-Automation", "/Automation"}) {
    const CommandLine line = Parse({embed, "-z3"});
    EXPECT_EQ(line.action, Action::Run) << embed;
    EXPECT_FALSE(line.showSplash) << embed;
    EXPECT_EQ(line.zoom, 3) << embed;
  }
  EXPECT_EQ(Parse({"--Embedding"}).action, Action::Misuse);
}

}  // namespace
