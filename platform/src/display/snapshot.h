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
#pragma once

#include <string>
#include <string_view>

#include "gdi/surface.h"

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

// Writes the surface as an 8-bit RGB PNG by the rules of picture_file.h: the
// file appears whole or not at all. On failure, `error` says why.
[[nodiscard]] bool write_png(const Surface& surface, const std::string& path, std::string* error);

// The window with this surface is going away: saves it to the file, or as
// the last frame, that GRAPH_SNAPSHOT asks for. A failure is one line on
// standard error.
void save_snapshot_if_requested(const Surface& surface);

// Called as each window is created: says at once when GRAPH_SNAPSHOT is
// refused, and makes sure that windows still open when the process ends,
// however it ends (ExitProcess, a return from main, a signal), are saved.
void prepare_snapshots();

}  // namespace win32::detail
