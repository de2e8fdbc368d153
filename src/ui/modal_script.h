// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answering dialogs and message boxes without a user: when a script is
// installed, message boxes ask it for their answer and dialogs let it drive
// them through a DialogController instead of running their own loops.
#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

// What a script may do to an open dialog. Each action returns false when it
// could not be done (no such control, disabled, wrong kind, dialog closed).
class DialogController {
 public:
  virtual ~DialogController() = default;
  // A mouse click on the control (buttons, check boxes, radio buttons).
  virtual bool Click(int ctrl) = 0;
  // Checks (1) or clears (0) a check box or radio button, as clicks would.
  virtual bool Check(int ctrl, int value) = 0;
  // Replaces an edit field's text by typing `text` key by key, so the
  // field's length limit applies.
  virtual bool Text(int ctrl, std::string_view text) = 0;
  // Moves a track bar's thumb to `pos` (clamped to its range).
  virtual bool Track(int ctrl, int pos) = 0;
  // The dialog has closed (a clicked button ended it).
  virtual bool IsClosed() const = 0;
  // Whether the control takes input; nullopt when the dialog has no such control.
  virtual std::optional<bool> ControlEnabled(int ctrl) const = 0;
  // Puts the dialog on screen as it looks now, so a screenshot shows it.
  virtual void Show() = 0;
  // Lets `ms` of time pass with the dialog open and on screen; play stands
  // still behind it. False when the dialog closed or the program began to
  // quit meanwhile.
  virtual bool Wait(DWORD ms) = 0;
};

class ModalScript {
 public:
  virtual ~ModalScript() = default;
  // The button (IDOK, IDYES, ...) that answers this message box, or nullopt
  // to let it take its default button.
  virtual std::optional<int> AnswerMessageBox(const std::string& caption, const std::string& text, UINT type) = 0;
  // Drives an open message box (time may pass, it may be shown) and answers
  // it; by default only asks AnswerMessageBox.
  virtual std::optional<int> RunMessageBox(const std::string& caption, const std::string& text, UINT type,
                                           DialogController& /*box*/) {
    return AnswerMessageBox(caption, text, type);
  }
  // Drives the open dialog; returns IDOK or IDCANCEL to close it with that
  // button, or nullopt when nothing is scripted for it (it is cancelled).
  virtual std::optional<int> RunDialog(int dialogId, DialogController& dialog) = 0;
};
