#include "kernel/screen_metrics.h"

#include <cstdio>
#include <cstdlib>

#include "platform/kernel.h"
#include "platform/system_metrics.h"

namespace win32::detail {

namespace {

// One side of the size: decimal digits only, no sign or blanks, in range.
std::optional<int> parse_side(std::string_view text, int smallest) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kLargestScreenSide) return std::nullopt;
  }
  if (value < smallest) return std::nullopt;
  return value;
}

ScreenMetrics read_screen_metrics() {
  const char* value = std::getenv("GRAPH_SCREEN");
  if (value == nullptr) return headless_metrics_for(kDefaultHeadlessScreen);
  std::optional<ScreenSize> size = parse_screen_size(value);
  if (!size) {
    std::fprintf(stderr, "GRAPH_SCREEN=\"%s\" is not a screen size: expected WIDTHxHEIGHT, two decimal numbers from %dx%d to %dx%d, for example 1024x768\n",
                 value, kSmallestScreen.width, kSmallestScreen.height, kLargestScreenSide, kLargestScreenSide);
    ExitProcess(1);
  }
  return headless_metrics_for(*size);
}

}  // namespace

std::optional<ScreenSize> parse_screen_size(std::string_view text) {
  std::size_t separator = text.find('x');
  if (separator == std::string_view::npos) return std::nullopt;
  std::optional<int> width = parse_side(text.substr(0, separator), kSmallestScreen.width);
  std::optional<int> height = parse_side(text.substr(separator + 1), kSmallestScreen.height);
  if (!width || !height) return std::nullopt;
  return ScreenSize{*width, *height};
}

int metric_value(const ScreenMetrics& metrics, int index) {
  switch (index) {
    case SM_CXSCREEN: return metrics.screen_width;
    case SM_CYSCREEN: return metrics.screen_height;
    case SM_CYCAPTION: return metrics.caption_height;
    case SM_CXFULLSCREEN: return metrics.full_screen_width;
    case SM_CYFULLSCREEN: return metrics.full_screen_height;
    case SM_CXFRAME: return metrics.frame_width;
    case SM_CYFRAME: return metrics.frame_height;
    default: return 0;
  }
}

ScreenMetrics headless_metrics_for(ScreenSize size) {
  return ScreenMetrics{
      .screen_width = size.width,
      .screen_height = size.height,
      .frame_width = kHeadlessFrameSize,
      .frame_height = kHeadlessFrameSize,
      .caption_height = kHeadlessCaptionHeight,
      .full_screen_width = size.width,
      .full_screen_height = size.height - kHeadlessFullScreenHeightLoss,
  };
}

const ScreenMetrics& headless_screen_metrics() {
  static const ScreenMetrics metrics = read_screen_metrics();
  return metrics;
}

}  // namespace win32::detail
