// GRAPH_SNAPSHOT=FILE.png: a window's client area saved as PNG when the
// window is destroyed or the process ends.
#pragma once

#include <string>

#include "gdi/surface.h"

namespace win32::detail {

// Writes the surface as an 8-bit RGB PNG. The file appears whole or not at
// all (written beside it, then renamed). On failure, `error` says why.
[[nodiscard]] bool write_png(const Surface& surface, const std::string& path, std::string* error);

// Saves the surface to GRAPH_SNAPSHOT's file when the variable is set; a
// failure is one line on standard error.
void save_snapshot_if_requested(const Surface& surface);

// Makes sure that the windows still open when the process ends are saved.
void save_snapshots_at_exit();

}  // namespace win32::detail
