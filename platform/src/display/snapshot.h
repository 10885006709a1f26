// GRAPH_SNAPSHOT: a window's client area saved as PNG.
//
// A plain path (FILE.png) is one picture, saved when the window is destroyed
// or the process ends. A frame pattern, a path holding one %d or a width form
// of it such as %03d, saves one numbered picture, counted from 0, at the end
// of each frame (display::end_frame) and the last one when the window goes
// away. Any other use of % is refused with one line on standard error, and
// nothing is saved.
//
// A picture that cannot be written (its folder is missing, the disk is full,
// the target is refused by the rules of picture_file.h) is one line on
// standard error that names the path and the reason; for a pattern, one line
// when its frames end, with the number of frames lost. A refused value counts
// as a loss too. After a loss, ExitProcess(0) ends the process with 1.
//
// The settings, the frames' numbering and the reports are the same on every
// platform; a platform provides write_png (its own encoder) and
// save_before_ending_signals (snapshot_signals.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display.h"

namespace win32::detail {

// What a GRAPH_SNAPSHOT value asks for.
struct SnapshotSetting {
  enum class Kind { None, File, Frames, Refused };
  Kind kind = Kind::None;
  std::string path;    // File: the path; Frames: the text before the number
  std::string suffix;  // Frames: the text after the number
  char padding = ' ';  // Frames: '0' or ' ', up to `width` characters
  int width = 0;

  // Frames: the path of frame `number`.
  [[nodiscard]] std::string frame_path(int number) const;
};

[[nodiscard]] SnapshotSetting parse_snapshot_setting(std::string_view value);

// Writes the picture as an 8-bit RGB PNG by the rules of picture_file.h: the
// file appears whole or not at all. On failure, `error` says why. One
// implementation per platform: libpng on POSIX, the Windows Imaging
// Component on Windows.
[[nodiscard]] bool write_png(const display::ClientPicture& picture, const std::string& path, std::string* error);

// A window's picture, taken only when a file is to be written.
using TakePicture = std::function<display::ClientPicture()>;

// The window is going away: saves its picture to the file, or as the last
// frame, that GRAPH_SNAPSHOT asks for.
void save_snapshot_if_requested(const TakePicture& picture);

// The end of a frame: with a frame pattern, saves the next numbered picture.
void save_frame_if_requested(const TakePicture& picture);

// The pictures of the windows that are open.
using OpenWindowPictures = std::vector<TakePicture> (*)();

// Called as each window is created: says at once when GRAPH_SNAPSHOT is
// refused, and makes sure that the windows still open when the process ends,
// however it ends (ExitProcess, a return from main, a signal), are saved.
void prepare_snapshots(OpenWindowPictures openWindows);

}  // namespace win32::detail
