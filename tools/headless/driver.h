// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the whole program on the headless backend and follows a scenario
// script: input at virtual times, scripted dialog and message-box answers,
// expectations, state dumps and screenshots. Prints the transcript.
#include <array>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/settings.h"
#include "script.h"
#include "ui/modal_script.h"

class CQuintaroApp;
class Host;
class HeadlessBackend;

class ScenarioDriver : public ModalScript {
 public:
  ScenarioDriver(Script script, std::filesystem::path shotsDir, std::ostream& out);
  ~ScenarioDriver() override;

  // Runs the script; returns the exit code of the contract (0 all held, 1 an
  // expectation failed, 2 a malformed command, or the program's own code).
  int Run();

  // How a run ends: by default the process exits with the code. A caller
  // that runs many scripts in one process (the fuzzer) unwinds instead; the
  // handler must not return.
  void SetEndHandler(std::function<void(int code)> end) { m_end = std::move(end); }
  // Ends the run, as the script's end does, once this much virtual time has passed.
  void SetTimeLimit(DWORD ms) { m_timeLimit = ms; }
  // Without the network the program offers no online play (a fuzzer's runs
  // must not reach out to hosts its scripts name).
  void SetNetwork(bool on) { m_network = on; }
  // Where the script goes on once its commands are spent: `more` appends
  // commands and returns false when there are none to come. The transcript
  // is flushed before each call, so a caller at the other end of a pipe sees
  // what its last commands did before it decides on the next.
  void SetFollow(std::function<bool(Script&)> more) { m_more = std::move(more); }
  // Called with the program's host at every present, where a screen would
  // show the window.
  void WatchPresents(std::function<void(const Host&)> watch) { m_watchPresents = std::move(watch); }

  std::optional<int> AnswerMessageBox(const std::string& caption, const std::string& text, UINT type) override;
  std::optional<int> RunMessageBox(const std::string& caption, const std::string& text, UINT type,
                                   DialogController& box) override;
  std::optional<int> RunDialog(int dialogId, DialogController& dialog) override;

 private:
  using Actions = std::vector<std::string>;

  bool Configure(const ScriptCommand& cmd);
  void Start();
  void StartOnce();
  struct RestartSignal {};
  // Gives the program a working directory of its own holding the scripted
  // splash picture; without one it runs where the driver was started.
  void PrepareWorkingDirectory();
  // Executes the commands that are due; returns when the script waits.
  std::optional<DWORD> Feed(DWORD now);
  // True when a command is left to run, asking the follow source when the script is spent.
  bool CommandsLeft();
  // Executes one command after start; false when it posted input the program
  // should see before the next command runs.
  bool Execute(const ScriptCommand& cmd);
  bool ExecuteInput(const ScriptCommand& cmd);
  // `online ...`: false when the program should take what it posted first.
  bool ExecuteOnline(const ScriptCommand& cmd);
  // While an `online wait` lasts: the next virtual tick to run to, or
  // nothing once the wait is over (or has given up).
  std::optional<DWORD> OnlineWaitStep(DWORD now);
  // With a dialog open in a room: the real network runs while its time passes.
  std::optional<DWORD> OnlineModalStep(DWORD now);
  bool OnlineWaitOver();
  // `,"online":{...}` for the state dump while in a room, else nothing.
  std::string OnlineStateJson();
  void PostMouse(UINT message, int x, int y);
  void Expect(const ScriptCommand& cmd);
  // `expect state KEY VALUE`: the first KEY of the state dump has VALUE.
  void ExpectStateValue(const ScriptCommand& cmd);
  std::string StateJson();
  // Prints the state dump and remembers it (and the one before) for `expect states equal`.
  void PrintState();
  // `window blur|focus|minimise|restore`: the desktop's doings, through the backend.
  void ReportWindow(const std::string& what);
  void PrintSettings();
  void SaveShot(const std::string& name);
  // `replay save NAME` and `replay open NAME`, in the shots directory.
  void Replay(const std::string& verb, const std::string& name);
  // Runs a queued list of actions on an open dialog or message box; returns
  // the index of the closing word, or nullopt when the actions ended it.
  std::optional<std::size_t> RunModalActions(int dialogId, const Actions& actions, DialogController& modal);
  void Print(const std::string& event);
  [[noreturn]] void Finish(int programCode);
  [[noreturn]] void Malformed(const ScriptCommand& cmd, const std::string& reason);
  [[noreturn]] void End(int code);

  Script m_script;
  std::filesystem::path m_shotsDir;
  std::ostream& m_out;
  std::size_t m_pc = 0;
  DWORD m_resumeAt = 0;
  bool m_waiting = false;
  bool m_sync = false;
  bool m_expectFailed = false;  // or a screenshot could not be saved: the run ends with 1
  bool m_exitPrinted = false;
  bool m_inModal = false;  // a script's dialog or message box is open: the script waits
  std::array<std::optional<std::string>, 2> m_lastStates;  // the two state dumps printed last
  std::function<void(int)> m_end;
  std::optional<DWORD> m_timeLimit;
  std::function<bool(Script&)> m_more;
  std::function<void(const Host&)> m_watchPresents;

  // Configuration.
  DWORD m_startTick = 1000;
  std::int64_t m_epoch = 0;
  int m_displayBits = 8;
  std::string m_language = "en";  // held for the whole run (`language CODE`)
  bool m_sound = true;
  std::filesystem::path m_splash;
  std::filesystem::path m_workDir;  // the program's own, when a splash file is given
  std::optional<std::uint32_t> m_seed;
  struct Setting {
    std::string section, key, value;
    bool text;  // written in quotes: a string, even when it reads like a number
  };
  std::vector<Setting> m_settings;

  // Scripted answers.
  std::deque<Actions> m_answers;
  std::map<int, std::deque<Actions>> m_dialogs;
  UINT m_buttons = 0;  // mouse buttons held (MK_ flags)
  bool m_shift = false;
  bool m_ctrl = false;

  HeadlessBackend* m_backend = nullptr;  // owned by the host
  std::unique_ptr<CQuintaroApp> m_app;
  bool m_restart = false;  // the close under way is a `restart`
  bool m_network = true;
  std::optional<std::string> m_onlineWait;  // what an `online` command waits for
  int m_onlineWaitLine = 0;
  std::chrono::steady_clock::time_point m_onlineGiveUp;
  std::optional<SettingsStore::Values> m_carried;  // the settings a restart keeps
};
