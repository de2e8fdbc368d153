// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page around the program: the canvas it draws to, the browser's clock,
// and the listeners that hand pointer, keyboard and focus events to
// web_events. Only the web backend calls these.
#include <cstdint>

namespace web_page {

// Finds the canvas, sizes it to the surface and starts listening.
void Open(int surfaceWidth, int surfaceHeight);
// The surface changed size (the chrome laid the window out anew).
void SetSurfaceSize(int width, int height);
// Copies the rectangle (x, y, w, h) of an RGBA image of the surface's size
// onto the canvas; only that area is sent to the browser.
void Put(const std::uint8_t* rgba, int surfaceWidth, int surfaceHeight, int x, int y, int w, int h);
// Integer zoom (0: as large as the page allows) and the page's full screen.
void SetZoom(int zoom, bool fullscreen);
// The browser's millisecond clock, and the wall clock in seconds.
double NowMs();
double WallSeconds();
// Sleeps up to `ms` (yielding to the browser), or until an event arrives.
void Wait(int ms);
// The pointer's image (ARGB, top-down) and hot spot; null pixels: the arrow.
void SetCursor(const std::uint32_t* argb, int width, int height, int hotX, int hotY, int id);
void SetTitle(const char* utf8);
// The page's icon, from a 32-bit ARGB image.
void SetIcon(const std::uint32_t* argb, int width, int height);
// The room the page gives the game, in CSS pixels.
int UsableWidth();
int UsableHeight();
// The text field with the keyboard, in surface pixels (0 wide: none): the
// page puts a real text input over it, so a phone shows its keyboard.
void SetTextField(int x, int y, int width, int height);
// The program has ended: the page says so and offers to start it again.
void ShowEnded(int code);

}  // namespace web_page
