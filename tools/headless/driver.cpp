#include "driver.h"

#include <cstdio>
#include <iostream>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "platform/audio_device.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "platform/png.h"
#include "ui/message_box.h"
#include "res/resource_ids.h"

namespace {

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') { out += "\\n"; continue; }
    out += c;
  }
  return out + "\"";
}

std::optional<int> ButtonId(const std::string& word) {
  if (word == "ok") return IDOK;
  if (word == "cancel") return IDCANCEL;
  if (word == "yes") return IDYES;
  if (word == "no") return IDNO;
  return std::nullopt;
}

}  // namespace

ScenarioDriver::ScenarioDriver(Script script, std::filesystem::path shotsDir, std::ostream& out)
    : m_script(std::move(script)), m_shotsDir(std::move(shotsDir)), m_out(out) {}

ScenarioDriver::~ScenarioDriver() = default;

void ScenarioDriver::Print(const std::string& event) {
  const DWORD now = m_backend ? m_backend->Ticks() : m_startTick;
  m_out << "[" << now << "] " << event << "\n";
}

void ScenarioDriver::Finish(int programCode) {
  m_out.flush();
  std::fflush(stdout);
  std::exit(m_expectFailed && programCode == 0 ? 1 : programCode);
}

void ScenarioDriver::Malformed(const ScriptCommand& cmd, const std::string& reason) {
  std::cerr << "line " << cmd.line << ": " << reason << "\n";
  m_out.flush();
  std::exit(2);
}

int ScenarioDriver::Run() {
  // Everything up to `start` configures the program; the rest runs inside it.
  while (m_pc < m_script.commands.size()) {
    const ScriptCommand& cmd = m_script.commands[m_pc++];
    if (cmd.name == "start") {
      Start();  // runs the program; returns only if it ends its loop
      return m_expectFailed ? 1 : 0;
    }
    if (!Configure(cmd)) Malformed(cmd, "'" + cmd.name + "' needs a running program (after start)");
  }
  return m_expectFailed ? 1 : 0;
}

bool ScenarioDriver::Configure(const ScriptCommand& cmd) {
  const auto& a = cmd.args;
  if (cmd.name == "epoch") m_epoch = std::stoll(a[0]);
  else if (cmd.name == "tick") m_startTick = static_cast<DWORD>(std::stoul(a[0]));
  else if (cmd.name == "setting") m_settings.emplace_back(a[0], a[1], a[2]);
  else if (cmd.name == "display") m_displayBits = std::stoi(a[0]);
  else if (cmd.name == "nosound") m_sound = false;
  else if (cmd.name == "splash") m_splash = a[0];
  else if (cmd.name == "srand") m_seed = static_cast<std::uint32_t>(std::stoul(a[0]));
  else if (cmd.name == "answer") m_answers.push_back(a[0]);
  else if (cmd.name == "dialog") m_dialogs[std::stoi(a[0])].push_back({a.begin() + 1, a.end()});
  else return false;
  return true;
}

void ScenarioDriver::Start() {
  HeadlessOptions options;
  options.startTick = m_startTick;
  options.epochSeconds = m_epoch;
  options.caps = DisplayCaps::FromBits(m_displayBits);
  options.audio = m_sound;
  auto backend = MakeHeadlessBackend(options);
  m_backend = backend.get();
  m_backend->SetFeeder([this](DWORD now) { return Feed(now); });
  m_backend->onStarved = [this] { Finish(0); };
  m_backend->onExit = [this](int code) {
    Print("exit " + std::to_string(code));
    Finish(code);
  };

  auto settings = std::make_unique<SettingsStore>();
  for (const auto& [section, key, value] : m_settings) {
    const bool number = !value.empty() && value.find_first_not_of("-0123456789") == std::string::npos;
    if (number)
      settings->WriteProfileInt(section, key, std::stoi(value));
    else
      settings->WriteProfileString(section, key, value);
  }
  auto host = std::make_unique<Host>(std::move(backend), std::move(settings));
  host->onEvent = [this](const std::string& event) { Print(event); };
  if (AudioDevice* audio = host->Audio())
    audio->SetPlayObserver([this](const PlayRecord& record) { Print(DescribePlay(record)); });
  if (m_seed) host->Random().Seed(*m_seed);

  AppOptions appOptions;
  appOptions.splashFile = m_splash.empty() ? std::filesystem::path("/nonexistent/splash.bmp") : m_splash;
  Print("start");
  appOptions.script = this;
  m_app = std::make_unique<CQuintaroApp>(std::move(host), appOptions);
  if (!m_app->InitInstance()) Finish(1);
  m_app->Run();
}

std::optional<DWORD> ScenarioDriver::Feed(DWORD now) {
  if (!m_app) return std::nullopt;  // still starting up: the script resumes once the loop runs
  while (m_pc < m_script.commands.size()) {
    if (m_waiting) {
      if (static_cast<std::int32_t>(now - m_resumeAt) < 0) return m_resumeAt;
      m_waiting = false;
    }
    // The program takes the input just posted before the next command runs.
    if (m_sync && m_app->GetHost().QueuedCount() > 0) return now;
    m_sync = false;
    const ScriptCommand& cmd = m_script.commands[m_pc++];
    if (!Execute(cmd)) m_sync = true;
  }
  if (m_sync && m_app->GetHost().QueuedCount() > 0) return now;
  Finish(0);
}

void ScenarioDriver::PostMouse(UINT message, int x, int y) {
  Host& host = m_app->GetHost();
  UINT flags = m_buttons | (m_shift ? MK_SHIFT : 0u) | (m_ctrl ? MK_CONTROL : 0u);
  host.PostMouse(message, host.ViewRect().left + x, host.ViewRect().top + y, flags);
}

bool ScenarioDriver::Execute(const ScriptCommand& cmd) {
  Host& host = m_app->GetHost();
  const auto& a = cmd.args;
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
  if (n == "down") { m_buttons |= MK_LBUTTON; PostMouse(WM_LBUTTONDOWN, cmd.Int(0), cmd.Int(1)); return false; }
  if (n == "up") { m_buttons &= ~MK_LBUTTON; PostMouse(WM_LBUTTONUP, cmd.Int(0), cmd.Int(1)); return false; }
  if (n == "rdown") { m_buttons |= MK_RBUTTON; PostMouse(WM_RBUTTONDOWN, cmd.Int(0), cmd.Int(1)); return false; }
  if (n == "rup") { m_buttons &= ~MK_RBUTTON; PostMouse(WM_RBUTTONUP, cmd.Int(0), cmd.Int(1)); return false; }
  if (n == "move") { PostMouse(WM_MOUSEMOVE, cmd.Int(0), cmd.Int(1)); return false; }
  if (n == "click") {
    m_buttons |= MK_LBUTTON;
    PostMouse(WM_LBUTTONDOWN, cmd.Int(0), cmd.Int(1));
    m_buttons &= ~MK_LBUTTON;
    PostMouse(WM_LBUTTONUP, cmd.Int(0), cmd.Int(1));
    return false;
  }
  if (n == "key") {
    const bool down = a.size() == 1 || a[0] == "down";
    const bool up = a.size() == 1 || a[0] == "up";
    const UINT vk = static_cast<UINT>(std::stoi(a.back()));
    if (down) host.PostKey(WM_KEYDOWN, vk);
    if (up) host.PostKey(WM_KEYUP, vk);
    if (vk == VK_SHIFT) m_shift = down && !up;
    if (vk == VK_CONTROL) m_ctrl = down && !up;
    return false;
  }
  if (n == "menu") {
    const UINT id = static_cast<UINT>(cmd.Int(0));
    if (!m_app->Frame().IsCommandEnabled(id)) {
      Print("menu " + std::to_string(id) + " disabled");
      return true;
    }
    host.PostMessage(host.FrameWindow(), WM_COMMAND, id, 0);
    return false;
  }
  if (n == "expect") { Expect(cmd); return true; }
  if (n == "state") { Print("state " + StateJson()); return true; }
  if (n == "shot") {
    Surface32 image;
    host.ComposeForDisplay(image);
    std::error_code ec;
    std::filesystem::create_directories(m_shotsDir, ec);
    if (!SavePng(m_shotsDir / (a[0] + ".png"), image)) std::cerr << "cannot save " << a[0] << ".png\n";
    return true;
  }
  if (n == "quit") { host.PostClose(); return false; }
  Malformed(cmd, "unknown command");
}

void ScenarioDriver::Expect(const ScriptCommand& cmd) {
  const std::string& what = cmd.args[0];
  const std::string& want = cmd.args[1];
  std::string actual;
  if (what == "status") actual = m_app->Frame().StatusText();
  else if (what == "cursor") actual = std::to_string(m_backend->CursorId());
  else actual = std::to_string(m_app->Doc().m_nGameType);
  if (actual == want) return;
  m_expectFailed = true;
  Print("expect failed line " + std::to_string(cmd.line) + ": " + what + " is " +
        (what == "status" ? Quote(actual) : actual) + ", expected " + (what == "status" ? Quote(want) : want));
}

std::string ScenarioDriver::StateJson() {
  std::string json = m_app->Doc().StateJson();
  json.pop_back();  // the closing brace
  return json + ",\"status\":" + Quote(m_app->Frame().StatusText()) +
         ",\"cursor\":" + std::to_string(m_backend->CursorId()) + "}";
}

std::optional<int> ScenarioDriver::AnswerMessageBox(const std::string&, const std::string&, UINT) {
  if (m_answers.empty()) return std::nullopt;
  const std::string word = m_answers.front();
  m_answers.pop_front();
  return ButtonId(word);
}

std::optional<int> ScenarioDriver::RunDialog(int dialogId, DialogController& dialog) {
  auto it = m_dialogs.find(dialogId);
  if (it == m_dialogs.end() || it->second.empty()) return std::nullopt;
  const std::vector<std::string> actions = it->second.front();
  it->second.pop_front();
  for (std::size_t i = 0; i < actions.size();) {
    const std::string& verb = actions[i];
    if (verb == "ok") return IDOK;
    if (verb == "cancel") return IDCANCEL;
    const int ctrl = std::stoi(actions[i + 1]);
    if (verb == "click") {
      dialog.Click(ctrl);
      i += 2;
    } else if (verb == "check") {
      dialog.Check(ctrl, std::stoi(actions[i + 2]));
      i += 3;
    } else if (verb == "text") {
      dialog.Text(ctrl, actions[i + 2]);
      i += 3;
    } else {
      dialog.Track(ctrl, std::stoi(actions[i + 2]));
      i += 3;
    }
    if (dialog.IsClosed()) return std::nullopt;
  }
  return IDCANCEL;
}
