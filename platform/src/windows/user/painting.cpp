// Painting. A window's contexts (GetDC, BeginPaint) are its client area's
// (client_area.h). On the desktop BeginPaint and EndPaint are still Windows'
// own, which validate the update region and erase the background, and
// EndPaint shows what the repaint drew. A hidden window's update rectangle
// is the layer's.
#include <cstring>

#include "windows/user/client_area.h"

namespace win32 {

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  const auto area = detail::client_area(window);
  if (!area || paint == nullptr) {
    return native::from_native(::BeginPaint(native::to_native(window), reinterpret_cast<::PAINTSTRUCT*>(paint)));
  }
  if (!area->hidden()) {
    ::PAINTSTRUCT native{};
    area->paint_dc = ::BeginPaint(native::to_native(window), &native);
    std::memcpy(paint, &native, sizeof native);
    paint->hdc = native::from_native(area->dc());
    return paint->hdc;
  }
  *paint = PAINTSTRUCT{};
  bool erase = false;
  area->take_update(&paint->rcPaint, &erase);
  paint->hdc = native::from_native(area->dc());
  // fErase tells the window procedure that the background still needs erasing.
  if (erase && paint->rcPaint.right > paint->rcPaint.left && paint->rcPaint.bottom > paint->rcPaint.top) {
    const bool erased = ::SendMessageA(native::to_native(window), WM_ERASEBKGND,
                                       reinterpret_cast<::WPARAM>(area->dc()), 0) != 0;
    paint->fErase = erased ? FALSE : TRUE;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  const auto area = detail::client_area(window);
  if (!area || paint == nullptr) {
    return ::EndPaint(native::to_native(window), reinterpret_cast<const ::PAINTSTRUCT*>(paint));
  }
  if (area->hidden()) return TRUE;
  if (area->paint_dc == nullptr) return FALSE;
  area->present_on(area->paint_dc);
  ::PAINTSTRUCT native{};
  std::memcpy(&native, paint, sizeof native);
  native.hdc = area->paint_dc;
  area->paint_dc = nullptr;
  return ::EndPaint(native::to_native(window), &native);
}

BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase) {
  const auto area = detail::client_area(window);
  if (!area || !area->hidden()) {
    return ::GetUpdateRect(native::to_native(window), reinterpret_cast<::RECT*>(rect), erase);
  }
  return area->update_rect(rect) ? TRUE : FALSE;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  const auto area = detail::client_area(window);
  if (!area || !area->hidden()) {
    return ::InvalidateRect(native::to_native(window), reinterpret_cast<const ::RECT*>(rect), erase);
  }
  area->invalidate(rect, erase != FALSE);
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
  const auto area = detail::client_area(window);
  if (!area || !area->hidden()) return ::ValidateRect(native::to_native(window), reinterpret_cast<const ::RECT*>(rect));
  area->validate(rect);
  return TRUE;
}

HDC GetDC(HWND window) {
  if (const auto area = detail::client_area(window)) return native::from_native(area->dc());
  return native::from_native(::GetDC(native::to_native(window)));
}

int ReleaseDC(HWND window, HDC dc) {
  // A client area's context lives as long as its window.
  if (detail::is_client_dc(native::to_native(dc))) return 1;
  return ::ReleaseDC(native::to_native(window), native::to_native(dc));
}

}  // namespace win32
