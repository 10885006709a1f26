// Windows: creation with its messages, showing, destruction and the end of
// a window's life on the display.
#include <algorithm>

#include "display/backend.h"
#include "display/event_player.h"
#include "display/snapshot.h"
#include "display/window_pictures.h"
#include "gdi/gdi_objects.h"
#include "platform/kernel.h"
#include "user/client_size.h"
#include "user/user_objects.h"

namespace win32 {
namespace detail {

namespace {

// Makes the window visible, as ShowWindow and WS_VISIBLE do: the whole
// client area then needs painting.
void show(Window& window) {
  {
    std::lock_guard guard(window.queue->lock);
    if (window.visible) return;
    window.visible = true;
  }
  window.send(WM_SHOWWINDOW, TRUE, 0);
  const RECT client = window.client();
  window.send(WM_SIZE, window.maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
              MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
  invalidate(window, client, true);
}

void register_window(const std::shared_ptr<Window>& window) {
  {
    UserState& state = user_state();
    std::lock_guard guard(state.lock);
    state.windows.push_back(window);
  }
  std::lock_guard guard(window->queue->lock);
  window->queue->windows.push_back(window.get());
}

}  // namespace

std::shared_ptr<Window> find_window(HWND window) { return window ? find<Window>(window) : nullptr; }

void invalidate(Window& window, const RECT& area, bool erase) {
  if (is_empty(area)) return;
  {
    std::lock_guard guard(window.queue->lock);
    window.update = window.has_update ? unite(window.update, area) : area;
    window.has_update = true;
    window.erase_pending = window.erase_pending || erase;
  }
  window.queue->wake.notify_all();
}

void finish_window(const std::shared_ptr<Window>& window) {
  {
    std::lock_guard guard(window->queue->lock);
    auto& windows = window->queue->windows;
    windows.erase(std::remove(windows.begin(), windows.end(), window.get()), windows.end());
    auto& posted = window->queue->posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(), [&](const MSG& m) { return m.hwnd == window->handle; }),
                 posted.end());
    window->destroying = true;
    window->has_update = false;
  }
  {
    UserState& state = user_state();
    std::lock_guard guard(state.lock);
    state.windows.erase(std::remove(state.windows.begin(), state.windows.end(), window), state.windows.end());
  }
  release_object(window->handle);
  save_snapshot_if_requested([&] { return picture_of(*window->framebuffer); });
  if (const DisplayBackend* backend = display_backend()) backend->close_window(*window);
}

}  // namespace detail

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* parameter) {
  auto window_class = detail::find_class(className);
  if (!window_class) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  const detail::DisplayBackend* backend = detail::display_backend();
  if (!backend) {
    detail::report_missing_display();
    SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  const detail::ClientSize client = detail::client_size_for(style, width, height, detail::kMaxSurfaceSide + 1LL);
  if (client.width > detail::kMaxSurfaceSide || client.height > detail::kMaxSurfaceSide) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }

  auto window = std::make_shared<detail::Window>();
  window->window_class = window_class;
  window->title = windowName ? windowName : "";
  window->style = style & ~WS_VISIBLE;
  window->ex_style = exStyle;
  window->maximized = (style & WS_MAXIMIZE) != 0;
  window->owner = std::this_thread::get_id();
  window->queue = detail::current_queue();
  window->framebuffer = std::make_shared<detail::Surface>(client.width, client.height, true);
  window->handle = static_cast<HWND>(detail::register_object(window));
  if (!backend->open_window(*window)) {
    detail::release_object(window->handle);
    SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  detail::register_window(window);
  detail::prepare_snapshots(&detail::open_window_pictures);

  CREATESTRUCTA create{parameter, instance, menu, parent, height, width, y, x, static_cast<LONG>(style),
                       windowName, className, exStyle};
  const LPARAM create_parameter = reinterpret_cast<LPARAM>(&create);
  if (!window->send(WM_NCCREATE, 0, create_parameter)) {
    window->send(WM_NCDESTROY, 0, 0);
    detail::finish_window(window);
    return nullptr;
  }
  if (window->send(WM_CREATE, 0, create_parameter) == -1) {
    DestroyWindow(window->handle);
    return nullptr;
  }
  if (!IsWindow(window->handle)) return nullptr;  // destroyed by its own creation messages
  if (style & WS_VISIBLE) detail::show(*window);
  detail::play_event_script(window->handle);
  return window->handle;
}

// Headless windows have no real size to change: maximising and minimising
// change the window's state, and the client area keeps its pixels.
BOOL ShowWindow(HWND handle, int command) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  bool was_visible;
  {
    std::lock_guard guard(window->queue->lock);
    was_visible = window->visible;
    switch (command) {
      case SW_HIDE: window->visible = false; break;
      case SW_SHOWMINIMIZED:
      case SW_MINIMIZE: window->minimized = true; break;
      case SW_SHOWMAXIMIZED: window->maximized = true; window->minimized = false; break;
      case SW_RESTORE:
      case SW_SHOWNORMAL: window->maximized = false; window->minimized = false; break;
      default: break;
    }
  }
  window->queue->wake.notify_all();  // the display follows the new state
  if (command == SW_HIDE) {
    if (was_visible && window->owner == std::this_thread::get_id()) window->send(WM_SHOWWINDOW, FALSE, 0);
  } else if (!was_visible && window->owner == std::this_thread::get_id()) {
    detail::show(*window);
  } else if (!was_visible) {
    {
      std::lock_guard guard(window->queue->lock);
      window->visible = true;
    }
    detail::invalidate(*window, window->client(), true);
  } else if (command == SW_RESTORE || command == SW_SHOWNORMAL) {
    detail::invalidate(*window, window->client(), true);  // back from the task bar
  }
  return was_visible ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (window->owner != std::this_thread::get_id()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  {
    std::lock_guard guard(window->queue->lock);
    if (window->destroying) return TRUE;  // already on its way out
    window->destroying = true;
    window->visible = false;
    window->has_update = false;
  }
  window->send(WM_DESTROY, 0, 0);
  window->send(WM_NCDESTROY, 0, 0);
  detail::finish_window(window);
  return TRUE;
}

}  // namespace win32
