// The display seen from outside the program: the user's close box, what a
// window's client area shows, read or saved as PNG, the end of a frame.
#include "display/snapshot.h"
#include "windows/display/display_choice.h"
#include "windows/user/client_area.h"

namespace win32::display {

const char* backend_name() { return detail::display_name(detail::chosen_display()); }

bool close_window_as_user(HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE; }

bool read_client_area(HWND window, ClientPicture* picture) {
  const auto area = detail::client_area(window);
  if (!area || picture == nullptr) return false;
  *picture = area->picture();
  return true;
}

bool save_client_area(HWND window, const std::string& path, std::string* error) {
  const auto area = detail::client_area(window);
  std::string why;
  if (!area) {
    why = "the window no longer exists";
  } else if (detail::write_png(area->picture(), path, &why)) {
    return true;
  }
  if (error) *error = why;
  return false;
}

bool end_frame(HWND window) {
  const auto area = detail::client_area(window);
  if (!area) return false;
  detail::save_frame_if_requested([&] { return area->picture(); });
  return true;
}

}  // namespace win32::display
