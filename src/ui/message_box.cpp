// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/i18n.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/dialog.h"
#include "ui/glyphs.h"
#include "ui/ui_text.h"
#include "ui/window_frame.h"

namespace {

constexpr int kMargin = 12;
constexpr int kIconTextGap = 14;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 360;

struct ButtonSpec {
  int id;
  const char* text;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_YESNOCANCEL: return {{IDYES, N_("&Yes")}, {IDNO, N_("&No")}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, N_("&Yes")}, {IDNO, N_("&No")}};
    default: return {{IDOK, "OK"}};
  }
}

MessageIcon IconFor(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return MessageIcon::Stop;
    case MB_ICONQUESTION: return MessageIcon::Question;
    case MB_ICONEXCLAMATION: return MessageIcon::Exclamation;
    case MB_ICONINFORMATION: return MessageIcon::Information;
    default: return MessageIcon::None;
  }
}

struct MessageBoxGeometry {
  DialogLayout layout;
  CPoint iconAt;
};

// The buttons side by side, centred under the text; the type says which is the default.
void AddButtonRow(DialogLayout& layout, const std::vector<ButtonSpec>& buttons, UINT type, int buttonsTop,
                  int buttonsWidth) {
  const int defaultIndex = std::min<int>((type & MB_DEFMASK) >> 8, static_cast<int>(buttons.size()) - 1);
  int x = (static_cast<int>(layout.client.cx) - buttonsWidth) / 2;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    DialogControl b;
    b.kind = static_cast<int>(i) == defaultIndex ? ControlKind::DefPushButton : ControlKind::PushButton;
    b.id = buttons[i].id;
    b.text = Tr(buttons[i].text);
    b.style = WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
    b.rect = CRect(x, buttonsTop, x + kButtonWidth, buttonsTop + kButtonHeight);
    layout.controls.push_back(b);
    x += kButtonWidth + kButtonGap;
  }
}

MessageBoxGeometry LayoutMessageBox(std::string_view text, const std::string& caption, UINT type) {
  const FontAtlas& font = UiFont();
  const std::vector<ButtonSpec> buttons = ButtonsFor(type);
  const bool hasIcon = IconFor(type) != MessageIcon::None;
  const std::vector<std::string> lines = WrapText(font, text, kMaxTextWidth);
  int textWidth = 0;
  for (const std::string& line : lines) textWidth = std::max(textWidth, TextWidth(font, line));
  const int textHeight = static_cast<int>(lines.size()) * font.cellHeight;

  const int textLeft = hasIcon ? kMargin + kMessageIconSize + kIconTextGap : kMargin + 6;
  const int bodyHeight = std::max(hasIcon ? kMessageIconSize : 0, textHeight);
  const int textTop = kMargin + (bodyHeight - textHeight) / 2;
  const int buttonsTop = kMargin + bodyHeight + 14;
  const int buttonsWidth =
      static_cast<int>(buttons.size()) * kButtonWidth + static_cast<int>(buttons.size() - 1) * kButtonGap;
  const int captionWidth = TextWidth(UiBoldFont(), caption) + kCloseBoxWidth + 16;

  MessageBoxGeometry geometry;
  DialogLayout& layout = geometry.layout;
  layout.caption = caption;
  layout.client.cx = std::max({textLeft + textWidth + kMargin + 6, buttonsWidth + 2 * kMargin, captionWidth});
  layout.client.cy = buttonsTop + kButtonHeight + kMargin;
  geometry.iconAt = CPoint(kMargin, kMargin + (bodyHeight - kMessageIconSize) / 2);

  DialogControl label;
  label.kind = ControlKind::Static;
  label.text = std::string(text);
  label.style = SS_NOPREFIX;
  label.rect = CRect(textLeft, textTop, textLeft + textWidth + 1, textTop + textHeight);
  layout.controls.push_back(label);

  AddButtonRow(layout, buttons, type, buttonsTop, buttonsWidth);
  return geometry;
}

class CMessageBox : public CDialog {
 public:
  CMessageBox(std::string_view text, const std::string& caption, UINT type)
      : CMessageBox(LayoutMessageBox(text, caption, type), text, caption, type) {}

  int Run(Host& host, ModalScript* script) {
    if (!script) return DoModal(host, nullptr);
    Create(host, script);
    const std::optional<int> answer = script->RunMessageBox(m_caption, m_text, m_type, *this);
    HideScripted();
    const bool valid = answer && HasButton(*answer);
    const int result = valid ? *answer : DefaultAnswer();
    Report(result, !valid);
    return result;
  }

 protected:
  BOOL OnInitDialog() override {
    GotoDlgCtrl(DefaultId());
    return FALSE;
  }
  void OnCommand(int id, UINT code) override {
    if (code == BN_CLICKED) EndDialog(id);
  }
  void OnOK() override { EndDialog(IDOK); }
  void OnCancel() override {
    // A box with only OK is dismissed as OK; Yes/No must be answered.
    if (HasButton(IDCANCEL)) EndDialog(IDCANCEL);
    else if ((m_type & MB_TYPEMASK) == MB_OK) EndDialog(IDOK);
  }
  bool CanCancel() const override { return HasButton(IDCANCEL) || (m_type & MB_TYPEMASK) == MB_OK; }
  void OnDrawClient(SurfaceView client) const override {
    DrawMessageIcon(client, m_iconAt.x, m_iconAt.y, IconFor(m_type));
  }
  void ReportOpened() override {}
  void ReportClosed(bool unscripted) override { Report(Result(), unscripted); }

 private:
  CMessageBox(MessageBoxGeometry geometry, std::string_view text, const std::string& caption, UINT type)
      : CDialog(std::move(geometry.layout)), m_iconAt(geometry.iconAt), m_text(text), m_caption(caption),
        m_type(type) {}

  bool HasButton(int id) const {
    for (const ButtonSpec& b : ButtonsFor(m_type))
      if (b.id == id) return true;
    return false;
  }
  int DefaultId() const {
    const std::vector<ButtonSpec> buttons = ButtonsFor(m_type);
    const std::size_t i = std::min<std::size_t>((m_type & MB_DEFMASK) >> 8, buttons.size() - 1);
    return buttons[i].id;
  }
  int DefaultAnswer() const { return DefaultId(); }
  void Report(int result, bool unscripted) {
    if (!m_pHost) return;
    m_pHost->Report("msgbox " + QuoteForReport(m_caption) + " " + QuoteForReport(m_text) + " -> " +
                    ButtonName(result) + (unscripted ? " unscripted" : ""));
  }

  CPoint m_iconAt;
  std::string m_text;
  std::string m_caption;
  UINT m_type;
};

}  // namespace

int ShowMessageBox(Host& host, ModalScript* script, std::string_view text, std::string_view caption, UINT type) {
  const std::string title = caption.empty() ? std::string(LoadStringRes(AFX_IDS_APP_TITLE)) : TrShown(caption);
  CMessageBox box(TrShown(text), title, type);
  return box.Run(host, script);
}
