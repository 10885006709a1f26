// The X11 display: real top-level windows on the X server that DISPLAY names.
#pragma once

#include "display/backend.h"

namespace win32::detail {

// Connects to read the screen metrics and keeps that connection; null when
// DISPLAY is unset or no X server answers there.
const DisplayBackend* start_x11_backend();

}  // namespace win32::detail
