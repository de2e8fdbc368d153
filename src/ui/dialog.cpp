#include "ui/dialog.h"

#include <algorithm>
#include <cctype>

#include "res/resource_ids.h"
#include "ui/control_draw.h"
#include "ui/ddx.h"
#include "ui/edit_logic.h"
#include "ui/message_box.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"
#include "ui/trackbar_logic.h"
#include "ui/ui_text.h"
#include "ui/window_frame.h"

namespace {

bool IsLetterOrDigit(UINT vk) { return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'); }

bool IsRadio(const DialogControl& c) { return c.kind == ControlKind::RadioButton; }

}  // namespace

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
  if (script) {
    const std::optional<int> answer = script->RunDialog(static_cast<int>(m_id), *this);
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
  } else {
    OverlayLayer layer(host);
    m_layer = &layer;
    const HWND hwnd = host.CreateWindow([this](const MSG& msg) -> LRESULT {
      HandleMessage(msg);
      return 0;
    });
    Present();
    const bool running = RunModalLoop(
        host, hwnd,
        [this](const MSG& msg) {
          HandleMessage(msg);
          if (!m_closed) Present();
        },
        [this] { return m_closed; });
    if (!running && !m_closed) EndDialog(IDCANCEL);
    host.DestroyWindow(hwnd);
    m_layer = nullptr;
    layer.Close();
  }
  ReportClosed(unscripted);
  return m_result;
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

// --- Controls ------------------------------------------------------------------

int CDialog::IndexOf(int id) const {
  for (std::size_t i = 0; i < m_controls.size(); ++i)
    if (m_controls[i].id == id) return static_cast<int>(i);
  return -1;
}

DialogControl* CDialog::GetDlgItem(int id) {
  const int i = IndexOf(id);
  return i < 0 ? nullptr : &m_controls[static_cast<std::size_t>(i)];
}

const DialogControl* CDialog::GetDlgItem(int id) const {
  const int i = IndexOf(id);
  return i < 0 ? nullptr : &m_controls[static_cast<std::size_t>(i)];
}

void CDialog::EnableDlgItem(int id, BOOL enable) {
  DialogControl* c = GetDlgItem(id);
  if (!c || c->enabled == (enable != FALSE)) return;
  c->enabled = enable != FALSE;
  if (!c->enabled && m_focus == IndexOf(id)) {
    // The focus never stays on a disabled control.
    const int next = NextTabStop(m_focus, false);
    SetFocusIndex(next == m_focus ? -1 : next, false);
  }
  MarkDirty();
}

BOOL CDialog::IsDlgItemEnabled(int id) const {
  const DialogControl* c = GetDlgItem(id);
  return c && c->enabled ? TRUE : FALSE;
}

void CDialog::CheckDlgButton(int id, int check) {
  if (DialogControl* c = GetDlgItem(id)) {
    c->check = check;
    MarkDirty();
  }
}

int CDialog::IsDlgButtonChecked(int id) const {
  const DialogControl* c = GetDlgItem(id);
  return c ? c->check : 0;
}

void CDialog::CheckRadioButton(int first, int last, int checkId) {
  for (DialogControl& c : m_controls)
    if (c.id >= first && c.id <= last) c.check = c.id == checkId ? 1 : 0;
  MarkDirty();
}

int CDialog::GetCheckedRadioButton(int first, int last) const {
  for (const DialogControl& c : m_controls)
    if (c.id >= first && c.id <= last && c.check) return c.id;
  return 0;
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
  DialogControl* c = GetDlgItem(id);
  if (!c) return;
  if (c->kind == ControlKind::Edit) EditSetText(c->edit, text);
  else c->text = text;
  MarkDirty();
}

std::string CDialog::GetDlgItemText(int id) const {
  const DialogControl* c = GetDlgItem(id);
  if (!c) return {};
  return c->kind == ControlKind::Edit ? c->edit.text : c->text;
}

void CDialog::LimitText(int id, int chars) {
  if (DialogControl* c = GetDlgItem(id)) EditSetLimit(c->edit, chars);
}

void CDialog::SetTrackRange(int id, int min, int max) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetRange(c->track, min, max);
    MarkDirty();
  }
}

void CDialog::SetTrackPos(int id, int pos) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetPos(c->track, pos);
    MarkDirty();
  }
}

int CDialog::GetTrackPos(int id) const {
  const DialogControl* c = GetDlgItem(id);
  return c ? c->track.pos : 0;
}

void CDialog::SetTrackTic(int id, int pos) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetTic(c->track, pos);
    MarkDirty();
  }
}

void CDialog::SetTrackTicFreq(int id, int freq) {
  if (DialogControl* c = GetDlgItem(id)) {
    TrackSetTicFreq(c->track, freq);
    MarkDirty();
  }
}

void CDialog::SetTrackPageSize(int id, int size) {
  if (DialogControl* c = GetDlgItem(id)) TrackSetPageSize(c->track, size);
}

void CDialog::GotoDlgCtrl(int id) {
  const int i = IndexOf(id);
  if (i >= 0 && m_controls[static_cast<std::size_t>(i)].CanFocus()) SetFocusIndex(i, true);
}

int CDialog::GetFocusId() const { return m_focus < 0 ? 0 : m_controls[static_cast<std::size_t>(m_focus)].id; }

// --- Focus and groups ------------------------------------------------------------

void CDialog::SetFocusIndex(int index, bool selectAll) {
  m_focus = index;
  if (index >= 0) {
    DialogControl& c = m_controls[static_cast<std::size_t>(index)];
    if (c.kind == ControlKind::Edit && selectAll) EditSelectAll(c.edit);
  }
  MarkDirty();
}

int CDialog::GroupStart(int index) const {
  while (index > 0 && !(m_controls[static_cast<std::size_t>(index)].style & WS_GROUP)) --index;
  return index;
}

int CDialog::GroupEnd(int index) const {
  const int n = static_cast<int>(m_controls.size());
  ++index;
  while (index < n && !(m_controls[static_cast<std::size_t>(index)].style & WS_GROUP)) ++index;
  return index;
}

int CDialog::NextTabStop(int from, bool backwards) const {
  const int n = static_cast<int>(m_controls.size());
  if (n == 0) return -1;
  // A radio group is one tab stop: Tab lands on its checked button.
  auto target = [&](int i) -> int {
    const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
    if (!IsRadio(c)) return (c.CanFocus() && (c.style & WS_TABSTOP)) ? i : -1;
    const int start = GroupStart(i), end = GroupEnd(i);
    bool anyTab = false;
    for (int j = start; j < end; ++j) anyTab = anyTab || (m_controls[static_cast<std::size_t>(j)].style & WS_TABSTOP);
    if (!anyTab || i != start) return -1;  // visit the group once, at its start
    for (int j = start; j < end; ++j) {
      const DialogControl& r = m_controls[static_cast<std::size_t>(j)];
      if (IsRadio(r) && r.check && r.CanFocus()) return j;
    }
    for (int j = start; j < end; ++j)
      if (m_controls[static_cast<std::size_t>(j)].CanFocus()) return j;
    return -1;
  };
  int i = from < 0 ? (backwards ? 0 : n - 1) : from;
  // From inside a radio group, step from its start so the group counts once.
  if (from >= 0 && IsRadio(m_controls[static_cast<std::size_t>(from)]) && !backwards) i = GroupEnd(from) - 1;
  if (from >= 0 && IsRadio(m_controls[static_cast<std::size_t>(from)]) && backwards) i = GroupStart(from);
  for (int step = 0; step < n; ++step) {
    i = backwards ? (i - 1 + n) % n : (i + 1) % n;
    const int t = target(i);
    if (t >= 0) return t;
  }
  return from;
}

int CDialog::NextInGroup(int index, bool backwards, bool radiosOnly) const {
  const int start = GroupStart(index), end = GroupEnd(index);
  const int n = end - start;
  int i = index;
  for (int step = 0; step < n; ++step) {
    i = start + ((i - start + (backwards ? n - 1 : 1)) % n);
    const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
    if (c.CanFocus() && (!radiosOnly || IsRadio(c))) return i;
  }
  return index;
}

int CDialog::DefaultButtonIndex() const {
  for (std::size_t i = 0; i < m_controls.size(); ++i)
    if (m_controls[i].kind == ControlKind::DefPushButton) return static_cast<int>(i);
  return IndexOf(IDOK);
}

// --- Clicking ------------------------------------------------------------------------

void CDialog::ClickIndex(int index) {
  if (index < 0 || m_closed) return;
  DialogControl& c = m_controls[static_cast<std::size_t>(index)];
  if (!c.enabled || !c.visible) return;
  switch (c.kind) {
    case ControlKind::CheckBox:
      c.check = c.check ? 0 : 1;
      break;
    case ControlKind::RadioButton: {
      const int start = GroupStart(index), end = GroupEnd(index);
      for (int j = start; j < end; ++j) {
        DialogControl& r = m_controls[static_cast<std::size_t>(j)];
        if (IsRadio(r)) r.check = j == index ? 1 : 0;
      }
      break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      break;
    default:
      return;
  }
  MarkDirty();
  if (c.id == IDOK && c.IsPushButton()) OnOK();
  else if (c.id == IDCANCEL && c.IsPushButton()) OnCancel();
  else OnCommand(c.id, BN_CLICKED);
}

void CDialog::NotifyChange(int index, UINT code) {
  MarkDirty();
  OnCommand(m_controls[static_cast<std::size_t>(index)].id, code);
}

void CDialog::ActivateMnemonic(char key) {
  const int n = static_cast<int>(m_controls.size());
  const int from = std::max(m_focus, 0);
  for (int step = 1; step <= n; ++step) {
    const int i = (from + step) % n;
    const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
    if (!c.visible || c.kind == ControlKind::Edit || c.kind == ControlKind::TrackBar) continue;
    if ((c.style & SS_NOPREFIX) || MnemonicKey(c.text) != key) continue;
    if (c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox) {
      // A label hands the focus to the control that follows it.
      for (int k = 1; k < n; ++k) {
        const int j = (i + k) % n;
        if (m_controls[static_cast<std::size_t>(j)].CanFocus()) {
          SetFocusIndex(j, true);
          return;
        }
      }
      return;
    }
    if (!c.enabled) continue;
    SetFocusIndex(i, false);
    ClickIndex(i);
    return;
  }
}

// --- Keyboard ----------------------------------------------------------------------------

void CDialog::OnKey(UINT vk, bool alt) {
  if (alt) {
    if (IsLetterOrDigit(vk)) ActivateMnemonic(static_cast<char>(vk));
    return;
  }
  if (OnKeyDown(vk) || m_closed) return;
  DialogControl* focus = m_focus >= 0 ? &m_controls[static_cast<std::size_t>(m_focus)] : nullptr;
  switch (vk) {
    case VK_TAB:
      SetFocusIndex(NextTabStop(m_focus, m_shift), true);
      return;
    case VK_RETURN: {
      if (focus && focus->IsPushButton()) ClickIndex(m_focus);
      else if (const int def = DefaultButtonIndex(); def >= 0) ClickIndex(def);
      else OnOK();
      return;
    }
    case VK_ESCAPE:
      if (CanCancel()) OnCancel();
      return;
    case VK_SPACE:
      if (focus && focus->IsButtonLike()) {
        m_spaceDown = true;
        m_pressed = m_focus;
        MarkDirty();
      }
      return;
    default:
      break;
  }
  if (!focus) return;
  if (focus->kind == ControlKind::Edit) {
    if (m_ctrl && OnEditShortcut(m_focus, vk)) return;
    bool handled = false;
    if (EditKey(focus->edit, vk, m_shift, &handled)) NotifyChange(m_focus, EN_CHANGE);
    else if (handled) MarkDirty();
    return;
  }
  if (focus->kind == ControlKind::TrackBar) {
    bool moved = false;
    TrackKey(focus->track, vk, &moved);
    if (moved) NotifyChange(m_focus, TB_CHANGED);
    return;
  }
  const bool back = vk == VK_LEFT || vk == VK_UP;
  if (back || vk == VK_RIGHT || vk == VK_DOWN) {
    const int next = NextInGroup(m_focus, back, IsRadio(*focus));
    if (next != m_focus) {
      SetFocusIndex(next, false);
      // Arrows in a radio group check what they move to.
      if (IsRadio(m_controls[static_cast<std::size_t>(next)])) ClickIndex(next);
    }
    return;
  }
  if (IsLetterOrDigit(vk)) ActivateMnemonic(static_cast<char>(vk));
}

// --- Mouse -----------------------------------------------------------------------------------

int CDialog::HitTest(CPoint p) const {
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    const DialogControl& c = m_controls[i];
    if (!c.visible || !c.rect.PtInRect(p)) continue;
    if (c.IsButtonLike() || c.kind == ControlKind::Edit || c.kind == ControlKind::TrackBar)
      return static_cast<int>(i);
  }
  return -1;
}

void CDialog::OnMouse(const MSG& msg) {
  const CPoint surface(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  const CRect client = ClientRect();
  const CPoint p(surface.x - client.left, surface.y - client.top);
  const int hit = HitTest(p);
  m_mousePoint = p;
  switch (msg.message) {
    case WM_LBUTTONDOWN: {
      m_mouseDown = true;
      if (CloseBoxRect().PtInRect(surface)) {
        if (CanCancel()) {
          m_closePressed = m_closeHeld = true;
          MarkDirty();
        }
        return;
      }
      if (hit < 0) return;
      DialogControl& c = m_controls[static_cast<std::size_t>(hit)];
      if (!c.enabled) return;
      SetFocusIndex(hit, false);
      if (c.kind == ControlKind::Edit) {
        c.edit.caret = c.edit.anchor = EditHitTest(c, p.x);
        if (IsDoubleClick(hit, p, msg.time)) EditSelectWord(c.edit, c.edit.caret);
        m_pressed = hit;
      } else if (c.kind == ControlKind::TrackBar) {
        const TrackGeometry g = TrackLayout(c.rect, c.track, c.style);
        if (g.thumb.PtInRect(p)) {
          m_dragThumb = true;
          m_dragOffset = p.x - TrackPosToX(g, c.track, c.track.pos);
          m_pressed = hit;
        } else {
          bool moved = false;
          TrackKey(c.track, p.x < g.thumb.left ? VK_PRIOR : VK_NEXT, &moved);
          if (moved) NotifyChange(hit, TB_CHANGED);
        }
      } else {
        m_pressed = hit;
      }
      MarkDirty();
      return;
    }
    case WM_MOUSEMOVE: {
      if (!m_mouseDown) return;
      if (m_closePressed) {
        const bool inside = CloseBoxRect().PtInRect(surface);
        if (inside != m_closeHeld) {
          m_closeHeld = inside;
          MarkDirty();
        }
        return;
      }
      if (m_pressed < 0) return;
      DialogControl& c = m_controls[static_cast<std::size_t>(m_pressed)];
      if (c.kind == ControlKind::Edit) {
        const int caret = EditHitTest(c, p.x);
        if (caret != c.edit.caret) {
          c.edit.caret = caret;
          MarkDirty();
        }
      } else if (c.kind == ControlKind::TrackBar && m_dragThumb) {
        const TrackGeometry g = TrackLayout(c.rect, c.track, c.style);
        const int pos = TrackXToPos(g, c.track, p.x - m_dragOffset);
        if (pos != c.track.pos) {
          TrackSetPos(c.track, pos);
          NotifyChange(m_pressed, TB_CHANGED);
        }
      } else {
        MarkDirty();  // the pressed look follows the pointer
      }
      return;
    }
    case WM_LBUTTONUP: {
      m_mouseDown = false;
      if (m_closePressed) {
        const bool inside = CloseBoxRect().PtInRect(surface);
        m_closePressed = m_closeHeld = false;
        MarkDirty();
        if (inside) OnCancel();
        return;
      }
      const int pressed = m_pressed;
      m_pressed = -1;
      m_dragThumb = false;
      MarkDirty();
      if (pressed < 0) return;
      const DialogControl& c = m_controls[static_cast<std::size_t>(pressed)];
      if (c.IsButtonLike() && c.rect.PtInRect(p)) ClickIndex(pressed);
      return;
    }
    default:
      return;
  }
}

void CDialog::HandleMessage(const MSG& msg) {
  if (m_closed) return;
  switch (msg.message) {
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

// --- Drawing -----------------------------------------------------------------------------------

CRect CDialog::ClientRect() const {
  return {m_window.left + kFrameClientLeft, m_window.top + kFrameClientTop,
          m_window.left + kFrameClientLeft + m_client.cx, m_window.top + kFrameClientTop + m_client.cy};
}

CRect CDialog::CloseBoxRect() const {
  CRect r = FrameCloseBox(m_window.Width());
  r.OffsetRect(m_window.left, m_window.top);
  return r;
}

CRect CDialog::ControlRect(int id) const {
  const DialogControl* c = GetDlgItem(id);
  if (!c) return {};
  CRect r = c->rect;
  const CRect client = ClientRect();
  r.OffsetRect(client.left, client.top);
  return r;
}

void CDialog::Render(Surface32& out) const {
  out.Resize(m_window.Width(), m_window.Height());
  SurfaceView window = out.View();
  CloseBoxState box = CloseBoxState::Normal;
  if (!CanCancel()) box = CloseBoxState::Disabled;
  else if (m_closePressed && m_closeHeld) box = CloseBoxState::Pressed;
  DrawWindowFrame(window, m_caption, box);
  SurfaceView client{window.Row(kFrameClientTop) + kFrameClientLeft, static_cast<int>(m_client.cx),
                     static_cast<int>(m_client.cy), window.pitch};
  // The focused push button is the default one while it has the focus.
  const bool focusIsPush = m_focus >= 0 && m_controls[static_cast<std::size_t>(m_focus)].IsPushButton();
  const int def = DefaultButtonIndex();
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    const DialogControl& c = m_controls[i];
    ControlLook look;
    look.focused = static_cast<int>(i) == m_focus;
    look.pressed = static_cast<int>(i) == m_pressed && c.IsButtonLike() &&
                   (m_spaceDown || c.rect.PtInRect(m_mousePoint));
    if (c.IsPushButton()) look.defaultFrame = focusIsPush ? look.focused : static_cast<int>(i) == def;
    if (c.kind == ControlKind::Icon) {
      const auto it = m_icons.find(c.iconId);
      look.icon = it == m_icons.end() ? nullptr : &it->second;
    }
    DrawControl(client, c, look);
  }
  OnDrawClient(client);
}
