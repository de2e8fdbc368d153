// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "script.h"

namespace {

ScriptError ErrorOf(const std::string& text) {
  Script s;
  ScriptError e;
  EXPECT_FALSE(ParseScript(text, &s, &e)) << text;
  return e;
}

}  // namespace

TEST(ScenarioScript, SplitsQuotedWordsAndDropsComments) {
  auto words = SplitWords(R"(setting "Wall Of Fame" Bowling_Name_1 "Ann Lee"  # best bowler)");
  ASSERT_TRUE(words);
  ASSERT_EQ(words->size(), 4u);
  EXPECT_EQ((*words)[1], "Wall Of Fame");
  EXPECT_EQ((*words)[3], "Ann Lee");
  EXPECT_FALSE(SplitWords("expect status \"unclosed"));
}

TEST(ScenarioScript, ParsesAWholeScenario) {
  Script s;
  ScriptError e;
  ASSERT_TRUE(ParseScript("epoch 100\n\nnosound\nstart\nclick 530 250\nwait 500\n"
                          "dialog 137 click 1002 text 1016 \"Bo\" check 1005 1 ok\nkey down 16\nexpect screen 4\n",
                          &s, &e))
      << e.reason;
  ASSERT_EQ(s.commands.size(), 8u);
  EXPECT_EQ(s.commands[3].name, "click");
  EXPECT_EQ(s.commands[3].Int(0), 530);
  EXPECT_EQ(s.commands[4].line, 6);
}

TEST(ScenarioScript, RejectsMalformedLinesWithTheirNumbers) {
  EXPECT_EQ(ErrorOf("start\nfly 3 4\n").line, 2);
  EXPECT_EQ(ErrorOf("click 3\n").line, 1);
  EXPECT_EQ(ErrorOf("wait soon\n").line, 1);
  EXPECT_EQ(ErrorOf("display 16\n").line, 1);
  EXPECT_EQ(ErrorOf("start\nnosound\n").line, 2);  // configuration after start
  EXPECT_EQ(ErrorOf("start\nstart\n").line, 2);
  EXPECT_EQ(ErrorOf("answer maybe\n").line, 1);
  EXPECT_EQ(ErrorOf("dialog 137 click 1002\n").line, 1);  // no ok or cancel
  EXPECT_EQ(ErrorOf("dialog 137 ok click 1\n").line, 1);
  EXPECT_EQ(ErrorOf("dialog 137 check 1000 2 ok\n").line, 1);
  EXPECT_EQ(ErrorOf("expect colour 3\n").line, 1);
  EXPECT_EQ(ErrorOf("key sideways 27\n").line, 1);
}

TEST(ScenarioScript, NumbersMustFitAndQuotedWordsAreKnown) {
  EXPECT_EQ(ScriptCommand::ParseInt("2147483647"), 2147483647);
  EXPECT_EQ(ScriptCommand::ParseInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ScriptCommand::ParseInt("+12"), 12);
  for (const char* bad : {"2147483648", "-", "+", "", "12x", "0x10", "+-1", "1 2"})
    EXPECT_FALSE(ScriptCommand::ParseInt(bad)) << bad;
  EXPECT_EQ(ScriptCommand::ParseInt64("1700000000000"), 1700000000000LL);

  Script s;
  ScriptError e;
  ASSERT_TRUE(ParseScript("setting Darts Name \"007\"\nsetting Darts Velocity 2\nepoch 99999999999\n", &s, &e))
      << e.reason;
  EXPECT_EQ(s.commands[0].args[2], "007");
  EXPECT_TRUE(s.commands[0].quoted[2]);
  EXPECT_FALSE(s.commands[1].quoted[2]);
  EXPECT_EQ(ErrorOf("setting Darts Velocity fast\n").line, 1);  // words need quotes
  EXPECT_EQ(ErrorOf("tick -1\n").line, 1);
}

TEST(ScenarioScript, DialogAndMessageBoxActions) {
  Script s;
  ScriptError e;
  EXPECT_TRUE(ParseScript("dialog 137 wait 100 enabled 1016 shot open click 1002 ok\nanswer wait 5 shot box yes\n",
                          &s, &e))
      << e.reason;
  EXPECT_EQ(ErrorOf("dialog 137 wait ok\n").line, 1);
  EXPECT_EQ(ErrorOf("dialog 137 enabled ok\n").line, 1);
  EXPECT_EQ(ErrorOf("answer click 1 ok\n").line, 1);  // a message box has no controls to script
  EXPECT_EQ(ErrorOf("answer wait 10\n").line, 1);      // no answer
  EXPECT_EQ(ErrorOf("answer yes no\n").line, 1);
}
