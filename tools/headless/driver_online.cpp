// SPDX-License-Identifier: GPL-3.0-or-later
// The script's `online` commands: a room opened, joined or rejoined on a
// real server, the game started, and waits for what the other machines do.
// A wait lets virtual time pass in small steps while the real network
// catches up, and gives up after a while of real time.
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/online/online_desk.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "driver.h"
#include "game/player.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"

namespace {

constexpr DWORD kWaitStepMs = 20;
constexpr auto kRealPause = std::chrono::milliseconds(1);
constexpr auto kGiveUpAfter = std::chrono::seconds(20);

bool IsOnlineWait(const std::vector<std::string>& a) {
  if (a.size() == 2 && a[0] == "wait") return a[1] == "joined" || a[1] == "seats" || a[1] == "started" ||
                                               a[1] == "myturn" || a[1] == "over" || a[1] == "away";
  if (a.size() == 3 && a[0] == "wait" && (a[1] == "turns" || a[1] == "goals" || a[1] == "presses"))
    return ScriptCommand::ParseInt(a[2]).value_or(-1) >= 0;
  return a.size() == 4 && a[0] == "wait" && a[1] == "aim" && ScriptCommand::ParseInt(a[2]) && ScriptCommand::ParseInt(a[3]);
}

int ScoresTogether(CQuintaroDoc& doc) {
  int goals = 0;
  for (int seat = 0; seat <= doc.m_nLastPlayer && seat < static_cast<int>(doc.m_players.size()); ++seat)
    goals += doc.m_players[static_cast<std::size_t>(seat)]->m_nScore;
  return goals;
}

}  // namespace

std::string CheckOnlineCommand(const std::vector<std::string>& a) {
  if (a.empty()) return "online needs host, join, rejoin, start, wait, handover or leave";
  if (a[0] == "host") return a.size() == 2 || a.size() == 3 ? "" : "online host takes a server address [and a name]";
  if (a[0] == "join") return a.size() == 3 || a.size() == 4 ? "" : "online join takes a server address and a code [and a name]";
  if (a[0] == "rejoin" || a[0] == "start" || a[0] == "leave") return a.size() == 1 ? "" : "takes nothing more";
  if (a[0] == "handover") return a.size() == 2 && ScriptCommand::ParseInt(a[1]) ? "" : "online handover takes a seat";
  if (a[0] == "wait")
    return IsOnlineWait(a) ? "" : "online wait takes joined, seats, started, myturn, over, away, turns N, goals N, presses N or aim X Y";
  return "unknown online command '" + a[0] + "'";
}

bool ScenarioDriver::ExecuteOnline(const ScriptCommand& cmd) {
  OnlineDesk& online = m_app->Online();
  const auto& a = cmd.args;
  const std::string& name = m_app->Doc().m_players[0]->m_strName;
  bool began = true;
  if (a[0] == "host") began = online.CreateRoom(a[1], a.size() > 2 ? a[2] : name);
  else if (a[0] == "join") began = online.Join(a[1], a[2], a.size() > 3 ? a[3] : name);
  else if (a[0] == "rejoin") began = online.RejoinKept();
  else if (a[0] == "start") began = online.Start();
  else if (a[0] == "handover") online.HandOver(cmd.Int(1));
  else if (a[0] == "leave") online.Leave();
  if (!began) {
    m_expectFailed = true;
    Print("expect failed line " + std::to_string(cmd.line) + ": online " + a[0] + ": " + online.LastMessage());
    return true;
  }
  if (a[0] == "host" || a[0] == "join" || a[0] == "rejoin") m_onlineWait = "joined";
  else if (a[0] == "wait") m_onlineWait = a[1] == "turns" || a[1] == "goals" || a[1] == "presses" ? a[1] + " " + a[2]
                                         : a[1] == "aim"                       ? "aim " + a[2] + " " + a[3]
                                                                               : a[1];
  if (m_onlineWait) {
    m_onlineWaitLine = cmd.line;
    m_onlineGiveUp = std::chrono::steady_clock::now() + kGiveUpAfter;
  }
  return a[0] != "start";
}

bool ScenarioDriver::OnlineWaitOver() {
  OnlineDesk& online = m_app->Online();
  const OnlineSession* session = online.Session();
  const std::string& what = *m_onlineWait;
  if (!session || session->GetPhase() == OnlineSession::Phase::Ended) return true;
  const bool inRoom = session->GetPhase() == OnlineSession::Phase::InRoom;
  if (what == "joined") return inRoom;
  if (what == "seats") return inRoom && session->Room().Ready();
  if (what == "started") return online.Playing();
  // A game that is over has no turns to wait for.
  if (!online.Playing() && online.TurnsTaken() > 0) return true;
  if (what == "myturn") return online.Playing() && online.SeatIsLocal(online.TurnSeat());
  if (what == "over") return false;
  if (what == "away") return session->Room().FirstAway() >= 0;
  if (what.starts_with("goals ")) return ScoresTogether(m_app->Doc()) >= std::stoi(what.substr(6));
  if (what.starts_with("presses ")) return online.Rink().PressesHeard() >= std::stoi(what.substr(8));
  if (what.starts_with("aim ")) {
    const auto aim = online.Rink().HeardAim();
    return aim && "aim " + std::to_string(aim->x) + " " + std::to_string(aim->y) == what;
  }
  return online.TurnsTaken() >= std::stoi(what.substr(6));
}

std::optional<DWORD> ScenarioDriver::OnlineWaitStep(DWORD now) {
  if (!m_onlineWait) return std::nullopt;
  OnlineDesk& online = m_app->Online();
  if (OnlineWaitOver()) {
    const OnlineSession* session = online.Session();
    if (*m_onlineWait == "joined" && session && session->GetPhase() == OnlineSession::Phase::InRoom)
      Print("online room " + session->Code() + " seat " + std::to_string(session->Seat()));
    else if (!session || session->GetPhase() == OnlineSession::Phase::Ended)
      Print("online ended \"" + online.LastMessage() + "\"");
    m_onlineWait.reset();
    return std::nullopt;
  }
  if (std::chrono::steady_clock::now() > m_onlineGiveUp) {
    m_expectFailed = true;
    Print("expect failed line " + std::to_string(m_onlineWaitLine) + ": online wait " + *m_onlineWait + " timed out");
    m_onlineWait.reset();
    return std::nullopt;
  }
  // The network runs in real time: a moment of it, then a little play time
  // (none while input that has come is still being played).
  if (!online.PlayingInput()) std::this_thread::sleep_for(kRealPause);
  return now + kWaitStepMs;
}

std::optional<DWORD> ScenarioDriver::OnlineModalStep(DWORD now) {
  const OnlineSession* session = m_app->Online().Session();
  if (!session || !session->Active()) return std::nullopt;
  // The other machines play on meanwhile, in real time, and may follow what this one says.
  m_out.flush();
  std::fflush(stdout);
  std::this_thread::sleep_for(kRealPause);
  return now + kWaitStepMs;
}

std::string ScenarioDriver::OnlineStateJson() {
  // Only while this machine is in a room, so every other dump stays as it was.
  const OnlineDesk& online = m_app->Online();
  const OnlineSession* session = online.Session();
  if (!session || !session->Active()) return {};
  return ",\"online\":{\"seat\":" + std::to_string(session->Seat()) + ",\"playing\":" +
         (online.Playing() ? "true" : "false") + ",\"turnSeat\":" + std::to_string(online.TurnSeat()) +
         ",\"turns\":" + std::to_string(online.TurnsTaken()) + ",\"drifts\":" + std::to_string(online.Drifts()) +
         (online.RinkRoom() ? ",\"rinkSent\":" + std::to_string(online.Rink().NewsSent()) +
                                  ",\"rinkHeard\":" + std::to_string(online.Rink().NewsHeard())
                            : std::string()) +
         "}";
}
