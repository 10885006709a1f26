// Windows over Windows' own, each with a client area of the layer's
// (client_area.h). On the headless display a window is created hidden and
// stays hidden; its shown, maximised and painting state is the layer's.
#include <vector>

#include "display/event_player.h"
#include "display/snapshot.h"
#include "platform/display.h"
#include "user/client_size.h"
#include "windows/display/display_choice.h"
#include "windows/user/client_area.h"

namespace win32 {

namespace detail {

namespace {

// The largest client area side: screen coordinates are 16-bit numbers.
constexpr long long kLargestClientSide = 32767;

// The pictures of the windows that exist, for the snapshots taken when the
// process ends.
std::vector<TakePicture> open_window_pictures() {
  std::vector<TakePicture> pictures;
  for (auto& area : all_client_areas()) pictures.emplace_back([area] { return area->picture(); });
  return pictures;
}

}  // namespace

void end_client_area(::HWND window) {
  const std::shared_ptr<ClientArea> area = remove_client_area(window);
  if (area) save_snapshot_if_requested([&] { return area->picture(); });
}

}  // namespace detail

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* parameter) {
  const detail::Display display = detail::chosen_display();
  if (display == detail::Display::None) {
    detail::report_missing_display();
    ::SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  const bool hidden = display == detail::Display::Headless;
  const detail::ClientSize size = detail::client_size_for(style, width, height, detail::kLargestClientSide);
  auto area = std::make_shared<detail::ClientArea>(size.width, size.height, hidden);
  if (!area->valid()) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (hidden) area->set_maximized((style & WS_MAXIMIZE) != 0);
  detail::prepare_snapshots(&detail::open_window_pictures);

  detail::expect_client_area(area);
  const DWORD native_style = hidden ? style & ~(WS_VISIBLE | WS_MAXIMIZE) : style;
  const ::HWND window = ::CreateWindowExA(exStyle, className, windowName, native_style, x, y, width, height,
                                          native::to_native(parent), native::to_native(menu),
                                          native::to_native(instance), parameter);
  detail::expect_client_area(nullptr);
  if (window == nullptr) return nullptr;
  if (hidden && (style & WS_VISIBLE)) (void)ShowWindow(native::from_native(window), SW_SHOW);
  detail::play_event_script(native::from_native(window));
  return native::from_native(window);
}

BOOL ShowWindow(HWND window, int command) {
  const auto area = detail::client_area(window);
  if (!area || !area->hidden()) return ::ShowWindow(native::to_native(window), command);
  const bool was_shown = area->shown();
  switch (command) {
    case SW_HIDE: area->set_shown(false); break;
    case SW_SHOWMAXIMIZED: area->set_maximized(true); break;
    case SW_RESTORE:
    case SW_SHOWNORMAL: area->set_maximized(false); break;
    default: break;
  }
  if (command != SW_HIDE) {
    area->set_shown(true);
    // Newly shown, or back from the task bar: the whole client area needs painting.
    if (!was_shown || command == SW_RESTORE || command == SW_SHOWNORMAL) area->invalidate(nullptr, true);
  }
  return was_shown ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND window) {
  const auto area = detail::client_area(window);
  if (!area || !area->hidden()) return ::UpdateWindow(native::to_native(window));
  if (area->update_rect(nullptr)) (void)::SendMessageA(native::to_native(window), WM_PAINT, 0, 0);
  return TRUE;
}

BOOL DestroyWindow(HWND window) { return ::DestroyWindow(native::to_native(window)); }

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == display::kScriptCheckpointMessage) {
    (void)display::pass_script_checkpoint(window, wParam);
    return 0;
  }
  return ::DefWindowProcA(native::to_native(window), message, wParam, lParam);
}

BOOL IsWindow(HWND window) { return ::IsWindow(native::to_native(window)); }

BOOL IsWindowVisible(HWND window) {
  const auto area = detail::client_area(window);
  if (area && area->hidden()) return area->shown() ? TRUE : FALSE;
  return ::IsWindowVisible(native::to_native(window));
}

BOOL IsZoomed(HWND window) {
  const auto area = detail::client_area(window);
  if (area && area->hidden()) return area->maximized() ? TRUE : FALSE;
  return ::IsZoomed(native::to_native(window));
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const auto area = detail::client_area(window);
  if (area && area->hidden()) {
    if (rect == nullptr) {
      ::SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    *rect = area->bounds();
    return TRUE;
  }
  return ::GetClientRect(native::to_native(window), reinterpret_cast<::RECT*>(rect));
}

int GetWindowTextA(HWND window, char* text, int capacity) {
  return ::GetWindowTextA(native::to_native(window), text, capacity);
}

int GetClassNameA(HWND window, char* name, int capacity) {
  return ::GetClassNameA(native::to_native(window), name, capacity);
}

}  // namespace win32
