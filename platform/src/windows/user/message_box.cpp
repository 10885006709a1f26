// MessageBoxA: Windows' own on the desktop. A headless process has no one
// to press a button, so there, as on a machine without a desktop, the box is
// one line on standard error and its first button counts as pressed.
#include "user/message_box_line.h"
#include "windows/display/display_choice.h"
#include "windows/native.h"

namespace win32 {

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  if (detail::chosen_display() == detail::Display::Desktop) {
    return ::MessageBoxA(native::to_native(owner), text, caption, type);
  }
  const std::string line = detail::message_box_line(text, caption);
  ::DWORD written = 0;
  (void)::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<::DWORD>(line.size()), &written,
                    nullptr);
  return detail::first_button(type);
}

}  // namespace win32
