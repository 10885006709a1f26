// The WIN32GUI driver's mode table, built from the screen metrics.
#pragma once

#include <cstdint>

namespace graph {

// The sizes the mode table is built from: W x H is the largest client area
// of a framed window on the screen, FW x FH the client area of a maximised
// (full-screen) window.
struct ScreenMetrics {
  std::int32_t W;
  std::int32_t H;
  std::int32_t FW;
  std::int32_t FH;
};

// Reads the seven system metrics and derives W, H, FW and FH from them.
[[nodiscard]] ScreenMetrics ReadScreenMetrics();

// Adds every mode of the table whose condition holds for `metrics`, in table
// order, through AddMode.
void AddWin32GUIModes(const ScreenMetrics& metrics);

}  // namespace graph
