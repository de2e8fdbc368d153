// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/web_page.h"

// Implemented in quintaro_page.js.
extern "C" {
void quintaro_page_open(int w, int h);
void quintaro_page_set_surface_size(int w, int h);
void quintaro_page_put(const std::uint8_t* rgba, int sw, int sh, int x, int y, int w, int h);
void quintaro_page_set_zoom(int zoom, int fullscreen);
double quintaro_page_now_ms();
double quintaro_page_wall_seconds();
void quintaro_page_wait(int ms);
void quintaro_page_set_cursor(const std::uint32_t* argb, int w, int h, int hotX, int hotY, int id);
void quintaro_page_set_title(const char* text);
void quintaro_page_set_icon(const std::uint32_t* argb, int w, int h);
int quintaro_page_usable_width();
int quintaro_page_usable_height();
void quintaro_page_show_ended(int code);
void quintaro_page_set_text_field(int x, int y, int w, int h);
}

namespace web_page {

void Open(int surfaceWidth, int surfaceHeight) { quintaro_page_open(surfaceWidth, surfaceHeight); }
void SetSurfaceSize(int width, int height) { quintaro_page_set_surface_size(width, height); }
void Put(const std::uint8_t* rgba, int surfaceWidth, int surfaceHeight, int x, int y, int w, int h) {
  quintaro_page_put(rgba, surfaceWidth, surfaceHeight, x, y, w, h);
}
void SetZoom(int zoom, bool fullscreen) { quintaro_page_set_zoom(zoom, fullscreen ? 1 : 0); }
double NowMs() { return quintaro_page_now_ms(); }
double WallSeconds() { return quintaro_page_wall_seconds(); }
void Wait(int ms) { quintaro_page_wait(ms); }
void SetCursor(const std::uint32_t* argb, int width, int height, int hotX, int hotY, int id) {
  quintaro_page_set_cursor(argb, width, height, hotX, hotY, id);
}
void SetTitle(const char* utf8) { quintaro_page_set_title(utf8); }
void SetIcon(const std::uint32_t* argb, int width, int height) { quintaro_page_set_icon(argb, width, height); }
int UsableWidth() { return quintaro_page_usable_width(); }
int UsableHeight() { return quintaro_page_usable_height(); }
void ShowEnded(int code) { quintaro_page_show_ended(code); }
void SetTextField(int x, int y, int width, int height) { quintaro_page_set_text_field(x, y, width, height); }

}  // namespace web_page
