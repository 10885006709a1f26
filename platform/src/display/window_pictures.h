// What a window's framebuffer shows, as display::ClientPicture.
#pragma once

#include <vector>

#include "display/snapshot.h"
#include "gdi/surface.h"
#include "platform/display.h"

namespace win32::detail {

[[nodiscard]] display::ClientPicture picture_of(const Surface& framebuffer);

// The pictures of the windows that exist, for the snapshots taken when the
// process ends.
[[nodiscard]] std::vector<TakePicture> open_window_pictures();

}  // namespace win32::detail
