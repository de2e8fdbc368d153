// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-program flows of the document's commands, run through the headless driver.
#include <gtest/gtest.h>

#include "app/run_scenario.h"

namespace {

// Starts the program and dismisses the splash with a click on nothing.
constexpr const char* kStart = "start\nclick 5 5\nwait 10\n";

}  // namespace

// Every way out of a game asks the same question, and only while a game is
// under way: Quit Game, Main Window, the close box and Ctrl+Q.
TEST(DocumentFlows, EveryWayOutAsksOnlyWhileAGameIsUnderWay) {
  auto fresh = RunScenario(std::string(kStart) + "menu 32786\nwait 10\nmenu 32789\nwait 10\nexpect screen 0\n"
                                                 "menu 32786\nwait 10\nmenu 32790\nwait 10\nexpect screen 0\n"
                                                 "menu 32786\nwait 10\nkey down 17\nkey 81\nkey up 17\nwait 10\n");
  EXPECT_EQ(fresh.exitCode, 0) << fresh.transcript;
  EXPECT_FALSE(fresh.Has("msgbox")) << fresh.transcript;
  EXPECT_TRUE(fresh.Has("exit 0")) << fresh.transcript;

  // A dart picked up: the game is under way. No keeps it, whichever way was taken.
  const std::string no = "answer no\n";
  auto underWay = RunScenario(std::string(kStart) + "menu 32786\nwait 10\nclick 249 320\nwait 10\n" + no +
                              "menu 32789\nwait 10\n" + no + "menu 32790\nwait 10\n" + no + "quit\nwait 10\n" + no +
                              "key down 17\nkey 81\nkey up 17\nwait 10\nexpect screen 4\nstate\n"
                              "answer yes\nkey down 17\nkey 81\nkey up 17\nwait 10\n");
  EXPECT_EQ(underWay.exitCode, 0) << underWay.transcript;
  const std::string asked = R"(msgbox "Quit Game?" "Do you wish to quit the current game?" -> )";
  std::size_t noes = 0;
  for (std::size_t at = underWay.transcript.find(asked + "no"); at != std::string::npos;
       at = underWay.transcript.find(asked + "no", at + 1))
    ++noes;
  EXPECT_EQ(noes, 4u) << underWay.transcript;
  EXPECT_TRUE(underWay.Has(asked + "yes")) << underWay.transcript;
}

// After a finished game the next one waits for a first move: going home has
// no game to ask about. Once the next game is under way the question is back.
TEST(DocumentFlows, MainWindowAfterAFinishedGameDoesNotAsk) {
  const std::string bowlOneComputerGame = std::string(kStart) +
                                          "dialog 137 click 1001 check 1000 1 ok\nmenu 32779\nmenu 32785\n"
                                          "click 400 300\nwait 1000\nanswer ok\nwait 150000\n";
  auto home = RunScenario(bowlOneComputerGame + "state\nmenu 32789\nwait 10\nexpect screen 0\nquit\n");
  EXPECT_EQ(home.exitCode, 0) << home.transcript;
  EXPECT_TRUE(home.Has("Player1 wins")) << home.transcript;
  EXPECT_FALSE(home.Has("Quit Game?")) << home.transcript;

  // The first click takes the final sheet away; the second starts the computer.
  auto again = RunScenario(bowlOneComputerGame + "click 400 300\nwait 10\nclick 400 300\nwait 500\nanswer no\n"
                                                 "menu 32789\nwait 10\nexpect screen 3\nquit\n");
  EXPECT_EQ(again.exitCode, 0) << again.transcript;
  EXPECT_TRUE(again.Has(R"(msgbox "Quit Game?" "Do you wish to quit the current game?" -> no)")) << again.transcript;
}

TEST(DocumentFlows, QuitGameWithNoGameInProgressDoesNotAsk) {
  auto r = RunScenario(std::string(kStart) + "menu 32786\nwait 10\nmenu 32790\nwait 10\nexpect screen 0\n"
                                             "expect status \"For Help, press F1\"\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_FALSE(r.Has("msgbox")) << r.transcript;
}

TEST(DocumentFlows, CommandsDisabledOnTheTitleScreenAreNotRun) {
  auto r = RunScenario(std::string(kStart) + "menu 32790\nmenu 32778\nmenu 32776\nexpect screen 0\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("menu 32790 disabled"));
  EXPECT_TRUE(r.Has("menu 32778 disabled"));
  EXPECT_TRUE(r.Has("menu 32776 disabled"));
}

TEST(DocumentFlows, HallOfFameOnlyFromTitleOrHallOfFame) {
  auto r = RunScenario(std::string(kStart) + "menu 32772\nwait 10\nexpect screen 7\nmenu 32772\nwait 10\n"
                                             "expect screen 7\nmenu 32786\nwait 10\nmenu 32772\nexpect screen 4\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("menu 32772 disabled"));
}

TEST(DocumentFlows, PlayersDialogSetsSeatsAndKeepsGreyedNames) {
  auto r = RunScenario(std::string(kStart) +
                       "dialog 137 click 1003 text 1016 \"Bo\" check 1005 1 text 1017 \"Cy\" ok\n"
                       "menu 32779\nwait 10\nstate\n"
                       "dialog 137 click 1001 ok\nmenu 32779\nwait 10\nstate\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has(R"("lastPlayer":2)")) << r.transcript;
  EXPECT_TRUE(r.Has(R"({"name":"Bo","computer":true,"active":true,"score":0})")) << r.transcript;
  // Back to one player: seats 1 and 2 keep their names and flags but sit out.
  EXPECT_TRUE(r.Has(R"({"name":"Bo","computer":true,"active":false,"score":0})")) << r.transcript;
  EXPECT_TRUE(r.Has(R"({"name":"Cy","computer":false,"active":false,"score":0})")) << r.transcript;
}

TEST(DocumentFlows, PlayerNamesStopAtTwentyCharacters) {
  auto r = RunScenario(std::string(kStart) + "dialog 137 text 1015 \"ABCDEFGHIJKLMNOPQRSTUVWXYZ\" ok\n"
                                             "menu 32779\nwait 10\nstate\nquit\n");
  EXPECT_TRUE(r.Has(R"("name":"ABCDEFGHIJKLMNOPQRST")")) << r.transcript;
}

TEST(DocumentFlows, SoundTogglesAndDefaultsOn) {
  auto r = RunScenario(std::string(kStart) + "state\nmenu 32781\nstate\nquit\n");
  EXPECT_TRUE(r.Has(R"("sound":true)"));
  EXPECT_TRUE(r.Has(R"("sound":false)"));
  auto off = RunScenario("setting Settings Sound 0\n" + std::string(kStart) + "state\nquit\n");
  EXPECT_TRUE(off.Has(R"("sound":false)")) << off.transcript;
  auto odd = RunScenario("setting Settings Sound 7\n" + std::string(kStart) + "state\nquit\n");
  EXPECT_TRUE(odd.Has(R"("sound":true)")) << odd.transcript;
}

TEST(DocumentFlows, DisplayBelow256ColoursEndsWithCodeTwo) {
  auto r = RunScenario("display 4\nstart\nwait 10\n");
  EXPECT_EQ(r.exitCode, 2) << r.transcript;
  EXPECT_TRUE(r.Has(R"(msgbox "Quintaro" "Display mode must be set to at least 256 colors")")) << r.transcript;
  EXPECT_TRUE(r.Has(R"(msgbox "Quintaro" "Terminal Error - quitting application")")) << r.transcript;
  EXPECT_TRUE(r.Has("exit 2"));
}

TEST(DocumentFlows, SplashClickIsConsumed) {
  auto r = RunScenario("start\nclick 50 300\nwait 10\nexpect screen 0\nclick 50 300\nwait 10\nexpect screen 2\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_TRUE(r.Has("splash hidden"));
}

TEST(DocumentFlows, MalformedScriptsAndFailedExpectationsHaveTheirCodes) {
  EXPECT_EQ(RunScenario("start\njump 3\n").exitCode, 2);
  EXPECT_EQ(RunScenario("start\nwait 10\nexpect screen 5\nquit\n").exitCode, 1);
}
