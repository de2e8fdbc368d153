// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pictures of the chrome, drawn from pixel maps or shapes: check
// marks, radio buttons, check boxes, arrows, the caption's close cross and
// the message-box icons.
#include <cstdint>

#include "platform/surface.h"

inline constexpr int kRadioSize = 12;
inline constexpr int kCheckBoxSize = 13;
inline constexpr int kMessageIconSize = 32;

// 7 x 7 tick with its top-left at (x, y).
void DrawCheckMark(SurfaceView dst, int x, int y, std::uint32_t color);
void DrawRadioButtonGlyph(SurfaceView dst, int x, int y, bool checked, bool enabled, bool pressed);
void DrawCheckBoxGlyph(SurfaceView dst, int x, int y, bool checked, bool enabled, bool pressed);
// 4 x 7 triangle pointing right (submenus).
void DrawRightArrow(SurfaceView dst, int x, int y, std::uint32_t color);
// 7 x 4 triangle pointing up or down (scroll bars).
void DrawUpArrow(SurfaceView dst, int x, int y, std::uint32_t color);
void DrawDownArrow(SurfaceView dst, int x, int y, std::uint32_t color);
// 8 x 7 cross (the caption's close button).
void DrawCloseCross(SurfaceView dst, int x, int y, std::uint32_t color);

enum class MessageIcon { None, Question, Exclamation, Information, Stop };
// 32 x 32 icon with its top-left at (x, y), drawn over what is there.
void DrawMessageIcon(SurfaceView dst, int x, int y, MessageIcon icon);
// An ARGB picture (icons, cursors) blended over the surface.
void BlendArgb(SurfaceView dst, int x, int y, const std::uint32_t* argb, int width, int height);
