// A message box where no desktop shows it: the one line that stands for it
// on standard error, and the button that counts as pressed.
#pragma once

#include <string>

#include "platform/user.h"

namespace win32::detail {

// "caption: text" (or just the text), line breaks made spaces, ending in '\n'.
[[nodiscard]] std::string message_box_line(const char* text, const char* caption);

// The box's first button: IDOK, IDABORT, IDYES or IDRETRY.
[[nodiscard]] int first_button(UINT type);

}  // namespace win32::detail
