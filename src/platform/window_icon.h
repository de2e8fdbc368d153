// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's icon at several sizes, in the form X11 desktops read it
// (_NET_WM_ICON): for each image its width, its height, then its pixels as
// ARGB, each in one 32-bit cardinal (held in an unsigned long, as Xlib wants).
#include <span>
#include <vector>

#include "platform/resources.h"

std::vector<unsigned long> NetWmIconData(std::span<const CursorImage> images);

// The icon resources `firstId` .. `firstId + count - 1`; those missing or
// unreadable are left out.
std::vector<CursorImage> LoadIcons(const ResourceTable& resources, UINT firstId, int count);
