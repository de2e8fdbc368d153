// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Accelerators 128: key combinations that post a command to the frame.
#include <span>

#include "platform/types.h"

// Modifier flags with their classic values.
inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;

inline constexpr UINT VK_INSERT = 0x2D;
inline constexpr UINT VK_F6 = 0x75;
inline constexpr UINT VK_F10 = 0x79;
inline constexpr UINT VK_F11 = 0x7A;

struct AccelDef {
  BYTE fVirt = FVIRTKEY;  // FVIRTKEY plus the modifiers that must be held
  UINT key = 0;           // virtual key code
  UINT cmd = 0;           // command posted with WM_COMMAND
};

std::span<const AccelDef> MainAccelerators();
