// A console that lives in memory only: an 80 x 25 screen buffer (or one of
// any size) and an input buffer that receives only the key events written
// into it.
#pragma once

#include "platform/win32_types.h"

namespace console {

struct InMemoryHandles {
  win32::HANDLE screen;
  win32::HANDLE input;
};

// Two new handles; CloseHandle lets them go.
[[nodiscard]] InMemoryHandles OpenInMemoryConsole();

// A screen buffer of its own size, in memory, with the cursor at the top left.
[[nodiscard]] win32::HANDLE OpenInMemoryScreen(int width, int height);

}  // namespace console
