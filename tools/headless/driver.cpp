// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/quintaro_app.h"
#include "platform/audio_device.h"
#include "platform/i18n.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "platform/net/desktop_transport.h"

ScenarioDriver::ScenarioDriver(Script script, std::filesystem::path shotsDir, std::ostream& out)
    : m_script(std::move(script)), m_out(out) {
  // The program may run in a working directory of its own: shots still go
  // where the caller meant.
  std::error_code ec;
  m_shotsDir = std::filesystem::absolute(shotsDir, ec);
  if (ec) m_shotsDir = std::move(shotsDir);
}

ScenarioDriver::~ScenarioDriver() = default;

void ScenarioDriver::Print(const std::string& event) {
  const DWORD now = m_backend ? m_backend->Ticks() : m_startTick;
  m_out << "[" << now << "] " << event << "\n";
}

void ScenarioDriver::Finish(int programCode) {
  // However the run ends (quit, the script's end, a program with nothing left
  // to wait for), the transcript closes with the program's exit code.
  if (!m_exitPrinted) Print("exit " + std::to_string(programCode));
  m_exitPrinted = true;
  m_out.flush();
  std::fflush(stdout);
  if (!m_workDir.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(m_workDir, ec);
  }
  End(m_expectFailed && programCode == 0 ? 1 : programCode);
}

void ScenarioDriver::End(int code) {
  if (m_end) m_end(code);
  std::exit(code);
}

void ScenarioDriver::Malformed(const ScriptCommand& cmd, const std::string& reason) {
  std::cerr << "line " << cmd.line << ": " << reason << "\n";
  m_out.flush();
  End(2);
}

int ScenarioDriver::Run() {
  // Everything up to `start` configures the program; the rest runs inside it.
  while (m_pc < m_script.commands.size()) {
    const ScriptCommand& cmd = m_script.commands[m_pc++];
    if (cmd.name == "start") {
      PrepareWorkingDirectory();
      Start();  // runs the program; returns only if it ends its loop
      Finish(0);
    }
    if (!Configure(cmd)) Malformed(cmd, "'" + cmd.name + "' needs a running program (after start)");
  }
  return m_expectFailed ? 1 : 0;
}

bool ScenarioDriver::Configure(const ScriptCommand& cmd) {
  const auto& a = cmd.args;
  const std::string& n = cmd.name;
  if (n == "epoch") m_epoch = ScriptCommand::ParseInt64(a[0]).value_or(0);
  else if (n == "tick") m_startTick = static_cast<DWORD>(cmd.Int(0));
  else if (n == "setting") m_settings.push_back({a[0], a[1], a[2], cmd.quoted.size() == 3 && cmd.quoted[2]});
  else if (n == "display") m_displayBits = cmd.Int(0);
  else if (n == "language") m_language = a[0];
  else if (n == "nosound") m_sound = false;
  else if (n == "splash") m_splash = std::filesystem::absolute(a[0]);
  else if (n == "srand") m_seed = static_cast<std::uint32_t>(cmd.Int(0));
  else if (n == "answer") m_answers.push_back(a);
  else if (n == "dialog") m_dialogs[cmd.Int(0)].push_back({a.begin() + 1, a.end()});
  else return false;
  return true;
}

void ScenarioDriver::PrepareWorkingDirectory() {
  if (m_splash.empty()) return;
  namespace fs = std::filesystem;
  std::error_code ec;
  // A folder no one else can have made or chosen: only it is removed at the end.
  fs::path temp = fs::temp_directory_path(ec);
  if (ec) temp = "/tmp";
  std::string pattern = (temp / "quintaro-headless-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::cerr << "cannot make a working directory for the program: " << std::strerror(errno) << "\n";
    End(2);
  }
  m_workDir = pattern;
  fs::copy_file(m_splash, m_workDir / "splash.bmp", fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::current_path(m_workDir, ec);
  if (ec) {
    std::cerr << "cannot copy " << m_splash.string() << " into the program's working directory: " << ec.message()
              << "\n";
    fs::remove_all(m_workDir, ec);
    End(2);
  }
}

void ScenarioDriver::Start() {
  // `restart` closes the program as the close box does; its exit comes back
  // here, and the program starts again with the settings it left.
  for (;;) {
    try {
      StartOnce();
    } catch (const RestartSignal&) {
      const DWORD now = m_backend->Ticks();
      m_carried = m_app->GetHost().Settings().AllValues();
      m_app.reset();
      m_backend = nullptr;  // the host owned it
      m_restart = false;
      m_startTick = now;
      Print("restart");
      continue;
    }
  }
}

void ScenarioDriver::StartOnce() {
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
    if (m_restart && code == 0) throw RestartSignal{};
    Finish(code);
  };

  // Transcripts stay in English whatever the desktop's language, unless the
  // script asks for another.
  HoldLanguage(m_language);
  auto settings = std::make_unique<SettingsStore>();
  if (m_carried) {
    for (const auto& [section, keys] : *m_carried)
      for (const auto& [key, value] : keys) settings->WriteProfileString(section, key, value);
  } else {
    for (const Setting& s : m_settings) {
      if (s.text) settings->WriteProfileString(s.section, s.key, s.value);
      else settings->WriteProfileInt(s.section, s.key, ScriptCommand::ParseInt(s.value).value_or(0));
    }
  }
  auto host = std::make_unique<Host>(std::move(backend), std::move(settings));
  if (m_watchPresents) m_backend->onPresent = [this, shown = host.get()] { m_watchPresents(*shown); };
  host->onEvent = [this](const std::string& event) { Print(event); };
  if (AudioDevice* audio = host->Audio())
    audio->SetPlayObserver([this](const PlayRecord& record) { Print(DescribePlay(record)); });
  if (m_seed) host->Random().Seed(*m_seed);

  // The program looks for splash.bmp in its working directory, as a real start does.
  AppOptions appOptions;
  Print("start");
  appOptions.script = this;
  if (m_network) appOptions.netTransport = MakeDesktopTransport;
  m_app = std::make_unique<CQuintaroApp>(std::move(host), appOptions);
  if (!m_app->InitInstance()) Finish(1);
  Finish(m_app->Run());
}

std::optional<DWORD> ScenarioDriver::Feed(DWORD now) {
  if (!m_app) return std::nullopt;  // still starting up: the script resumes once the loop runs
  if (m_timeLimit && now - m_startTick >= *m_timeLimit) Finish(0);
  // A scripted dialog or message box lets time pass: the rest of the script waits for it.
  if (m_inModal) return OnlineModalStep(now);
  for (;;) {
    if (const auto step = OnlineWaitStep(now)) return step;
    if (m_waiting) {
      if (static_cast<std::int32_t>(now - m_resumeAt) < 0) return m_resumeAt;
      m_waiting = false;
    }
    // The program takes the input just posted before the next command runs
    // (or before the driver waits for the next line to follow).
    if (m_sync && m_app->GetHost().QueuedCount() > 0) return now;
    m_sync = false;
    if (!CommandsLeft()) break;
    const ScriptCommand& cmd = m_script.commands[m_pc++];
    if (!Execute(cmd)) m_sync = true;
  }
  Finish(0);
}

bool ScenarioDriver::CommandsLeft() {
  if (m_pc < m_script.commands.size()) return true;
  if (!m_more) return false;
  m_out.flush();
  std::fflush(stdout);
  while (m_pc >= m_script.commands.size())
    if (!m_more(m_script)) return false;
  return true;
}
