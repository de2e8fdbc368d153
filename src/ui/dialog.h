// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog engine. A CDialog is made from a template (controls in dialog
// units), runs modally over the window in the overlay and returns the id of
// the button that closed it. Subclasses fill and read their controls in
// OnInitDialog / DoDataExchange, react to clicks and changes in OnCommand,
// and validate in OnOK, as classic dialogs do.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/resources.h"
#include "res/dialog_template.h"
#include "ui/dialog_units.h"
#include "ui/modal_script.h"

class CDataExchange;
class OverlayLayer;

// Notification codes handed to OnCommand.
inline constexpr UINT BN_CLICKED = 0;      // a button, check box or radio button was clicked
inline constexpr UINT EN_CHANGE = 0x0300;  // an edit's text changed
inline constexpr UINT TB_CHANGED = 0x0301; // a track bar's position changed

class CDialog : public DialogController {
 public:
  explicit CDialog(const DialogTemplate& tmpl);
  ~CDialog() override;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog and returns the id of the button that closed it. With a
  // script, the script drives it and no loop runs.
  int DoModal(Host& host, ModalScript* script = nullptr);

  // --- Controls, while the dialog is open --------------------------------
  DialogControl* GetDlgItem(int id);
  const DialogControl* GetDlgItem(int id) const;
  void EnableDlgItem(int id, BOOL enable);
  BOOL IsDlgItemEnabled(int id) const;
  void CheckDlgButton(int id, int check);
  int IsDlgButtonChecked(int id) const;
  // Checks `checkId` and clears the other radio buttons first..last.
  void CheckRadioButton(int first, int last, int checkId);
  // The checked radio button among first..last, or 0.
  int GetCheckedRadioButton(int first, int last) const;
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;
  void LimitText(int id, int chars);
  void SetTrackRange(int id, int min, int max);
  void SetTrackPos(int id, int pos);
  int GetTrackPos(int id) const;
  void SetTrackTic(int id, int pos);
  void SetTrackTicFreq(int id, int freq);
  void SetTrackPageSize(int id, int size);
  void GotoDlgCtrl(int id);
  int GetFocusId() const;
  // Moves data between controls and members through DoDataExchange. Saving
  // validates; false (and the dialog stays open) when validation fails.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  void EndDialog(int result);
  // A message box over this dialog, answered by the same script.
  int MessageBox(std::string_view text, std::string_view caption, UINT type);

  // --- Running without a loop (tests) ----------------------------------
  // Lays the dialog out centred in the window and runs OnInitDialog.
  void Create(Host& host, ModalScript* script = nullptr);
  // One message in window-surface coordinates (mouse) or a key.
  void HandleMessage(const MSG& msg);
  // The window as it looks now (frame, caption, controls).
  void Render(Surface32& out) const;
  CRect WindowRect() const { return m_window; }   // on the window surface
  CRect ClientRect() const;                       // on the window surface
  CRect CloseBoxRect() const;                     // on the window surface
  // A control's rectangle on the window surface.
  CRect ControlRect(int id) const;
  int Result() const { return m_result; }
  UINT DialogId() const { return m_id; }
  const std::vector<DialogControl>& Controls() const { return m_controls; }

  // --- DialogController ---------------------------------------------------
  bool Click(int ctrl) override;
  bool Check(int ctrl, int value) override;
  bool Text(int ctrl, std::string_view text) override;
  bool Track(int ctrl, int pos) override;
  bool IsClosed() const override { return m_closed; }
  std::optional<bool> ControlEnabled(int ctrl) const override;
  void Show() override;
  bool Wait(DWORD ms) override;

 protected:
  // A dialog laid out in pixels (message boxes).
  explicit CDialog(DialogLayout layout);

  // Default: UpdateData(FALSE). Return FALSE when focus was set here.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* pDX);
  // A control was clicked (BN_CLICKED) or changed (EN_CHANGE, TB_CHANGED).
  // IDOK and IDCANCEL clicks go to OnOK and OnCancel instead.
  virtual void OnCommand(int id, UINT code);
  // Every `ms` of real time while the dialog is up (after RefreshEvery).
  virtual void OnRefresh() {}
  // A dialog that shows what changes elsewhere (a room's seats) looks again this often.
  void RefreshEvery(UINT ms) { m_refreshMs = ms; }
  // Default: UpdateData(TRUE), then EndDialog(IDOK) when it validated.
  virtual void OnOK();
  virtual void OnCancel();
  // Whether Escape and the close box may cancel.
  virtual bool CanCancel() const { return true; }
  // Keys the dialog handles itself before the standard navigation.
  virtual bool OnKeyDown(UINT vk);
  // Extra drawing in the client area after the controls (message-box icons).
  virtual void OnDrawClient(SurfaceView client) const;
  // Transcript lines; message boxes report in their own words.
  virtual void ReportOpened();
  virtual void ReportClosed(bool unscripted);

  // Takes a scripted dialog off the screen again (after Show or Wait).
  void HideScripted();

  Host* m_pHost = nullptr;
  ModalScript* m_pScript = nullptr;

 private:
  // DoModal's two ways: the script answers (true when it did not), or the loop runs.
  bool RunScripted(ModalScript& script);
  void RunLoop(Host& host);
  int IndexOf(int id) const;
  void SetFocusIndex(int index, bool selectAll);
  int NextTabStop(int from, bool backwards) const;
  int GroupStart(int index) const;
  int GroupEnd(int index) const;  // one past the group's last control
  int NextInGroup(int index, bool backwards, bool radiosOnly) const;
  int DefaultButtonIndex() const;
  int HitTest(CPoint client) const;
  void ClickIndex(int index);
  void ActivateMnemonic(char key);
  void OnKey(UINT vk, bool alt);
  // Tab, Enter, Escape and Space, whatever has the focus; true when `vk` is one of them.
  bool OnDialogKey(UINT vk);
  // Any other key goes to the focused control.
  void OnFocusedControlKey(UINT vk);
  void OnMouse(const MSG& msg);
  void OnMouseDown(CPoint surface, CPoint client, int hit, DWORD time);
  // A press on a track bar: on the thumb it starts a drag, beside it it pages.
  void PressTrackBar(int index, CPoint client);
  void OnMouseMove(CPoint surface, CPoint client);
  void OnMouseUp(CPoint surface, CPoint client);
  // Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V in the edit field at `index`.
  bool OnEditShortcut(int index, UINT vk);
  // A press on the same control, close in time and place to the last one.
  bool IsDoubleClick(int index, CPoint p, DWORD time);
  void NotifyChange(int index, UINT code);
  void Present();
  // Tells the backend where the focused text field is (a phone's keyboard).
  void FollowTextField();
  void MarkDirty() { m_dirty = true; }

  UINT m_id = 0;
  std::string m_caption;
  SIZE m_client{};
  std::vector<DialogControl> m_controls;
  std::map<UINT, CursorImage> m_icons;
  CRect m_window;
  CRect m_textField;  // as last told to the backend
  int m_focus = -1;
  int m_pressed = -1;       // control held down by mouse or Space
  bool m_mouseDown = false;
  CPoint m_mousePoint;      // last pointer position, client coordinates
  bool m_closePressed = false;
  bool m_closeHeld = false;
  bool m_spaceDown = false;
  bool m_shift = false;
  bool m_ctrl = false;
  struct LastClick {
    int index = -1;
    CPoint point;
    DWORD time = 0;
  } m_lastClick;
  bool m_dragThumb = false;
  int m_dragOffset = 0;
  bool m_closed = false;
  int m_result = 0;
  bool m_dirty = true;
  UINT m_refreshMs = 0;
  OverlayLayer* m_layer = nullptr;  // while the dialog is on screen
  std::unique_ptr<OverlayLayer> m_scriptLayer;  // a scripted dialog shown on request
};

// The word a transcript uses for a button id ("ok", "cancel", "yes", ...).
std::string ButtonName(int id);
// Quotes a text for a transcript line: "...", with \" \\ and \n escaped.
std::string QuoteForReport(std::string_view text);
