// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog.h"

#include <algorithm>

#include "res/resource_ids.h"
#include "ui/ddx.h"
#include "ui/edit_logic.h"
#include "ui/message_box.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"
#include "ui/window_frame.h"

std::string ButtonName(int id) {
  switch (id) {
    case IDOK: return "ok";
    case IDCANCEL: return "cancel";
    case IDABORT: return "abort";
    case IDRETRY: return "retry";
    case IDIGNORE: return "ignore";
    case IDYES: return "yes";
    case IDNO: return "no";
    default: return std::to_string(id);
  }
}

std::string QuoteForReport(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') { out += "\\n"; continue; }
    out += c;
  }
  return out + "\"";
}

CDialog::CDialog(const DialogTemplate& tmpl) : CDialog(LayoutDialog(tmpl)) {}

CDialog::CDialog(DialogLayout layout)
    : m_id(layout.id), m_caption(std::move(layout.caption)), m_client(layout.client),
      m_controls(std::move(layout.controls)) {}

CDialog::~CDialog() = default;

// --- Running ----------------------------------------------------------------

void CDialog::Create(Host& host, ModalScript* script) {
  m_pHost = &host;
  m_pScript = script;
  m_closed = false;
  m_result = 0;
  const SIZE size = FrameWindowSize(m_client);
  const Surface32& surface = host.WindowSurface();
  const int x = std::max(0, (surface.Width() - static_cast<int>(size.cx)) / 2);
  const int y = std::max(0, (surface.Height() - static_cast<int>(size.cy)) / 2);
  m_window = CRect(x, y, x + size.cx, y + size.cy);
  for (const DialogControl& c : m_controls) {
    if (c.kind != ControlKind::Icon || m_icons.count(c.iconId)) continue;
    CursorImage image;
    if (CursorImage::Parse(host.Resources().Find(ResKind::Icon, c.iconId), &image)) m_icons[c.iconId] = std::move(image);
  }
  m_focus = -1;
  // Unless OnInitDialog placed the focus itself, the first tab stop gets it
  // (in a radio group, its checked button, now that the values are loaded).
  if (OnInitDialog()) SetFocusIndex(NextTabStop(-1, false), true);
  MarkDirty();
}

int CDialog::DoModal(Host& host, ModalScript* script) {
  Create(host, script);
  ReportOpened();
  bool unscripted = false;
  if (script) unscripted = RunScripted(*script);
  else RunLoop(host);
  ReportClosed(unscripted);
  return m_result;
}

bool CDialog::RunScripted(ModalScript& script) {
  bool unscripted = false;
  const std::optional<int> answer = script.RunDialog(static_cast<int>(m_id), *this);
  if (!m_closed) {
    if (!answer) {
      unscripted = true;
      OnCancel();
    } else if (*answer == IDCANCEL) {
      OnCancel();
    } else {
      const int index = IndexOf(*answer);
      if (index >= 0) ClickIndex(index);
      else if (*answer == IDOK) OnOK();
    }
    // A script cannot correct what validation refused: the dialog is cancelled.
    if (!m_closed) EndDialog(IDCANCEL);
  }
  HideScripted();
  return unscripted;
}

void CDialog::RunLoop(Host& host) {
  OverlayLayer layer(host);
  m_layer = &layer;
  const HWND hwnd = host.CreateWindow([this](const MSG& msg) -> LRESULT {
    HandleMessage(msg);
    return 0;
  });
  if (m_refreshMs) host.SetTimer(hwnd, 1, m_refreshMs);
  Present();
  FollowTextField();
  const bool running = RunModalLoop(
      host, hwnd,
      [this](const MSG& msg) {
        HandleMessage(msg);
        if (!m_closed) Present();
        FollowTextField();
      },
      [this] { return m_closed; });
  if (!running && !m_closed) EndDialog(IDCANCEL);
  FollowTextField();
  host.DestroyWindow(hwnd);
  m_layer = nullptr;
  layer.Close();
}

void CDialog::ReportOpened() {
  if (m_pHost) m_pHost->Report("dialog " + std::to_string(m_id) + " opened");
}

void CDialog::ReportClosed(bool unscripted) {
  if (!m_pHost) return;
  m_pHost->Report("dialog " + std::to_string(m_id) + " closed " + ButtonName(m_result) +
                  (unscripted ? " unscripted" : ""));
}

void CDialog::Present() {
  if (!m_layer || !m_dirty) return;
  Surface32 image;
  Render(image);
  m_layer->Blit(image, m_window.TopLeft());
  m_dirty = false;
}

void CDialog::EndDialog(int result) {
  m_result = result;
  m_closed = true;
}

int CDialog::MessageBox(std::string_view text, std::string_view caption, UINT type) {
  if (!m_pHost) return IDCANCEL;
  const int answer = ShowMessageBox(*m_pHost, m_pScript, text, caption, type);
  MarkDirty();
  return answer;
}

// --- Hooks -------------------------------------------------------------------

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnCommand(int, UINT) {}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnKeyDown(UINT) { return false; }

void CDialog::OnDrawClient(SurfaceView) const {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  MarkDirty();
  return dx.Failed() ? FALSE : TRUE;
}

// --- Messages ----------------------------------------------------------------

void CDialog::HandleMessage(const MSG& msg) {
  if (m_closed) return;
  switch (msg.message) {
    case WM_TIMER:
      OnRefresh();
      return;
    case WM_KEYDOWN:
      if (msg.wParam == VK_SHIFT) m_shift = true;
      else if (msg.wParam == VK_CONTROL) m_ctrl = true;
      else OnKey(static_cast<UINT>(msg.wParam), false);
      return;
    case WM_SYSKEYDOWN:
      OnKey(static_cast<UINT>(msg.wParam), true);
      return;
    case WM_KEYUP:
      if (msg.wParam == VK_SHIFT) m_shift = false;
      if (msg.wParam == VK_CONTROL) m_ctrl = false;
      if (msg.wParam == VK_SPACE && m_spaceDown) {
        m_spaceDown = false;
        const int pressed = m_pressed;
        m_pressed = -1;
        MarkDirty();
        if (pressed == m_focus) ClickIndex(pressed);
      }
      return;
    case WM_CHAR:
      if (m_focus >= 0) {
        DialogControl& c = m_controls[static_cast<std::size_t>(m_focus)];
        if (c.kind == ControlKind::Edit && EditTypeChar(c.edit, static_cast<char32_t>(msg.wParam)))
          NotifyChange(m_focus, EN_CHANGE);
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      OnMouse(msg);
      return;
    default:
      return;
  }
}
