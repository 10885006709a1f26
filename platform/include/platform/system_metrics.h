// GetSystemMetrics: the screen and window-frame sizes of the display.
#pragma once

#include "platform/win32_types.h"

namespace win32 {

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;

// The value of one metric; 0 for a metric the platform does not know.
int GetSystemMetrics(int index);

}  // namespace win32
