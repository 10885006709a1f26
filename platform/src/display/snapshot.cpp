#include "display/snapshot.h"

#include <png.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "kernel/process_exit.h"
#include "user/user_objects.h"

namespace win32::detail {

bool write_png(const Surface& surface, const std::string& path, std::string* error) {
  const int width = surface.width();
  const int height = surface.height();
  std::vector<std::uint32_t> pixels = surface.copy(surface.bounds());
  std::vector<png_byte> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    rgb[3 * i] = static_cast<png_byte>(pixels[i] & 0xFF);
    rgb[3 * i + 1] = static_cast<png_byte>((pixels[i] >> 8) & 0xFF);
    rgb[3 * i + 2] = static_cast<png_byte>((pixels[i] >> 16) & 0xFF);
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;

  const std::string partial = path + ".partial";
  if (!png_image_write_to_file(&image, partial.c_str(), 0, rgb.data(), 0, nullptr)) {
    *error = image.message;
    std::remove(partial.c_str());
    return false;
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    *error = std::strerror(errno);
    std::remove(partial.c_str());
    return false;
  }
  return true;
}

void save_snapshot_if_requested(const Surface& surface) {
  const char* path = std::getenv("GRAPH_SNAPSHOT");
  if (!path || !*path) return;
  std::string error;
  if (!write_png(surface, path, &error)) {
    std::fprintf(stderr, "GRAPH_SNAPSHOT: could not write %s: %s\n", path, error.c_str());
  }
}

namespace {

std::atomic<bool> exit_snapshots_taken{false};

// The process is ending with windows open: save them as they are. Other
// threads may still draw; the framebuffer's pixels are read atomically.
void save_open_windows() {
  if (exit_snapshots_taken.exchange(true)) return;
  std::vector<std::shared_ptr<Window>> windows;
  {
    UserState& state = user_state();
    std::lock_guard guard(state.lock);
    windows = state.windows;
  }
  for (const auto& window : windows) save_snapshot_if_requested(*window->framebuffer);
}

}  // namespace

void save_snapshots_at_exit() {
  static const bool registered = [] {
    // ExitProcess runs the first; a program that returns from main, the second.
    (void)register_exit_callback(save_open_windows, false);
    std::atexit(save_open_windows);
    return true;
  }();
  (void)registered;
}

}  // namespace win32::detail
