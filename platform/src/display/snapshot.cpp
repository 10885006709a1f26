#include "display/snapshot.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <span>
#include <vector>

#include "display/snapshot_signals.h"
#include "display/picture_file.h"
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
  std::vector<png_byte> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  std::size_t at = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = colour_of(surface.load(x, y));
      rgb[at++] = GetRValue(colour);
      rgb[at++] = GetGValue(colour);
      rgb[at++] = GetBValue(colour);
    }
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  // Encoded in memory first, so that the file is written by the rules of
  // write_picture_file and its failures carry the system's reason.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) {
    *error = image.message;
    return false;
  }
  return write_picture_file(path, std::span(png.data(), size), error);
}

namespace {

// The frames of the pattern in use: their numbering, which starts again
// from 0 when GRAPH_SNAPSHOT changes, and those that could not be written. A
// lost frame keeps its number; the frames lost are reported in one line
// when the pattern's frames end (the process ends, or another pattern takes
// its place).
struct FrameRecord {
  std::mutex lock;
  std::string pattern;
  int next = 0;
  int lost = 0;
  std::string first_loss;  // "PATH: REASON"
};

// Never destroyed: a program that returns from main saves its open windows
// while the statics go away.
FrameRecord& frame_record() {
  static FrameRecord* const record = new FrameRecord;
  return *record;
}

void report_lost_frames(FrameRecord& record) {
  if (record.lost == 0) return;
  std::fprintf(stderr, "GRAPH_SNAPSHOT: could not write %s; %d of %d frames were lost\n", record.first_loss.c_str(),
               record.lost, record.next);
  record.lost = 0;
}

// A refused value is reported once, however many windows and frames ask.
void report_refusal(const std::string& value) {
  struct Reported {
    std::mutex lock;
    std::string value;
  };
  static Reported* const reported = new Reported;
  std::lock_guard guard(reported->lock);
  if (value == reported->value) return;
  reported->value = value;
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
  if (current.setting.kind == SnapshotSetting::Kind::Refused) {
    report_refusal(current.value);
    fail_successful_exit();
  }
  return current;
}

void save_frame(const Surface& surface, const CurrentSetting& current) {
  FrameRecord& record = frame_record();
  std::lock_guard guard(record.lock);
  if (record.pattern != current.value) {
    report_lost_frames(record);
    record.pattern = current.value;
    record.next = 0;
  }
  const std::string path = current.setting.frame_path(record.next++);
  std::string error;
  if (write_png(surface, path, &error)) return;
  if (record.lost++ == 0) record.first_loss = path + ": " + error;
  fail_successful_exit();
}

}  // namespace

void save_snapshot_if_requested(const Surface& surface) {
  const CurrentSetting current = current_setting();
  switch (current.setting.kind) {
    case SnapshotSetting::Kind::File: {
      std::string error;
      if (!write_png(surface, current.setting.path, &error)) {
        std::fprintf(stderr, "GRAPH_SNAPSHOT: could not write %s: %s\n", current.setting.path.c_str(), error.c_str());
        fail_successful_exit();
      }
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

// The process is ending (by ExitProcess, by a return from main, or by a
// signal) with windows open: they are saved as they are, and the frames
// lost are reported. Other threads may still draw; the framebuffer's pixels
// are read atomically. Whoever comes second waits until the first is done.
void finish_snapshots() {
  static std::once_flag finished;
  std::call_once(finished, [] {
    std::vector<std::shared_ptr<Window>> windows;
    {
      UserState& state = user_state();
      std::lock_guard guard(state.lock);
      windows = state.windows;
    }
    for (const auto& window : windows) save_snapshot_if_requested(*window->framebuffer);
    FrameRecord& record = frame_record();
    std::lock_guard guard(record.lock);
    report_lost_frames(record);
  });
}

}  // namespace

void prepare_snapshots() {
  const SnapshotSetting::Kind kind = current_setting().setting.kind;
  if (kind != SnapshotSetting::Kind::File && kind != SnapshotSetting::Kind::Frames) return;
  static const bool prepared = [] {
    // ExitProcess runs the first; a program that returns from main, the second.
    (void)register_exit_callback(finish_snapshots, false);
    std::atexit(finish_snapshots);
    save_before_ending_signals(finish_snapshots);
    return true;
  }();
  (void)prepared;
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
