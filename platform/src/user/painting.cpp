// Painting: update regions, the paint context, window contexts.
//
// A window's update region is kept as its bounding rectangle, which is what
// painting asks for (GetUpdateRect, the paint context's clip).
#include "gdi/gdi_objects.h"
#include "platform/kernel.h"
#include "user/user_objects.h"

namespace win32 {

namespace {

// Sends WM_ERASEBKGND with a context limited to `area`; true when the
// window procedure erased.
bool erase_background(detail::Window& window, const RECT& area) {
  HDC dc = detail::create_dc(detail::DeviceContext::Kind::window, window.framebuffer, area, window.handle);
  const bool erased = window.send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
  detail::destroy_dc(dc);
  return erased;
}

}  // namespace

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
  auto window = detail::find_window(handle);
  if (!window || !paint) {
    SetLastError(window ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  RECT area{0, 0, 0, 0};
  bool erase = false;
  {
    std::lock_guard guard(window->queue->lock);
    if (window->has_update) area = detail::intersect(window->update, window->client());
    erase = window->erase_pending;
    window->has_update = false;
    window->erase_pending = false;
  }
  *paint = PAINTSTRUCT{};
  paint->hdc = detail::create_dc(detail::DeviceContext::Kind::window, window->framebuffer, area, handle);
  paint->rcPaint = area;
  // fErase tells the window procedure that the background still needs erasing.
  if (erase && !detail::is_empty(area)) {
    paint->fErase = window->send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0 ? TRUE : FALSE;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint) {
  if (!paint || !detail::find_window(handle)) return FALSE;
  detail::DeviceContext* dc = detail::lookup_dc(paint->hdc);
  if (!dc || dc->window != handle) return FALSE;
  return detail::destroy_dc(paint->hdc) ? TRUE : FALSE;
}

BOOL GetUpdateRect(HWND handle, RECT* rect, BOOL erase) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  RECT area{0, 0, 0, 0};
  bool erase_now = false;
  {
    std::lock_guard guard(window->queue->lock);
    if (window->has_update) area = detail::intersect(window->update, window->client());
    if (erase && window->erase_pending && !detail::is_empty(area)) {
      erase_now = true;
      window->erase_pending = false;
    }
  }
  if (rect) *rect = area;
  if (erase_now && !erase_background(*window, area)) {
    std::lock_guard guard(window->queue->lock);
    window->erase_pending = true;
  }
  return detail::is_empty(area) ? FALSE : TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
  if (!handle) {
    // No window: every window of the process.
    std::vector<std::shared_ptr<detail::Window>> windows;
    {
      detail::UserState& state = detail::user_state();
      std::lock_guard guard(state.lock);
      windows = state.windows;
    }
    for (const auto& window : windows) detail::invalidate(*window, window->client(), erase != FALSE);
    return TRUE;
  }
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const RECT client = window->client();
  detail::invalidate(*window, rect ? detail::intersect(detail::normalized(*rect), client) : client, erase != FALSE);
  return TRUE;
}

// Validating a part of the update rectangle validates it all only when the
// part covers it.
BOOL ValidateRect(HWND handle, const RECT* rect) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  std::lock_guard guard(window->queue->lock);
  if (!window->has_update) return TRUE;
  const RECT covered = rect ? detail::normalized(*rect) : window->client();
  const RECT update = window->update;
  if (covered.left <= update.left && covered.top <= update.top && covered.right >= update.right &&
      covered.bottom >= update.bottom) {
    window->has_update = false;
    window->erase_pending = false;
  }
  return TRUE;
}

BOOL UpdateWindow(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  bool paint_now;
  {
    std::lock_guard guard(window->queue->lock);
    paint_now = window->paintable();
  }
  // On its own thread the window is painted before UpdateWindow returns;
  // another thread's window is painted by its thread, which is woken.
  if (paint_now && window->owner == std::this_thread::get_id()) {
    window->send(WM_PAINT, 0, 0);
  } else if (paint_now) {
    window->queue->wake.notify_all();
  }
  return TRUE;
}

HDC GetDC(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return detail::create_dc(detail::DeviceContext::Kind::window, window->framebuffer, window->client(), handle);
}

int ReleaseDC(HWND window, HDC dc) {
  detail::DeviceContext* context = detail::lookup_dc(dc);
  if (!context || context->kind != detail::DeviceContext::Kind::window || context->window != window) return 0;
  return detail::destroy_dc(dc) ? 1 : 0;
}

}  // namespace win32
