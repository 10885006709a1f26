// The display on Windows, chosen once per process from GRAPH_DISPLAY: the
// desktop ("windows", also when GRAPH_DISPLAY is unset or empty), where
// windows are real and shown; or "headless", where they are real windows
// that are never shown, on a virtual screen of GRAPH_SCREEN's size, painted
// by the layer itself so that every picture still reaches the client area.
#pragma once

namespace win32::detail {

enum class Display { Desktop, Headless, None };

[[nodiscard]] Display chosen_display();

// "windows", "headless", or null for no display.
[[nodiscard]] const char* display_name(Display display);

// Says once on standard error why there is no display and how to choose the
// headless one; nothing when there is a display.
void report_missing_display();

}  // namespace win32::detail
