// SPDX-License-Identifier: GPL-3.0-or-later
// The script's commands once the program runs: input, expectations, state
// dumps, the settings listing and screenshots.
#include <iostream>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/replay_desk.h"
#include "driver.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "platform/png.h"
#include "ui/dialog.h"

namespace {

// A section, key or value as a script writes it: quoted when it must be.
std::string ScriptWordFor(const std::string& text, bool alwaysQuote) {
  const bool plain = !text.empty() && text.find_first_of(" \t\"#") == std::string::npos;
  return alwaysQuote || !plain ? QuoteForReport(text) : text;
}

// A value that reads back as the same whole number is written bare; any
// other text (including "007") is a quoted string.
std::string ScriptValueFor(const std::string& value) {
  const auto number = ScriptCommand::ParseInt(value);
  if (number && std::to_string(*number) == value) return value;
  return QuoteForReport(value);
}

}  // namespace

bool ScenarioDriver::Execute(const ScriptCommand& cmd) {
  Host& host = m_app->GetHost();
  const std::string& n = cmd.name;
  if (Configure(cmd)) {
    if (n == "srand") host.Random().Seed(*m_seed);
    else if (n != "answer" && n != "dialog") Malformed(cmd, "'" + n + "' must come before start");
    return true;
  }
  if (n == "wait") {
    m_waiting = true;
    m_resumeAt = m_backend->Ticks() + static_cast<DWORD>(cmd.Int(0));
    return true;
  }
  if (n == "menu") {
    const UINT id = static_cast<UINT>(cmd.Int(0));
    // While the splash shows, the command only takes it away (as the press that chose it would).
    if (!m_app->Splash() && !m_app->Frame().IsCommandEnabled(id)) {
      Print("menu " + std::to_string(id) + " disabled");
      return true;
    }
    host.PostMessage(host.FrameWindow(), WM_COMMAND, id, 0);
    return false;
  }
  if (n == "expect") { Expect(cmd); return true; }
  if (n == "state") { PrintState(); return true; }
  if (n == "window") { ReportWindow(cmd.args[0]); return false; }
  if (n == "settings") { PrintSettings(); return true; }
  if (n == "shot") { SaveShot(cmd.args[0]); return true; }
  if (n == "replay") { Replay(cmd.args[0], cmd.args[1]); return false; }
  if (n == "quit") { host.PostClose(); return false; }
  if (n == "online") return ExecuteOnline(cmd);
  if (n == "restart") {
    m_restart = true;
    host.PostClose();
    return false;
  }
  if (ExecuteInput(cmd)) return false;
  Malformed(cmd, "unknown command");
}

bool ScenarioDriver::ExecuteInput(const ScriptCommand& cmd) {
  Host& host = m_app->GetHost();
  const auto& a = cmd.args;
  const std::string& n = cmd.name;
  if (n == "down") { m_buttons |= MK_LBUTTON; PostMouse(WM_LBUTTONDOWN, cmd.Int(0), cmd.Int(1)); return true; }
  if (n == "up") { m_buttons &= ~MK_LBUTTON; PostMouse(WM_LBUTTONUP, cmd.Int(0), cmd.Int(1)); return true; }
  if (n == "rdown") { m_buttons |= MK_RBUTTON; PostMouse(WM_RBUTTONDOWN, cmd.Int(0), cmd.Int(1)); return true; }
  if (n == "rup") { m_buttons &= ~MK_RBUTTON; PostMouse(WM_RBUTTONUP, cmd.Int(0), cmd.Int(1)); return true; }
  if (n == "move") { PostMouse(WM_MOUSEMOVE, cmd.Int(0), cmd.Int(1)); return true; }
  if (n == "click") {
    m_buttons |= MK_LBUTTON;
    PostMouse(WM_LBUTTONDOWN, cmd.Int(0), cmd.Int(1));
    m_buttons &= ~MK_LBUTTON;
    PostMouse(WM_LBUTTONUP, cmd.Int(0), cmd.Int(1));
    return true;
  }
  if (n == "key") {
    const bool down = a.size() == 1 || a[0] == "down";
    const bool up = a.size() == 1 || a[0] == "up";
    const UINT vk = static_cast<UINT>(cmd.Int(a.size() - 1));
    if (down) host.PostKey(WM_KEYDOWN, vk);
    if (up) host.PostKey(WM_KEYUP, vk);
    if (vk == VK_SHIFT) m_shift = down && !up;
    if (vk == VK_CONTROL) m_ctrl = down && !up;
    return true;
  }
  return false;
}

void ScenarioDriver::PostMouse(UINT message, int x, int y) {
  Host& host = m_app->GetHost();
  UINT flags = m_buttons | (m_shift ? MK_SHIFT : 0u) | (m_ctrl ? MK_CONTROL : 0u);
  host.PostMouse(message, host.ViewRect().left + x, host.ViewRect().top + y, flags);
}

void ScenarioDriver::PrintState() {
  m_lastStates[0] = std::move(m_lastStates[1]);
  m_lastStates[1] = StateJson();
  Print("state " + *m_lastStates[1]);
}

void ScenarioDriver::ReportWindow(const std::string& what) {
  if (what == "blur" || what == "focus") m_backend->ReportFocus(what == "focus");
  else m_backend->ReportMinimised(what == "minimise");
}

void ScenarioDriver::Expect(const ScriptCommand& cmd) {
  const std::string& what = cmd.args[0];
  const std::string& want = cmd.args[1];
  if (what == "states") {
    // The last two dumps printed: nothing moved between them.
    if (m_lastStates[0] && m_lastStates[0] == m_lastStates[1]) return;
    m_expectFailed = true;
    Print("expect failed line " + std::to_string(cmd.line) + ": the last two states differ");
    return;
  }
  if (what == "state") {
    ExpectStateValue(cmd);
    return;
  }
  std::string actual;
  if (what == "status") actual = m_app->Frame().StatusText();
  else if (what == "cursor") actual = std::to_string(m_backend->CursorId());
  else actual = std::to_string(m_app->Doc().m_nGameType);
  if (actual == want) return;
  m_expectFailed = true;
  const bool text = what == "status";
  Print("expect failed line " + std::to_string(cmd.line) + ": " + what + " is " +
        (text ? QuoteForReport(actual) : actual) + ", expected " + (text ? QuoteForReport(want) : want));
}

void ScenarioDriver::ExpectStateValue(const ScriptCommand& cmd) {
  // The first "KEY": of the dump, and its value as printed (a number, true, a quoted text).
  const std::string& key = cmd.args[1];
  const std::string& want = cmd.args[2];
  const std::string json = StateJson();
  const std::string label = "\"" + key + "\":";
  const std::size_t at = json.find(label);
  std::string actual = "missing";
  if (at != std::string::npos) {
    const std::size_t from = at + label.size();
    actual = json.substr(from, json.find_first_of(",}]", from) - from);
  }
  if (actual == want) return;
  m_expectFailed = true;
  Print("expect failed line " + std::to_string(cmd.line) + ": state " + key + " is " + actual + ", expected " + want);
}

std::string ScenarioDriver::StateJson() {
  std::string json = m_app->Doc().StateJson();
  json.pop_back();  // the closing brace
  return json + ",\"status\":" + QuoteForReport(m_app->Frame().StatusText()) +
         ",\"cursor\":" + std::to_string(m_backend->CursorId()) + OnlineStateJson() + "}";
}

void ScenarioDriver::PrintSettings() {
  for (const auto& [section, keys] : m_app->GetHost().Settings().AllValues())
    for (const auto& [key, value] : keys)
      Print("setting " + ScriptWordFor(section, true) + " " + ScriptWordFor(key, false) + " " + ScriptValueFor(value));
}

void ScenarioDriver::SaveShot(const std::string& name) {
  Surface32 image;
  m_app->GetHost().ComposeForDisplay(image);
  std::error_code ec;
  std::filesystem::create_directories(m_shotsDir, ec);
  // The parser let only plain file names through, so the shot lands in the directory.
  if (SavePng(m_shotsDir / (name + ".png"), image)) return;
  std::cerr << "cannot save " << (m_shotsDir / (name + ".png")).string() << "\n";
  m_expectFailed = true;
}

void ScenarioDriver::Replay(const std::string& verb, const std::string& name) {
  // The parser let only plain file names through, so the replay stays in the directory.
  const std::filesystem::path file = m_shotsDir / name;
  if (verb == "open") {
    m_app->Replays().Open(file);
    return;
  }
  std::error_code ec;
  std::filesystem::create_directories(m_shotsDir, ec);
  const std::string error = m_app->Replays().Save(file);
  if (error.empty()) return;
  Print("replay save failed: " + error);
  m_expectFailed = true;
}
