// The screen metrics of the headless display: a virtual screen of 1024 x 768
// unless GRAPH_SCREEN=WxH gives another size. The window frame and caption
// keep their sizes; the full-screen client area follows the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace win32::detail {

struct ScreenSize {
  int width;
  int height;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

// The seven values that GetSystemMetrics reports.
struct ScreenMetrics {
  int screen_width;        // SM_CXSCREEN
  int screen_height;       // SM_CYSCREEN
  int frame_width;         // SM_CXFRAME: sizing frame, each side
  int frame_height;        // SM_CYFRAME
  int caption_height;      // SM_CYCAPTION
  int full_screen_width;   // SM_CXFULLSCREEN: client area of a maximised window
  int full_screen_height;  // SM_CYFULLSCREEN
  friend bool operator==(const ScreenMetrics&, const ScreenMetrics&) = default;
};

// GetSystemMetrics' value for `index` (an SM_ constant) from `metrics`; 0
// for an index that is not one of the seven.
[[nodiscard]] int metric_value(const ScreenMetrics& metrics, int index);

constexpr ScreenSize kDefaultHeadlessScreen{1024, 768};
constexpr int kHeadlessFrameSize = 4;
constexpr int kHeadlessCaptionHeight = 19;
// What a maximised window loses of the screen's height: its caption and the
// task bar.
constexpr int kHeadlessFullScreenHeightLoss = 49;
// The largest side of a window's surface: every window, up to a maximised
// one, fits in the screen.
constexpr int kLargestScreenSide = 16384;
// What a screen asks of memory per pixel: its maximised window's picture
// twice (the window's framebuffer and the graphics library's backing bitmap,
// 4 bytes a pixel each) and room to encode a snapshot of it.
constexpr std::uint64_t kScreenBytesPerPixel = 16;
// The smallest screen on which a framed window and a maximised window still
// have a client area of at least one pixel.
constexpr ScreenSize kSmallestScreen{2 * kHeadlessFrameSize + 1, kHeadlessFullScreenHeightLoss + 1};

// Parses a GRAPH_SCREEN value: two decimal numbers joined by 'x' ("800x600"),
// each within kSmallestScreen..kLargestScreenSide. Anything else is nullopt.
[[nodiscard]] std::optional<ScreenSize> parse_screen_size(std::string_view text);

// The screen that GRAPH_SCREEN=`value` asks for, when it is a screen size
// whose pixels fit in `usable_memory` bytes; otherwise `refusal` is the line
// that says why not.
struct ScreenChoice {
  std::optional<ScreenSize> size;
  std::string refusal;
};
[[nodiscard]] ScreenChoice choose_screen(std::string_view value, std::uint64_t usable_memory);

// The memory this process may use, in bytes: the machine's, or less where a
// limit on its address space or data says so.
[[nodiscard]] std::uint64_t usable_memory();

// The headless display's metrics for a screen of `size`.
[[nodiscard]] ScreenMetrics headless_metrics_for(ScreenSize size);

// The headless display's metrics, from GRAPH_SCREEN, read once per process.
// A value that choose_screen refuses ends the process with its line on
// standard error and exit code 1.
const ScreenMetrics& headless_screen_metrics();

}  // namespace win32::detail
