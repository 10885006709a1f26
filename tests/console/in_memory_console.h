// A console that lives in memory only: an 80 x 25 screen buffer and an
// input buffer that receives only the key events written into it.
#pragma once

#include "platform/win32_types.h"

namespace console {

struct InMemoryHandles {
  win32::HANDLE screen;
  win32::HANDLE input;
};

// Two new handles; CloseHandle lets them go.
[[nodiscard]] InMemoryHandles OpenInMemoryConsole();

}  // namespace console
