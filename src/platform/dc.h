// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing context over the window, in the classic style the score displays
// use: pen, brush, text colour, background colour and mode, a font, and
// rectangles, lines and text. Coordinates are those of the window the context
// was made for (the view: playfield pixels). Colours that are not palette
// indices map to the nearest system-palette entry on a palette display.
#include <string_view>

#include "platform/font.h"
#include "platform/rect.h"
#include "platform/surface.h"
#include "platform/types.h"

class Host;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

// A font choice: cell height in pixels and weight (face is always the sans).
struct CFont {
  int height = 16;
  int weight = FW_NORMAL;
  BOOL CreateFont(int nHeight, int /*nWidth*/, int /*nEscapement*/, int /*nOrientation*/, int nWeight,
                  BYTE /*italic*/ = 0, BYTE /*underline*/ = 0, BYTE /*strikeOut*/ = 0, BYTE /*charSet*/ = 0,
                  BYTE /*outPrecision*/ = 0, BYTE /*clipPrecision*/ = 0, BYTE /*quality*/ = 0,
                  BYTE /*pitchAndFamily*/ = 0, const char* /*face*/ = "Arial") {
    height = nHeight < 0 ? -nHeight * 1149 / 1000 : nHeight;
    weight = nWeight;
    return TRUE;
  }
  const FontAtlas& Atlas() const { return GetFont(weight >= 600, height == 0 ? 16 : height); }
};

class CDC {
 public:
  // A context over the view window (playfield coordinates).
  explicit CDC(Host& host);
  // A context over any rectangle of the window surface, with its own origin.
  CDC(Host& host, const CRect& areaOnSurface);
  // Shows what was drawn.
  ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  COLORREF SetTextColor(COLORREF color);
  COLORREF SetBkColor(COLORREF color);
  int SetBkMode(int mode);
  // Pen for outlines and lines; `null` draws no outline.
  void SelectPen(COLORREF color, int width = 1, bool null = false);
  // Brush for rectangle interiors; `null` leaves them unfilled.
  void SelectBrush(COLORREF color, bool null = false);
  void SelectFont(const CFont& font) { m_font = font; }
  void SelectFont(bool bold, int height) { m_font.height = height; m_font.weight = bold ? FW_BOLD : FW_NORMAL; }

  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void FillSolidRect(const RECT& r, COLORREF color);
  void MoveTo(int x, int y) { m_pen.x = x; m_pen.y = y; }
  // Draws from the current position up to (not including) (x, y).
  void LineTo(int x, int y);
  void SetPixel(int x, int y, COLORREF color);
  // Text with its cell's top-left at (x, y); in OPAQUE mode the cell is
  // filled with the background colour first.
  void TextOut(int x, int y, std::string_view text);
  // Single-line text placed in `rect` by DT_ flags; returns the text height.
  int DrawText(std::string_view text, const RECT& rect, UINT format);
  SIZE GetTextExtent(std::string_view text) const;

  // The 0x00RRGGBB pixel a colour reference shows as on this display.
  std::uint32_t Resolve(COLORREF color) const;

  // The window surface, to draw within `drawnOnSurface` (surface pixels,
  // inside Area()): that part is shown at the next frame. The context's
  // origin is the area's top-left. For blits of whole images.
  SurfaceView Target(const CRect& drawnOnSurface) const;
  const CRect& Area() const { return m_area; }
  CPoint Origin() const { return m_origin; }
  Host& GetHost() const { return m_host; }

 private:
  // Fills `r` (context coordinates) clipped to the area with a resolved pixel.
  void Fill(const CRect& r, std::uint32_t pixel);
  void Plot(int x, int y, std::uint32_t pixel, int width);
  void DrawLine(int x, int y, std::string_view text, const FontAtlas& font, const CRect& clipOnSurface);

  Host& m_host;
  CRect m_area;     // on the surface, clipped to it
  CPoint m_origin;  // the context's (0, 0) on the surface
  CPoint m_pen;
  CFont m_font;
  COLORREF m_text = RGB(0, 0, 0);
  COLORREF m_bk = RGB(255, 255, 255);
  int m_bkMode = OPAQUE;
  COLORREF m_penColor = RGB(0, 0, 0);
  int m_penWidth = 1;
  bool m_nullPen = false;
  COLORREF m_brush = RGB(255, 255, 255);
  bool m_nullBrush = false;
};
