// What a program may ask about a window, and the default window procedure.
#include <algorithm>
#include <cstring>

#include "gdi/gdi_objects.h"
#include "platform/display.h"
#include "platform/kernel.h"
#include "user/user_objects.h"

namespace win32 {

namespace {

int copy_text(const std::string& text, char* out, int capacity) {
  if (!out || capacity <= 0) return 0;
  const int length = std::min(static_cast<int>(text.size()), capacity - 1);
  std::memcpy(out, text.data(), static_cast<std::size_t>(length));
  out[length] = '\0';
  return length;
}

}  // namespace

BOOL IsWindow(HWND window) { return detail::find_window(window) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) return FALSE;
  std::lock_guard guard(window->queue->lock);
  return window->visible ? TRUE : FALSE;
}

BOOL IsZoomed(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) return FALSE;
  std::lock_guard guard(window->queue->lock);
  return window->maximized ? TRUE : FALSE;
}

BOOL GetClientRect(HWND handle, RECT* rect) {
  auto window = detail::find_window(handle);
  if (!window || !rect) {
    SetLastError(window ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = window->client();
  return TRUE;
}

int GetWindowTextA(HWND handle, char* text, int capacity) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    if (text && capacity > 0) *text = '\0';
    return 0;
  }
  return copy_text(window->title, text, capacity);
}

int GetClassNameA(HWND handle, char* name, int capacity) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return copy_text(window->window_class->name, name, capacity);
}

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_NCCREATE:
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(handle);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (BeginPaint(handle, &paint)) EndPaint(handle, &paint);
      return 0;
    }
    case display::kScriptCheckpointMessage:
      (void)display::pass_script_checkpoint(handle, wParam);
      return 0;
    case WM_ERASEBKGND: {
      // The class brush fills what the paint context lets through.
      auto window = detail::find_window(handle);
      detail::DeviceContext* dc = detail::lookup_dc(reinterpret_cast<HDC>(wParam));
      if (!window || !dc || !window->window_class->background) return 0;
      auto brush = detail::find<detail::Brush>(window->window_class->background);
      if (!brush || brush->hollow) return 0;
      detail::fill_rect(*dc, window->client(), brush->colour);
      return 1;
    }
    default:
      return 0;
  }
}

}  // namespace win32
