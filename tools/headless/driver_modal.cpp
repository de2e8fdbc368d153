// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted dialogs and message boxes: the queued actions run while the
// dialog is open; time may pass and screenshots may be taken meanwhile.
#include "driver.h"
#include "res/resource_ids.h"

namespace {

std::optional<int> ButtonId(const std::string& word) {
  if (word == "ok") return IDOK;
  if (word == "cancel") return IDCANCEL;
  if (word == "yes") return IDYES;
  if (word == "no") return IDNO;
  return std::nullopt;
}

int IntAt(const std::vector<std::string>& words, std::size_t i) { return ScriptCommand::ParseInt(words[i]).value_or(0); }

// While the actions run, the rest of the script waits for the dialog.
class ModalScope {
 public:
  explicit ModalScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
  ~ModalScope() { m_flag = m_was; }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  bool& m_flag;
  bool m_was;
};

}  // namespace

std::optional<std::size_t> ScenarioDriver::RunModalActions(int dialogId, const Actions& actions,
                                                          DialogController& modal) {
  ModalScope scope(m_inModal);
  for (std::size_t i = 0; i < actions.size();) {
    const std::string& verb = actions[i];
    if (ButtonId(verb)) return i;
    if (verb == "wait") {
      modal.Wait(static_cast<DWORD>(IntAt(actions, i + 1)));
    } else if (verb == "shot") {
      modal.Show();
      SaveShot(actions[i + 1]);
    } else if (verb == "state") {
      PrintState();
    } else if (verb == "enabled") {
      const std::optional<bool> enabled = modal.ControlEnabled(IntAt(actions, i + 1));
      Print("dialog " + std::to_string(dialogId) + " control " + actions[i + 1] + " " +
            (!enabled ? "missing" : *enabled ? "enabled" : "disabled"));
    } else if (verb == "click") {
      modal.Click(IntAt(actions, i + 1));
    } else if (verb == "check") {
      modal.Check(IntAt(actions, i + 1), IntAt(actions, i + 2));
    } else if (verb == "text") {
      modal.Text(IntAt(actions, i + 1), actions[i + 2]);
    } else if (verb == "track") {
      modal.Track(IntAt(actions, i + 1), IntAt(actions, i + 2));
    }
    const bool twoArgs = verb == "check" || verb == "text" || verb == "track";
    i += verb == "state" ? 1 : twoArgs ? 3 : 2;
    if (modal.IsClosed()) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<int> ScenarioDriver::AnswerMessageBox(const std::string&, const std::string&, UINT) {
  if (m_answers.empty()) return std::nullopt;
  const Actions answer = m_answers.front();
  m_answers.pop_front();
  return ButtonId(answer.back());
}

std::optional<int> ScenarioDriver::RunMessageBox(const std::string&, const std::string&, UINT,
                                                 DialogController& box) {
  if (m_answers.empty()) return std::nullopt;
  const Actions answer = m_answers.front();
  m_answers.pop_front();
  const std::optional<std::size_t> closing = RunModalActions(0, answer, box);
  return closing ? ButtonId(answer[*closing]) : std::nullopt;
}

std::optional<int> ScenarioDriver::RunDialog(int dialogId, DialogController& dialog) {
  auto it = m_dialogs.find(dialogId);
  if (it == m_dialogs.end() || it->second.empty()) return std::nullopt;
  const Actions actions = it->second.front();
  it->second.pop_front();
  const std::optional<std::size_t> closing = RunModalActions(dialogId, actions, dialog);
  // A button of the dialog that closed it has answered already.
  if (!closing) return dialog.IsClosed() ? std::nullopt : std::optional<int>(IDCANCEL);
  return ButtonId(actions[*closing]);
}
