// OutTextXYWin32GUI: the bitmap font through glyph bitmaps made once per
// character code and direction, copied onto the surfaces with raster
// operations that leave the background of each cell untouched. Stroked
// fonts are drawn as the generic routine draws them.
#include <array>

#include "graphics/text.h"
#include "platform/gdi.h"
#include "runtime/checks.h"
#include "runtime/text_file.h"
#include "text/text_support.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

constexpr win32::COLORREF kInk = 0xFFFFFF;
constexpr win32::COLORREF kBlank = 0x000000;
// Destination AND NOT source: blackens the ink pixels of a cell.
constexpr win32::DWORD kBlackenInk = 0x00220326;
// Destination OR (pattern AND source): paints the ink pixels in the brush.
constexpr win32::DWORD kPaintInkWithBrush = 0x00EA02E9;
constexpr std::uint16_t kPureWhiteTextColor = 15;

// The switched-on surfaces in the order the text is copied onto them.
struct Surface {
  win32::HDC Dc = nullptr;
  win32::HBRUSH Brush = nullptr;
  win32::HGDIOBJ OldBrush = nullptr;
  win32::HRGN Clip = nullptr;
};

// Makes the glyph bitmap of `code`: white ink on black, upright for the
// horizontal cache, turned a quarter turn counter-clockwise for the
// vertical one. Null when the bitmap cannot be made.
win32::HBITMAP MakeGlyphBitmap(win32::HDC scratch, std::uint8_t code, bool vertical) {
  const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(WinDC, 8, 8);
  if (bitmap == nullptr) return nullptr;
  const win32::HGDIOBJ previous = win32::SelectObject(scratch, bitmap);
  const Glyph& glyph = DefaultFontData[code];
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const win32::COLORREF value =
          glyph[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != 0 ? kInk : kBlank;
      if (vertical) {
        (void)win32::SetPixelV(scratch, row, 7 - column, value);
      } else {
        (void)win32::SetPixelV(scratch, column, row, value);
      }
    }
  }
  (void)win32::SelectObject(scratch, previous);
  return bitmap;
}

void CopyGlyph(win32::HDC surface, int x, int y, int side, win32::HDC scratch, win32::DWORD rop) {
  if (side == 8) {
    (void)win32::BitBlt(surface, x, y, 8, 8, scratch, 0, 0, rop);
  } else {
    (void)win32::StretchBlt(surface, x, y, side, side, scratch, 0, 0, 8, 8, rop);
  }
}

// Draws the string under GraphDrawing with the window running; returns how
// many glyph bitmaps could not be made.
int DrawGlyphs(const TextAnchor& anchor, const GraphString& text) {
  std::array<Surface, 2> surfaces{};
  std::size_t surfaceCount = 0;
  if (DrawToScreen) surfaces[surfaceCount++].Dc = WinDC;
  if (DrawToBitmap) surfaces[surfaceCount++].Dc = BitmapDC;

  const win32::HDC scratch = win32::CreateCompatibleDC(WinDC);
  // Colour 15 is painted pure white by the SRCPAINT copy alone; any other
  // colour through a brush of its palette colour.
  const bool pureWhite = CurrentColor == kPureWhiteTextColor;
  const win32::COLORREF color = pureWhite ? kInk : ColorValueOfIndex(CurrentColor);
  const int left = StartXViewPort;
  const int top = StartYViewPort;
  for (std::size_t i = 0; i < surfaceCount; ++i) {
    Surface& surface = surfaces[i];
    if (!pureWhite) {
      surface.Brush = win32::CreateSolidBrush(color);
      surface.OldBrush = win32::SelectObject(surface.Dc, surface.Brush);
    }
    // The viewport, edges included, whether or not ClipPixels is on.
    surface.Clip = win32::CreateRectRgn(left, top, left + ViewWidth + 1, top + ViewHeight + 1);
    (void)win32::SelectClipRgn(surface.Dc, surface.Clip);
  }

  const bool vertical = CurrentTextInfo.Direction == VertDir;
  auto& cache = vertical ? BitmapFontVerticalCache : BitmapFontHorizonCache;
  const int size = CurrentTextInfo.CharSize;
  const int side = 8 * size;
  const int x0 = anchor.X + left;
  const int y0 = anchor.Y + top;
  int failures = 0;
  int index = 0;
  for (const char ch : text.view()) {
    const auto code = static_cast<std::uint8_t>(ch);
    if (cache[code] == nullptr) cache[code] = MakeGlyphBitmap(scratch, code, vertical);
    if (cache[code] == nullptr) {
      ++failures;
    } else {
      const win32::HGDIOBJ previous = win32::SelectObject(scratch, cache[code]);
      const int cellX = vertical ? x0 : x0 + side * index;
      const int cellY = vertical ? y0 + 1 - side * (index + 1) : y0;
      for (std::size_t i = 0; i < surfaceCount; ++i) {
        if (pureWhite) {
          CopyGlyph(surfaces[i].Dc, cellX, cellY, side, scratch, win32::SRCPAINT);
        } else {
          CopyGlyph(surfaces[i].Dc, cellX, cellY, side, scratch, kBlackenInk);
          CopyGlyph(surfaces[i].Dc, cellX, cellY, side, scratch, kPaintInkWithBrush);
        }
      }
      (void)win32::SelectObject(scratch, previous);
    }
    ++index;
  }

  for (std::size_t i = 0; i < surfaceCount; ++i) {
    Surface& surface = surfaces[i];
    if (surface.Brush != nullptr) {
      (void)win32::SelectObject(surface.Dc, surface.OldBrush);
      (void)win32::DeleteObject(surface.Brush);
    }
    (void)win32::SelectClipRgn(surface.Dc, nullptr);
    (void)win32::DeleteObject(surface.Clip);
  }
  (void)win32::DeleteDC(scratch);
  (void)win32::GdiFlush();  // before the bitmap's pixels are written in place again
  return failures;
}

void OutBitmapTextWin32GUI(std::int16_t x, std::int16_t y, const GraphString& text) {
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = CopyPut;
  const TextAnchor anchor = AnchorText(x, y, text);
  // An anchor outside the viewport draws nothing, even where the text would
  // reach into it.
  if (anchor.X < 0 || anchor.Y < 0 || anchor.X > ViewWidth || anchor.Y > ViewHeight) {
    CurrentWriteMode = savedWriteMode;
    return;
  }
  int failures = 0;
  if (const auto drawing = DrawOnTheWindow()) failures = DrawGlyphs(anchor, text);
  CurrentWriteMode = savedWriteMode;
  // Reported once the lock is released: a failing console write ends the
  // program through the exit chain, which closes the window and needs the
  // lock on the window thread.
  for (int i = 0; i < failures; ++i) {
    runtime::WriteLn(runtime::Output, "Could not create bitmap!");
    runtime::IOCheck();
  }
}

}  // namespace

void OutTextXYWin32GUI(std::int16_t x, std::int16_t y, const GraphString& text) {
  if (!WindowRunning()) return;
  if (CurrentTextInfo.Font == DefaultFont) {
    OutBitmapTextWin32GUI(x, y, text);
  } else {
    OutStrokedText(x, y, text, false);
  }
}

}  // namespace graph
