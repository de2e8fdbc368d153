#pragma once
// Runs the whole program on the headless backend and follows a scenario
// script: input at virtual times, scripted dialog and message-box answers,
// expectations, state dumps and screenshots. Prints the transcript.
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>

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

  std::optional<int> AnswerMessageBox(const std::string& caption, const std::string& text, UINT type) override;
  std::optional<int> RunDialog(int dialogId, DialogController& dialog) override;

 private:
  bool Configure(const ScriptCommand& cmd);
  void Start();
  // Executes the commands that are due; returns when the script waits.
  std::optional<DWORD> Feed(DWORD now);
  // Executes one command after start; false when it posted input the program
  // should see before the next command runs.
  bool Execute(const ScriptCommand& cmd);
  void PostMouse(UINT message, int x, int y);
  void Expect(const ScriptCommand& cmd);
  std::string StateJson();
  void Print(const std::string& event);
  [[noreturn]] void Finish(int programCode);
  [[noreturn]] void Malformed(const ScriptCommand& cmd, const std::string& reason);

  Script m_script;
  std::filesystem::path m_shotsDir;
  std::ostream& m_out;
  std::size_t m_pc = 0;
  DWORD m_resumeAt = 0;
  bool m_waiting = false;
  bool m_sync = false;
  bool m_expectFailed = false;

  // Configuration.
  DWORD m_startTick = 1000;
  std::int64_t m_epoch = 0;
  int m_displayBits = 8;
  bool m_sound = true;
  std::filesystem::path m_splash;
  std::optional<std::uint32_t> m_seed;
  std::vector<std::tuple<std::string, std::string, std::string>> m_settings;

  // Scripted answers.
  std::deque<std::string> m_answers;
  std::map<int, std::deque<std::vector<std::string>>> m_dialogs;
  UINT m_buttons = 0;  // mouse buttons held (MK_ flags)
  bool m_shift = false;
  bool m_ctrl = false;

  HeadlessBackend* m_backend = nullptr;  // owned by the host
  std::unique_ptr<CQuintaroApp> m_app;
};
