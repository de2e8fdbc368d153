// SPDX-License-Identifier: GPL-3.0-or-later
// One rink on two machines: the far mallet follows the other player's aim
// inside its half and play waits while that player is away; the showing
// machine draws the running machine's news, its own mallet at its pointer,
// and tells the goals and the match's end by the players' names.
#include <gtest/gtest.h>

#include <algorithm>

#include "airhockey_app.h"

namespace airhockey::test {
namespace {

// Two programs, each with an air hockey match on the table and Ann and Bob in the seats.
struct TwoMachines {
  AirHockeyApp runner;
  AirHockeyApp shower;
  TwoMachines() {
    for (AirHockeyApp* app : {&runner, &shower}) {
      app->Player(0).m_strName = "Ann";
      app->Player(1).m_strName = "Bob";
      app->StartAirHockey();
    }
    runner.Game()->SetRole(LiveRink::Role::Runs);
    shower.Game()->SetRole(LiveRink::Role::Shows);
  }
  // The message boxes either program showed, in order.
  std::vector<std::string> TakeBoxes() {
    std::vector<std::string> all = runner.boxes;
    all.insert(all.end(), shower.boxes.begin(), shower.boxes.end());
    runner.boxes.clear();
    shower.boxes.clear();
    return all;
  }
  // Both machines' clocks run `ms`, the news crossing as it is made.
  void RunFor(DWORD ms) {
    for (DWORD t = 0; t < ms; ++t) {
      runner.Wait(1);
      if (const auto news = runner.Game()->TakeNews(false)) shower.Game()->ShowNews(*news, shower.Now());
      shower.Wait(1);
    }
  }
};

// How wide the scoreboard's label over a side's digit reads on the window:
// the columns of the panel where lit text shows, first to last.
int LabelWidth(AirHockeyApp& app, int side) {
  const int top = (side == 0 ? kHumanScoreAt.y : kComputerScoreAt.y) - 30;
  const CRect& view = app.GetHost().ViewRect();
  int first = -1;
  int last = -1;
  for (int x = 346; x < 531; ++x)
    for (int y = top; y < top + 22; ++y) {
      const std::uint32_t px = app.GetHost().WindowSurface().At(x + view.left, y + view.top);
      if (std::max({px & 0xFF, (px >> 8) & 0xFF, (px >> 16) & 0xFF}) <= 120) continue;
      if (first < 0) first = x;
      last = x;
      break;
    }
  return first < 0 ? 0 : last - first + 1;
}

TEST(AirHockeyOnline, BoardNamesTheSeatsInARoomAndSaysPlayerAndComputerAlone) {
  AirHockeyApp alone;
  alone.StartAirHockey();
  const int player = LabelWidth(alone, 0);
  const int computer = LabelWidth(alone, 1);
  EXPECT_GT(computer, player);
  EXPECT_GT(player, 40) << "PLAYER";

  TwoMachines m;
  for (AirHockeyApp* app : {&m.runner, &m.shower}) {
    EXPECT_LT(LabelWidth(*app, 0), 30) << "Ann";
    EXPECT_LT(LabelWidth(*app, 1), 30) << "Bob";
    app->View().OnDraw();  // a repaint draws the names again
    EXPECT_LT(LabelWidth(*app, 1), 30);
    EXPECT_GT(LabelWidth(*app, 1), 15);
  }
  // The room is left mid-match: the board's own labels come back.
  m.runner.Game()->SetRole(LiveRink::Role::Alone);
  EXPECT_EQ(LabelWidth(m.runner, 0), player);
  EXPECT_EQ(LabelWidth(m.runner, 1), computer);

  // A long name is drawn smaller, within the panel.
  m.shower.Game()->SetRole(LiveRink::Role::Alone);
  m.shower.Player(1).m_strName = "Maximiliana Wolkenstein-Bergh";
  m.shower.Game()->SetRole(LiveRink::Role::Shows);
  EXPECT_GT(LabelWidth(m.shower, 1), computer);
  EXPECT_LE(LabelWidth(m.shower, 1), 180);
}

TEST(AirHockeyOnline, ShowingPlayersPressesStartAndPausePlayOnTheRunningMachine) {
  TwoMachines m;
  CAirHockey& runner = *m.runner.Game();
  CAirHockey& shower = *m.shower.Game();
  m.shower.Click(20, 100);
  EXPECT_EQ(shower.TakeOwnPress(), std::nullopt) << "a press beside the mallet while play waits";
  const CPoint mallet = m.shower.TheRink().computer.pos;
  m.shower.Click(mallet.x, mallet.y);
  const auto play = shower.TakeOwnPress();
  ASSERT_EQ(play, LiveRink::Press::Play);
  EXPECT_EQ(shower.OwnAim(), mallet);
  runner.FarPress(*play);
  EXPECT_TRUE(runner.m_bPlaying);
  runner.FarPress(*play);
  EXPECT_TRUE(runner.m_bPlaying) << "a second press to play, sent before the news came, does not pause";

  m.RunFor(100);
  m.shower.Click(20, 100);  // anywhere, while the news says play runs
  const auto pause = shower.TakeOwnPress();
  ASSERT_EQ(pause, LiveRink::Press::Pause);
  runner.FarPress(*pause);
  EXPECT_FALSE(runner.m_bPlaying);

  // The running machine's player has turned away: its clock stands still, so play waits for them.
  runner.OnWindowAway(TRUE);
  runner.FarPress(LiveRink::Press::Play);
  EXPECT_FALSE(runner.m_bPlaying);
  runner.OnWindowAway(FALSE);
  runner.FarPress(LiveRink::Press::Play);
  EXPECT_TRUE(runner.m_bPlaying);
  // The showing player turning away pauses play as well.
  m.RunFor(100);
  shower.OnWindowAway(TRUE);
  EXPECT_EQ(shower.TakeOwnPress(), LiveRink::Press::Pause);
}

TEST(AirHockeyOnline, FarMalletFollowsTheOtherPlayersAimInsideItsHalfAndWaitsForThem) {
  TwoMachines m;
  AirHockeyApp& app = m.runner;
  m.runner.Game()->SetFarAim({60, 300});  // past the centre line
  app.RunFor(200);
  EXPECT_EQ(app.TheRink().computer.pos, kComputerHome) << "nothing moves before play starts";
  app.PressMallet();
  app.RunFor(200);
  EXPECT_EQ(app.TheRink().computer.pos, CPoint(60, kCentreLineY - kMalletRadius));
  EXPECT_EQ(app.TheRink().puck.pos, CPoint(129, 286)) << "the computer does not play the far mallet";

  // The far player is away: play pauses and a press does not start it.
  app.Game()->HoldForFarPlayer(true);
  EXPECT_FALSE(app.Game()->m_bPlaying);
  app.PressMallet();
  EXPECT_FALSE(app.Game()->m_bPlaying);
  app.Game()->HoldForFarPlayer(false);
  app.PressMallet();
  EXPECT_TRUE(app.Game()->m_bPlaying);
}

TEST(AirHockeyOnline, ShowingMachineDrawsTheNewsAndItsOwnMalletAtThePointer) {
  TwoMachines m;
  m.shower.Move(100, 120);
  m.RunFor(100);
  EXPECT_EQ(m.shower.Game()->OwnAim(), CPoint(100, 120));
  EXPECT_EQ(m.shower.TheRink().computer.pos, kComputerHome) << "at rest the mallet is where the runner has it";

  m.runner.PressMallet();
  m.runner.Game()->SetFarAim({100, 120});
  m.RunFor(100);
  m.shower.Move(150, 400);
  EXPECT_EQ(m.shower.TheRink().computer.pos, CPoint(150, kCentreLineY - kMalletRadius))
      << "while play runs the player's mallet is at its hand at once, inside its half";
  // The runner's mallet and the puck come from the news.
  m.runner.Move(80, 330);
  m.RunFor(150);
  EXPECT_EQ(m.shower.TheRink().human.pos, m.runner.TheRink().human.pos);
  EXPECT_FALSE(m.shower.Game()->m_bPlaying) << "nothing is played on the showing machine";
}

TEST(AirHockeyOnline, ShowingMachineTellsTheGoalAndTheWinnerByName) {
  TwoMachines m;
  for (AirHockeyApp* app : {&m.runner, &m.shower}) app->Player(0).m_nScore = kWinningScore - 1;
  m.runner.Game()->SetFarAim({60, 60});
  m.runner.PressMallet();
  m.runner.Move(129, 240);  // up the middle through the puck
  // The running machine plays first (the programs share one message box
  // script), then its news reaches the showing machine.
  std::vector<std::string> news;
  for (int ms = 0; ms < 1500; ++ms) {
    m.runner.Wait(1);
    if (const auto told = m.runner.Game()->TakeNews(false)) news.push_back(*told);
  }
  const std::vector<std::string> won{"Its a Goal!\nAnn scores.", "Ann Wins!"};
  EXPECT_EQ(m.TakeBoxes(), won);
  for (const std::string& told : news) {
    EXPECT_TRUE(m.shower.Game()->ShowNews(told, m.shower.Now()));
    m.shower.Wait(5);
  }
  EXPECT_EQ(m.TakeBoxes(), won);
  EXPECT_EQ(m.shower.Player(0).m_nScore, kWinningScore);
  EXPECT_EQ(m.shower.Game()->m_pScoreSprite[0]->GetCelIndex(), kWinningScore);
  EXPECT_EQ(m.shower.CountEvents("sound 359"), 1);
  EXPECT_GT(m.shower.CountEvents("sound 356") + m.shower.CountEvents("sound 357"), 0) << "the knocks are heard";
  EXPECT_FALSE(m.shower.Doc().m_bGameInProgress);
  EXPECT_TRUE(m.shower.Doc().m_bGameEnded);
  // The room's game is over: the final board keeps the names until the next
  // match, and the loser's serve waits on the rink, as on the running machine.
  m.shower.Game()->SetRole(LiveRink::Role::Alone);
  EXPECT_LT(LabelWidth(m.shower, 1), 30);
  EXPECT_EQ(m.shower.TheRink().puck.pos, m.runner.TheRink().puck.pos);
  EXPECT_EQ(m.shower.TheRink().human.pos, kHumanHome);
  m.shower.Click(20, 100);
  EXPECT_GT(LabelWidth(m.shower, 1), 60) << "COMPUTER";
}

TEST(AirHockeyOnline, NewsReadsBackAsWrittenAndNothingElseIsRead) {
  RinkSnapshot news;
  news.tick = 4294967000u;
  news.puck = {129, 44};
  news.puckVelocity = {-700, 1536};
  news.nearMallet = {80, 330};
  news.farMallet = {60, 188};
  news.score = {6, 7};
  news.playing = true;
  news.serve = 12;
  news.sounds = {kHitSound, kBounceSound};
  const std::string text = WriteRinkSnapshot(news);
  const auto back = ReadRinkSnapshot(text);
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->SameRink(news));
  EXPECT_EQ(back->tick, news.tick);
  EXPECT_EQ(back->sounds, news.sounds);
  for (const std::string& bad : {std::string(), text.substr(0, text.size() / 2), text + " score=8,0",
                                text + " sounds=1", text + " puck=5000,1", text + " play=2", std::string("t=1 x")})
    EXPECT_FALSE(ReadRinkSnapshot(bad)) << bad;
}

}  // namespace
}  // namespace airhockey::test
