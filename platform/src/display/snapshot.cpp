#include "display/snapshot.h"

#include <png.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "kernel/process_exit.h"
#include "platform/display.h"
#include "user/user_objects.h"

namespace win32::detail {

namespace {

// Width forms up to %99d; a wider one is refused rather than trusted.
constexpr std::size_t kMaxWidthDigits = 2;

}  // namespace

std::string SnapshotSetting::frame_path(int number) const {
  const std::string digits = std::to_string(number);
  std::string text = path;
  if (static_cast<std::size_t>(width) > digits.size()) {
    text.append(static_cast<std::size_t>(width) - digits.size(), padding);
  }
  return text + digits + suffix;
}

SnapshotSetting parse_snapshot_setting(std::string_view value) {
  SnapshotSetting setting;
  if (value.empty()) return setting;
  const std::size_t percent = value.find('%');
  if (percent == std::string_view::npos) {
    setting.kind = SnapshotSetting::Kind::File;
    setting.path = value;
    return setting;
  }
  // %d, %0d, %Nd or %0Nd, and no other % anywhere: the number is formatted
  // here, so the value never reaches a printf format.
  std::size_t at = percent + 1;
  if (at < value.size() && value[at] == '0') {
    setting.padding = '0';
    ++at;
  }
  const std::size_t first_digit = at;
  while (at < value.size() && value[at] >= '0' && value[at] <= '9' && at - first_digit < kMaxWidthDigits) {
    setting.width = setting.width * 10 + (value[at] - '0');
    ++at;
  }
  if (at >= value.size() || value[at] != 'd' || value.find('%', at + 1) != std::string_view::npos) {
    SnapshotSetting refused;
    refused.kind = SnapshotSetting::Kind::Refused;
    return refused;
  }
  setting.kind = SnapshotSetting::Kind::Frames;
  setting.path = value.substr(0, percent);
  setting.suffix = value.substr(at + 1);
  return setting;
}

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

namespace {

// The numbering of frames: it belongs to one pattern and starts again from
// 0 when GRAPH_SNAPSHOT changes. A frame that cannot be written keeps its
// number; only the first failure of a pattern is reported, not every frame.
struct FrameNumbering {
  std::mutex lock;
  std::string pattern;
  int next = 0;
  bool failure_reported = false;
};

FrameNumbering& frame_numbering() {
  static FrameNumbering numbering;
  return numbering;
}

void report_write_failure(const std::string& path, const std::string& error) {
  std::fprintf(stderr, "GRAPH_SNAPSHOT: could not write %s: %s\n", path.c_str(), error.c_str());
}

// A refused value is reported once, however many windows and frames ask.
void report_refusal(const std::string& value) {
  static std::mutex lock;
  static std::string reported;
  std::lock_guard guard(lock);
  if (value == reported) return;
  reported = value;
  std::fprintf(stderr,
               "GRAPH_SNAPSHOT: '%s' is refused: a frame pattern holds one %%d (or a width form such as "
               "%%03d) and no other %%; nothing is saved\n",
               value.c_str());
}

struct CurrentSetting {
  std::string value;
  SnapshotSetting setting;
};

CurrentSetting current_setting() {
  const char* variable = std::getenv("GRAPH_SNAPSHOT");
  CurrentSetting current{variable ? variable : "", {}};
  current.setting = parse_snapshot_setting(current.value);
  if (current.setting.kind == SnapshotSetting::Kind::Refused) report_refusal(current.value);
  return current;
}

void save_frame(const Surface& surface, const CurrentSetting& current) {
  FrameNumbering& numbering = frame_numbering();
  std::lock_guard guard(numbering.lock);
  if (numbering.pattern != current.value) {
    numbering.pattern = current.value;
    numbering.next = 0;
    numbering.failure_reported = false;
  }
  const std::string path = current.setting.frame_path(numbering.next++);
  std::string error;
  if (!write_png(surface, path, &error) && !numbering.failure_reported) {
    numbering.failure_reported = true;
    report_write_failure(path, error);
  }
}

}  // namespace

void save_snapshot_if_requested(const Surface& surface) {
  const CurrentSetting current = current_setting();
  switch (current.setting.kind) {
    case SnapshotSetting::Kind::File: {
      std::string error;
      if (!write_png(surface, current.setting.path, &error)) report_write_failure(current.setting.path, error);
      break;
    }
    case SnapshotSetting::Kind::Frames:
      save_frame(surface, current);
      break;
    case SnapshotSetting::Kind::None:
    case SnapshotSetting::Kind::Refused:
      break;
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

void prepare_snapshots() {
  static const bool registered = [] {
    // ExitProcess runs the first; a program that returns from main, the second.
    (void)register_exit_callback(save_open_windows, false);
    std::atexit(save_open_windows);
    return true;
  }();
  (void)registered;
  (void)current_setting();
}

}  // namespace win32::detail

namespace win32::display {

bool end_frame(HWND handle) {
  auto window = detail::find_window(handle);
  if (!window) return false;
  const detail::CurrentSetting current = detail::current_setting();
  if (current.setting.kind == detail::SnapshotSetting::Kind::Frames) detail::save_frame(*window->framebuffer, current);
  return true;
}

}  // namespace win32::display
