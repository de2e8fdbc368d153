// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool bar: raised 23 x 22 buttons with 16 x 15 pictures, separators
// between groups, pressed, checked and disabled looks. It reports which
// button the pointer is over (for tool tips and status prompts) and which
// command a click chose; its owner posts the command.
#include <span>
#include <vector>

#include "platform/surface.h"
#include "ui/cmd_ui.h"

inline constexpr int kToolBarHeight = 27;
inline constexpr int kToolButtonWidth = 23;
inline constexpr int kToolButtonHeight = 22;
inline constexpr int kToolSeparatorWidth = 8;
inline constexpr int kToolBarLeft = 4;   // first button's offset
inline constexpr int kToolButtonTop = 3; // below the etched line at the top

struct ToolButton {
  UINT id = 0;   // 0: a separator
  int image = -1;
  CRect rect;    // surface coordinates
  bool enabled = true;
  bool checked = false;
};

// The picture `b` shows: the Sound button shows its muted speaker while
// sound is off (the button unchecked), when the strip has that picture.
int ShownToolImage(const ToolButton& b, const Surface32& strip);

class CToolBar {
 public:
  explicit CToolBar(std::span<const UINT> buttons);

  void SetImages(Surface32 strip) { m_images = std::move(strip); }
  // Places the buttons inside `barRect` (surface coordinates).
  void Layout(const CRect& barRect);
  const CRect& Rect() const { return m_rect; }
  const std::vector<ToolButton>& Buttons() const { return m_buttons; }
  // Index of the button (not a separator) under `p`, or -1.
  int HitTest(CPoint p) const;
  // Asks the hook about every button; true when a look changed.
  bool UpdateStates(const UpdateCommandHook& hook);

  // Mouse, in surface coordinates. A press on an enabled button holds it
  // down; the release over the same button returns its command (else 0).
  bool OnButtonDown(CPoint p);
  void OnMouseMove(CPoint p);
  UINT OnButtonUp(CPoint p);
  bool Tracking() const { return m_pressed >= 0; }

  void Draw(SurfaceView surface) const;

 private:
  std::vector<ToolButton> m_buttons;
  Surface32 m_images;
  CRect m_rect;
  int m_pressed = -1;     // button held by the mouse
  bool m_pressedIn = false;  // the pointer is still over it
};
