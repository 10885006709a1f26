// The GDI part of the platform layer: Win32's gdi32 operations that the
// libraries use, with Win32's names, argument order and meaning.
//
// Device contexts draw on bitmaps (memory contexts) or on a window's client
// area (window contexts). Every bitmap is a colour bitmap that stores 24-bit
// colour values exactly, whichever context it was made compatible with. A
// DIB section is such a bitmap whose pixels its program may also read and
// write in place.
#pragma once

#include "platform/win32_types.h"

namespace win32 {

// ---- Geometry ---------------------------------------------------------------

struct POINT {
  LONG x;
  LONG y;
};

struct SIZE {
  LONG cx;
  LONG cy;
};

// Left and top are inside the rectangle, right and bottom are not.
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

// ---- Colour values ----------------------------------------------------------

// A COLORREF holds red in bits 0-7, green in bits 8-15, blue in bits 16-23.
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue) {
  return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) | (static_cast<COLORREF>(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF colour) { return static_cast<BYTE>(colour & 0xFF); }
constexpr BYTE GetGValue(COLORREF colour) { return static_cast<BYTE>((colour >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF colour) { return static_cast<BYTE>((colour >> 16) & 0xFF); }

// What SetPixel and GetPixel return when the pixel lies outside the clip
// area or the context is not valid.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// ---- Stock objects (GetStockObject) -----------------------------------------

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
// A solid pen of width 1 whose colour is each context's own (SetDCPenColor).
constexpr int DC_PEN = 19;

// ---- Pens -------------------------------------------------------------------

// Solid, invisible and inside-frame pens are supported; CreatePen refuses the
// dashed styles with ERROR_INVALID_PARAMETER rather than draw them wrongly.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

// ---- Binary raster operations (SetROP2): how a pen mixes with the pixels ----

constexpr int R2_BLACK = 1;        // 0
constexpr int R2_NOTMERGEPEN = 2;  // ~(D | P)
constexpr int R2_MASKNOTPEN = 3;   // D & ~P
constexpr int R2_NOTCOPYPEN = 4;   // ~P
constexpr int R2_MASKPENNOT = 5;   // P & ~D
constexpr int R2_NOT = 6;          // ~D
constexpr int R2_XORPEN = 7;       // D ^ P
constexpr int R2_NOTMASKPEN = 8;   // ~(D & P)
constexpr int R2_MASKPEN = 9;      // D & P
constexpr int R2_NOTXORPEN = 10;   // ~(D ^ P)
constexpr int R2_NOP = 11;         // D
constexpr int R2_MERGENOTPEN = 12; // D | ~P
constexpr int R2_COPYPEN = 13;     // P
constexpr int R2_MERGEPENNOT = 14; // P | ~D
constexpr int R2_MERGEPEN = 15;    // D | P
constexpr int R2_WHITE = 16;       // 1

// ---- Ternary raster operations (BitBlt, StretchBlt) -------------------------
//
// Bits 16-23 of a code are the operation's truth table over pattern (the
// destination context's brush), source and destination; BitBlt and
// StretchBlt evaluate any code from that byte.

constexpr DWORD SRCCOPY = 0x00CC0020;      // S
constexpr DWORD SRCPAINT = 0x00EE0086;     // S | D
constexpr DWORD SRCAND = 0x008800C6;       // S & D
constexpr DWORD SRCINVERT = 0x00660046;    // S ^ D
constexpr DWORD SRCERASE = 0x00440328;     // S & ~D
constexpr DWORD NOTSRCCOPY = 0x00330008;   // ~S
constexpr DWORD NOTSRCERASE = 0x001100A6;  // ~(S | D)
constexpr DWORD MERGECOPY = 0x00C000CA;    // P & S
constexpr DWORD MERGEPAINT = 0x00BB0226;   // ~S | D
constexpr DWORD PATCOPY = 0x00F00021;      // P
constexpr DWORD PATPAINT = 0x00FB0A09;     // P | ~S | D
constexpr DWORD PATINVERT = 0x005A0049;    // P ^ D
constexpr DWORD DSTINVERT = 0x00550009;    // ~D
constexpr DWORD BLACKNESS = 0x00000042;    // 0
constexpr DWORD WHITENESS = 0x00FF0062;    // 1

// The truth-table byte of a ternary raster operation code.
constexpr BYTE Rop3Index(DWORD rop) { return static_cast<BYTE>((rop >> 16) & 0xFF); }

// ---- Device-independent bitmaps ---------------------------------------------
//
// A DIB's pixels in the one form offered here: 32 bits, uncompressed, each
// pixel a DWORD 0x00RRGGBB (the bytes blue, green, red, 0; red and blue in
// the opposite places of a COLORREF), rows without gaps.

// The description of a DIB: of the pixels GetDIBits delivers, of a section
// CreateDIBSection makes.
struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;  // > 0: scan line 0 is the bottom row; < 0: the top row
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};

struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;

// ---- Regions ----------------------------------------------------------------

// Results of SelectClipRgn (and of SelectObject with a region).
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// ---- Operations -------------------------------------------------------------

// Device contexts and bitmaps.
HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int which);
// A DIB section: a bitmap whose pixels the program reads and writes in
// place, top-down only (a negative height). `bits` receives the pixels,
// which stay where they are until the bitmap is deleted. Null (and `bits`
// null) for any other form, with ERROR_INVALID_PARAMETER.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
// Finishes drawing that GDI has not yet applied, before a program reads or
// writes a DIB section's bits in place. Nothing waits here: every operation
// is applied before it returns.
BOOL GdiFlush();

// Pixels. SetPixel returns the colour set (CLR_INVALID when the pixel is
// clipped); SetPixelV returns whether it was set.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);

// Copies `lines` scan lines of a bitmap, from scan line `start`, into
// `bits`, and returns how many it copied (0 on failure). Each pixel arrives
// as four bytes, blue, green, red and 0, a row of biWidth pixels per scan
// line; only that form is offered: `info` must describe the whole bitmap
// (its width, its height either way up) with 1 plane, 32 bits and BI_RGB.
// With `bits` null, `info` is filled in for the bitmap instead (bottom row
// first) and the bitmap's height returned.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);

// Pens, brushes, lines and rectangles. LineTo draws from the current
// position up to, but not including, the end point, which becomes the new
// current position; both LineTo and Rectangle mix with SetROP2's operation.
HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
// The colour that DC_PEN draws with in this context (black at first); returns
// the previous one, or CLR_INVALID for a handle that is not a context.
COLORREF SetDCPenColor(HDC dc, COLORREF colour);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);

// Clip regions: rectangles in device coordinates. SelectClipRgn copies the
// region, so the caller may delete it at once; a null region removes the clip.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
int SelectClipRgn(HDC dc, HRGN region);

// Block transfers combining pattern, source and destination by `rop`.
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);

}  // namespace win32
