#include "display/snapshot.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "display/snapshot_signals.h"
#include "kernel/process_exit.h"

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

void save_frame(const TakePicture& picture, const CurrentSetting& current) {
  FrameRecord& record = frame_record();
  std::lock_guard guard(record.lock);
  if (record.pattern != current.value) {
    report_lost_frames(record);
    record.pattern = current.value;
    record.next = 0;
  }
  const std::string path = current.setting.frame_path(record.next++);
  std::string error;
  if (write_png(picture(), path, &error)) return;
  if (record.lost++ == 0) record.first_loss = path + ": " + error;
  fail_successful_exit();
}

}  // namespace

void save_snapshot_if_requested(const TakePicture& picture) {
  const CurrentSetting current = current_setting();
  switch (current.setting.kind) {
    case SnapshotSetting::Kind::File: {
      std::string error;
      if (!write_png(picture(), current.setting.path, &error)) {
        std::fprintf(stderr, "GRAPH_SNAPSHOT: could not write %s: %s\n", current.setting.path.c_str(), error.c_str());
        fail_successful_exit();
      }
      break;
    }
    case SnapshotSetting::Kind::Frames:
      save_frame(picture, current);
      break;
    case SnapshotSetting::Kind::None:
    case SnapshotSetting::Kind::Refused:
      break;
  }
}

namespace {

std::atomic<OpenWindowPictures> OpenWindows{nullptr};

// The process is ending (by ExitProcess, by a return from main, or by a
// signal) with windows open: they are saved as they are, and the frames
// lost are reported. Whoever comes second waits until the first is done.
void finish_snapshots() {
  static std::once_flag finished;
  std::call_once(finished, [] {
    if (const OpenWindowPictures open = OpenWindows.load()) {
      for (const TakePicture& picture : open()) save_snapshot_if_requested(picture);
    }
    FrameRecord& record = frame_record();
    std::lock_guard guard(record.lock);
    report_lost_frames(record);
  });
}

}  // namespace

void prepare_snapshots(OpenWindowPictures openWindows) {
  OpenWindows.store(openWindows);
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

void save_frame_if_requested(const TakePicture& picture) {
  const CurrentSetting current = current_setting();
  if (current.setting.kind == SnapshotSetting::Kind::Frames) save_frame(picture, current);
}

}  // namespace win32::detail
