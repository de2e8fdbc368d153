#include "ui/help_window.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/glyphs.h"
#include "ui/help_text.h"
#include "ui/modal_loop.h"
#include "ui/overlay_layer.h"
#include "ui/paint.h"
#include "ui/ui_colors.h"
#include "ui/ui_text.h"
#include "ui/window_frame.h"

using namespace ui_color;

namespace {

constexpr SIZE kClient{520, 378};
constexpr int kMargin = 8;
constexpr int kScrollBarWidth = 16;
constexpr int kTextMargin = 10;
constexpr int kBulletIndent = 16;
constexpr int kLineGap = 2;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kWheelLines = 3;
constexpr std::uint32_t kHeadingColor = ToPixel(0, 0, 128);

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

CHelpWindow::CHelpWindow(Host& host) : m_host(host) {}

void CHelpWindow::Create() {
  const SIZE size = FrameWindowSize(kClient);
  const Surface32& surface = m_host.WindowSurface();
  const int x = std::max(0, (surface.Width() - static_cast<int>(size.cx)) / 2);
  const int y = std::max(0, (surface.Height() - static_cast<int>(size.cy)) / 2);
  m_window = CRect(x, y, x + size.cx, y + size.cy);
  m_closed = false;
  m_scroll = 0;
  LayoutText();
}

// --- Geometry -----------------------------------------------------------------

CRect CHelpWindow::PaneRect() const {
  const int left = m_window.left + kFrameClientLeft + kMargin;
  const int top = m_window.top + kFrameClientTop + kMargin;
  return {left, top, left + kClient.cx - 2 * kMargin, top + kClient.cy - 3 * kMargin - kButtonHeight};
}

CRect CHelpWindow::CloseButtonRect() const {
  const int right = m_window.left + kFrameClientLeft + kClient.cx - kMargin;
  const int bottom = m_window.top + kFrameClientTop + kClient.cy - kMargin;
  return {right - kButtonWidth, bottom - kButtonHeight, right, bottom};
}

CRect CHelpWindow::UpArrowRect() const {
  const CRect pane = PaneRect();
  return {pane.right - 2 - kScrollBarWidth, pane.top + 2, pane.right - 2, pane.top + 2 + kScrollBarWidth};
}

CRect CHelpWindow::DownArrowRect() const {
  const CRect pane = PaneRect();
  return {pane.right - 2 - kScrollBarWidth, pane.bottom - 2 - kScrollBarWidth, pane.right - 2, pane.bottom - 2};
}

int CHelpWindow::TroughTop() const { return UpArrowRect().bottom; }
int CHelpWindow::TroughBottom() const { return DownArrowRect().top; }

int CHelpWindow::PageSize() const { return PaneRect().Height() - 4; }

int CHelpWindow::MaxScroll() const { return std::max(0, m_contentHeight - PageSize()); }

CRect CHelpWindow::ThumbRect() const {
  const int trough = TroughBottom() - TroughTop();
  const int page = PageSize();
  const int total = std::max(m_contentHeight, page);
  const int length = std::clamp(trough * page / std::max(total, 1), 8, trough);
  const int travel = trough - length;
  const int max = MaxScroll();
  const int top = TroughTop() + (max > 0 ? travel * m_scroll / max : 0);
  const CRect up = UpArrowRect();
  return {up.left, top, up.right, top + length};
}

void CHelpWindow::ScrollTo(int pos) { m_scroll = std::clamp(pos, 0, MaxScroll()); }

// --- Text ---------------------------------------------------------------------------

void CHelpWindow::LayoutText() {
  m_lines.clear();
  const FontAtlas& body = UiFont();
  const FontAtlas& heading = GetFont(true, 18);
  const FontAtlas& subheading = UiBoldFont();
  const int width = PaneRect().Width() - 4 - kScrollBarWidth - 2 * kTextMargin;
  int y = kTextMargin;
  bool first = true;
  const std::string_view text = HelpText();
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) {
      if (!first) y += 6;  // paragraph gap
      if (end == text.size()) break;
      continue;
    }
    const FontAtlas* font = &body;
    std::uint32_t color = kText;
    std::string_view content = line;
    int indent = 0;
    bool bullet = false;
    if (StartsWith(line, "# ")) {
      font = &heading;
      color = kHeadingColor;
      content = line.substr(2);
      if (!first) y += 8;
    } else if (StartsWith(line, "## ")) {
      font = &subheading;
      content = line.substr(3);
      if (!first) y += 4;
    } else if (StartsWith(line, "- ")) {
      content = line.substr(2);
      indent = kBulletIndent;
      bullet = true;
    }
    first = false;
    bool firstRow = true;
    for (const std::string& row : WrapText(*font, content, width - indent)) {
      m_lines.push_back({font, row, kTextMargin + indent, y, color, bullet && firstRow});
      y += font->cellHeight + kLineGap;
      firstRow = false;
    }
    if (font == &heading) y += 4;
    if (end == text.size()) break;
  }
  m_contentHeight = y + kTextMargin;
}

// --- Input -----------------------------------------------------------------------------

void CHelpWindow::OnMouse(const MSG& msg) {
  const CPoint p(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  m_mouse = p;
  const int lineStep = UiFont().cellHeight + kLineGap;
  CRect closeBox = FrameCloseBox(m_window.Width());
  closeBox.OffsetRect(m_window.left, m_window.top);
  switch (msg.message) {
    case WM_LBUTTONDOWN: {
      if (CloseButtonRect().PtInRect(p)) { m_closePressed = true; return; }
      if (closeBox.PtInRect(p)) { m_captionClose = true; return; }
      if (UpArrowRect().PtInRect(p)) { ScrollTo(m_scroll - lineStep); return; }
      if (DownArrowRect().PtInRect(p)) { ScrollTo(m_scroll + lineStep); return; }
      const CRect thumb = ThumbRect();
      if (thumb.PtInRect(p)) {
        m_dragThumb = true;
        m_dragOffset = p.y - thumb.top;
        return;
      }
      if (p.x >= thumb.left && p.x < thumb.right && p.y >= TroughTop() && p.y < TroughBottom())
        ScrollTo(m_scroll + (p.y < thumb.top ? -PageSize() : PageSize()));
      return;
    }
    case WM_MOUSEMOVE:
      if (m_dragThumb) {
        const CRect thumb = ThumbRect();
        const int travel = (TroughBottom() - TroughTop()) - thumb.Height();
        if (travel > 0) ScrollTo((p.y - m_dragOffset - TroughTop()) * MaxScroll() / travel);
      }
      return;
    case WM_LBUTTONUP:
      if (m_closePressed && CloseButtonRect().PtInRect(p)) m_closed = true;
      if (m_captionClose && closeBox.PtInRect(p)) m_closed = true;
      m_closePressed = m_captionClose = m_dragThumb = false;
      return;
    case WM_MOUSEWHEEL: {
      const int delta = static_cast<std::int16_t>(HIWORD(static_cast<DWORD>(msg.wParam)));
      ScrollTo(m_scroll - delta / 120 * kWheelLines * lineStep);
      return;
    }
    default:
      return;
  }
}

void CHelpWindow::HandleMessage(const MSG& msg) {
  if (m_closed) return;
  const int lineStep = UiFont().cellHeight + kLineGap;
  switch (msg.message) {
    case WM_KEYDOWN:
      switch (msg.wParam) {
        case VK_ESCAPE:
        case VK_RETURN: m_closed = true; break;
        case VK_UP: ScrollTo(m_scroll - lineStep); break;
        case VK_DOWN: ScrollTo(m_scroll + lineStep); break;
        case VK_PRIOR: ScrollTo(m_scroll - (PageSize() - lineStep)); break;
        case VK_NEXT:
        case VK_SPACE: ScrollTo(m_scroll + (PageSize() - lineStep)); break;
        case VK_HOME: ScrollTo(0); break;
        case VK_END: ScrollTo(MaxScroll()); break;
        default: break;
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
      OnMouse(msg);
      return;
    default:
      return;
  }
}

// --- Drawing ------------------------------------------------------------------------------

void CHelpWindow::Render(Surface32& out) const {
  out.Resize(m_window.Width(), m_window.Height());
  SurfaceView window = out.View();
  CRect closeBox = FrameCloseBox(m_window.Width());
  closeBox.OffsetRect(m_window.left, m_window.top);
  DrawWindowFrame(window, "Quintaro Games Help",
                  m_captionClose && closeBox.PtInRect(m_mouse) ? CloseBoxState::Pressed : CloseBoxState::Normal);
  auto local = [&](CRect r) {
    r.OffsetRect(-m_window.left, -m_window.top);
    return r;
  };
  // The pane: a sunken white page with the scroll bar inside its edge.
  const CRect pane = local(PaneRect());
  DrawSunkenEdge(window, pane);
  const CRect page(pane.left + 2, pane.top + 2, pane.right - 2 - kScrollBarWidth, pane.bottom - 2);
  FillRect(window, page, kWindow);
  for (const Line& line : m_lines) {
    const int y = page.top + line.y - m_scroll;
    if (y + line.font->cellHeight < page.top || y >= page.bottom) continue;
    DrawTextAt(window, page, *line.font, page.left + line.x, y, line.text, line.color);
    if (line.bullet) {
      const int by = y + line.font->ascent - 5;
      FillRect(window, CRect(page.left + line.x - 10, by, page.left + line.x - 6, by + 4) , kText);
    }
  }
  // The scroll bar.
  const CRect up = local(UpArrowRect()), down = local(DownArrowRect());
  FillDither(window, {up.left, up.bottom, up.right, down.top}, kHighlight, kFace);
  const bool canScroll = MaxScroll() > 0;
  for (const CRect& r : {up, down}) DrawButtonFrame(window, r, ButtonLook::Raised, false);
  const std::uint32_t arrow = canScroll ? kText : kShadow;
  DrawUpArrow(window, up.left + (up.Width() - 7) / 2, up.top + (up.Height() - 4) / 2, arrow);
  DrawDownArrow(window, down.left + (down.Width() - 7) / 2, down.top + (down.Height() - 4) / 2, arrow);
  if (canScroll) DrawButtonFrame(window, local(ThumbRect()), ButtonLook::Raised, false);
  // The Close button, the default one.
  const CRect button = local(CloseButtonRect());
  const bool pressed = m_closePressed && CloseButtonRect().PtInRect(m_mouse);
  DrawButtonFrame(window, button, pressed ? ButtonLook::Pressed : ButtonLook::Raised, true);
  const FontAtlas& font = UiFont();
  const int tx = button.left + (button.Width() - TextWidth(font, "Close")) / 2 + (pressed ? 1 : 0);
  const int ty = button.top + (button.Height() - font.cellHeight) / 2 + (pressed ? 1 : 0);
  DrawTextAt(window, button, font, tx, ty, "Close", kText);
}

void CHelpWindow::RunModal() {
  OverlayLayer layer(m_host);
  const HWND hwnd = m_host.CreateWindow([this](const MSG& msg) -> LRESULT {
    HandleMessage(msg);
    return 0;
  });
  Surface32 image;
  Render(image);
  layer.Blit(image, m_window.TopLeft());
  RunModalLoop(
      m_host, hwnd,
      [&](const MSG& msg) {
        HandleMessage(msg);
        if (m_closed) return;
        Render(image);
        layer.Blit(image, m_window.TopLeft());
      },
      [this] { return m_closed; });
  m_host.DestroyWindow(hwnd);
  layer.Close();
}

void RunHelpWindow(Host& host, bool scripted) {
  if (scripted) {
    host.Report("help shown");
    return;
  }
  CHelpWindow help(host);
  help.Create();
  help.RunModal();
}
