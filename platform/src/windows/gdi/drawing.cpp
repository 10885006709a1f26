// Pixels, lines, rectangles and blits: Windows' own. Drawing on a shown
// window's client area tells the window's thread that there is something
// to present (client_area.h).
#include "windows/user/client_area.h"

namespace win32 {

namespace {

// Each call of the drawing thread reaches the bitmap at once rather than in
// a batch that only a later call would flush: another thread presents and
// saves what the bitmap holds.
void draw_unbatched() {
  thread_local const ::DWORD previousLimit = ::GdiSetBatchLimit(1);
  (void)previousLimit;
}

::HDC drawing_on(HDC dc) {
  draw_unbatched();
  return native::to_native(dc);
}

template <class Result>
Result noted(HDC dc, Result result) {
  detail::note_drawing(native::to_native(dc));
  return result;
}

}  // namespace

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
  return noted(dc, static_cast<COLORREF>(::SetPixel(drawing_on(dc), x, y, colour)));
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF colour) { return noted(dc, ::SetPixelV(drawing_on(dc), x, y, colour)); }

COLORREF GetPixel(HDC dc, int x, int y) { return ::GetPixel(drawing_on(dc), x, y); }

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
  return ::MoveToEx(native::to_native(dc), x, y, reinterpret_cast<::POINT*>(previous));
}

BOOL LineTo(HDC dc, int x, int y) { return noted(dc, ::LineTo(drawing_on(dc), x, y)); }

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  return noted(dc, ::Rectangle(drawing_on(dc), left, top, right, bottom));
}

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
  return noted(destination, ::BitBlt(drawing_on(destination), x, y, width, height, native::to_native(source),
                                     sourceX, sourceY, rop));
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
  return noted(destination, ::StretchBlt(drawing_on(destination), x, y, width, height, native::to_native(source),
                                         sourceX, sourceY, sourceWidth, sourceHeight, rop));
}

}  // namespace win32
