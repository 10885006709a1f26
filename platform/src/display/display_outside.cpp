// The display seen from outside the program: the user's close box and what
// the display shows of a window, read or saved as PNG.
#include "display/backend.h"
#include "display/window_pictures.h"
#include "platform/display.h"
#include "platform/user.h"

namespace win32::display {

const char* backend_name() {
  const detail::DisplayBackend* backend = detail::display_backend();
  return backend ? backend->name : nullptr;
}

bool close_window_as_user(HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE; }

bool read_client_area(HWND handle, ClientPicture* picture) {
  auto window = detail::find_window(handle);
  if (!window || !picture) return false;
  *picture = detail::picture_of(*window->framebuffer);
  return true;
}

bool save_client_area(HWND handle, const std::string& path, std::string* error) {
  auto window = detail::find_window(handle);
  std::string why;
  if (!window) {
    why = "the window no longer exists";
  } else if (detail::write_png(detail::picture_of(*window->framebuffer), path, &why)) {
    return true;
  }
  if (error) *error = why;
  return false;
}

}  // namespace win32::display
