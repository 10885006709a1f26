#include "kernel/screen_metrics.h"

#include <algorithm>
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
  const ScreenChoice choice = choose_screen(value, usable_memory());
  if (!choice.size) {
    std::fprintf(stderr, "%s\n", choice.refusal.c_str());
    ExitProcess(1);
  }
  return headless_metrics_for(*choice.size);
}

std::uint64_t mebibytes(std::uint64_t bytes) { return bytes >> 20; }

}  // namespace

std::optional<ScreenSize> parse_screen_size(std::string_view text) {
  std::size_t separator = text.find('x');
  if (separator == std::string_view::npos) return std::nullopt;
  std::optional<int> width = parse_side(text.substr(0, separator), kSmallestScreen.width);
  std::optional<int> height = parse_side(text.substr(separator + 1), kSmallestScreen.height);
  if (!width || !height) return std::nullopt;
  return ScreenSize{*width, *height};
}

ScreenChoice choose_screen(std::string_view value, std::uint64_t usable_memory) {
  const std::string quoted = "GRAPH_SCREEN=\"" + std::string(value) + "\"";
  const std::optional<ScreenSize> size = parse_screen_size(value);
  if (!size) {
    return {std::nullopt, quoted + " is not a screen size: expected WIDTHxHEIGHT, two decimal numbers from " +
                              std::to_string(kSmallestScreen.width) + "x" + std::to_string(kSmallestScreen.height) +
                              " to " + std::to_string(kLargestScreenSide) + "x" + std::to_string(kLargestScreenSide) +
                              ", for example 1024x768"};
  }
  const std::uint64_t needed = static_cast<std::uint64_t>(size->width) * static_cast<std::uint64_t>(size->height) *
                               kScreenBytesPerPixel;
  if (needed > usable_memory) {
    return {std::nullopt, quoted + " needs " + std::to_string(mebibytes(needed)) +
                              " MiB of memory for its pictures, more than the " +
                              std::to_string(mebibytes(usable_memory)) + " MiB this process may use"};
  }
  return {size, {}};
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
