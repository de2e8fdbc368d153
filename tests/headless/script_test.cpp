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
