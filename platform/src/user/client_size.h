// The client area that a window's outer size leaves, on every platform.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

struct ClientSize {
  int width;
  int height;
};

// What remains of an outer size once the frame and caption that the style
// asks for are taken away, each side between 0 and `largest_side`; a
// maximised window fills the display's full-screen client area, and
// CW_USEDEFAULT is three quarters of the screen.
[[nodiscard]] ClientSize client_size_for(DWORD style, int width, int height, long long largest_side);

}  // namespace win32::detail
