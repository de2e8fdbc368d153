// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-pane status line: a sunken pane with bold 14-pixel text. It holds
// the program's text and, for a while, a prompt shown in its place (the
// fly-by help of a tool-bar button or a highlighted menu command).
#include <optional>
#include <string>

#include "platform/surface.h"

inline constexpr int kStatusBarHeight = 20;

class CStatusBar {
 public:
  void SetRect(const CRect& r) { m_rect = r; }
  const CRect& Rect() const { return m_rect; }
  // True when the text changed.
  bool SetText(const std::string& text);
  const std::string& Text() const { return m_text; }
  // A prompt shown instead of the text; nullopt brings the text back.
  bool SetPrompt(std::optional<std::string> prompt);
  const std::string& Shown() const { return m_prompt ? *m_prompt : m_text; }
  CRect PaneRect() const;
  void Draw(SurfaceView surface) const;

 private:
  CRect m_rect;
  std::string m_text;
  std::optional<std::string> m_prompt;
};
