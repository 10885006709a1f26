// Device contexts, bitmaps, pens, brushes and regions: Windows' own, except
// that every bitmap is a 32-bit DIB section, so that it stores 24-bit
// colour values exactly whatever context it is made compatible with (a
// memory context's bitmap would otherwise be monochrome, a 16-bit display's
// would round colours), and that blits between contexts stretch by
// sampling, not by merging rows and columns.
#include "windows/native.h"

namespace win32 {

namespace {

::HGDIOBJ to_native(HGDIOBJ object) { return static_cast<::HGDIOBJ>(object); }

}  // namespace

HDC CreateCompatibleDC(HDC reference) {
  const ::HDC dc = ::CreateCompatibleDC(native::to_native(reference));
  if (dc != nullptr) ::SetStretchBltMode(dc, COLORONCOLOR);
  return native::from_native(dc);
}

BOOL DeleteDC(HDC dc) { return ::DeleteDC(native::to_native(dc)); }

// The one form of DIB the layer offers: top-down, 32 bits, uncompressed,
// in the program's memory. Any other is refused, as the layer refuses it
// everywhere.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
  if (bits) *bits = nullptr;
  const BITMAPINFOHEADER* header = info ? &info->bmiHeader : nullptr;
  if (!header || !bits || usage != DIB_RGB_COLORS || section || offset != 0 || header->biPlanes != 1 ||
      header->biBitCount != 32 || header->biCompression != BI_RGB || header->biWidth < 1 || header->biHeight >= 0) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return native::from_native(::CreateDIBSection(native::to_native(dc), reinterpret_cast<const ::BITMAPINFO*>(info),
                                                usage, bits, nullptr, 0));
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top, as the layer counts them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

BOOL GdiFlush() { return ::GdiFlush(); }

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
  return ::GetDIBits(native::to_native(dc), native::to_native(bitmap), start, lines, bits,
                     reinterpret_cast<::BITMAPINFO*>(info), usage);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) { return ::SelectObject(native::to_native(dc), to_native(object)); }
BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(to_native(object)); }
HGDIOBJ GetStockObject(int which) { return ::GetStockObject(which); }

HPEN CreatePen(int style, int width, COLORREF colour) {
  return native::from_native(::CreatePen(style, width, colour));
}

HBRUSH CreateSolidBrush(COLORREF colour) { return native::from_native(::CreateSolidBrush(colour)); }
COLORREF SetDCPenColor(HDC dc, COLORREF colour) { return ::SetDCPenColor(native::to_native(dc), colour); }
int SetROP2(HDC dc, int mode) { return ::SetROP2(native::to_native(dc), mode); }
int GetROP2(HDC dc) { return ::GetROP2(native::to_native(dc)); }

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return native::from_native(::CreateRectRgn(left, top, right, bottom));
}

int SelectClipRgn(HDC dc, HRGN region) { return ::SelectClipRgn(native::to_native(dc), native::to_native(region)); }

}  // namespace win32
