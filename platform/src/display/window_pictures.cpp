// The pictures of the headless and X11 displays' windows: their
// framebuffers, read for snapshots, for the end of a frame and for
// display::read_client_area.
#include <mutex>
#include <vector>

#include "display/snapshot.h"
#include "display/window_pictures.h"
#include "user/user_objects.h"

namespace win32::detail {

display::ClientPicture picture_of(const Surface& framebuffer) {
  return {framebuffer.width(), framebuffer.height(), framebuffer.copy(framebuffer.bounds())};
}

std::vector<TakePicture> open_window_pictures() {
  std::vector<std::shared_ptr<Window>> windows;
  {
    UserState& state = user_state();
    std::lock_guard guard(state.lock);
    windows = state.windows;
  }
  std::vector<TakePicture> pictures;
  // Other threads may still draw; the framebuffer's pixels are read atomically.
  for (auto& window : windows) pictures.emplace_back([window] { return picture_of(*window->framebuffer); });
  return pictures;
}

}  // namespace win32::detail

namespace win32::display {

bool end_frame(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) return false;
  detail::save_frame_if_requested([&] { return detail::picture_of(*window->framebuffer); });
  return true;
}

}  // namespace win32::display
