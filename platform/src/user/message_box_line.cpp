#include "user/message_box_line.h"

namespace win32::detail {

std::string message_box_line(const char* text, const char* caption) {
  std::string line;
  if (caption && *caption) line += std::string(caption) + ": ";
  line += text ? text : "";
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  line += '\n';
  return line;
}

int first_button(UINT type) {
  switch (type & 0xF) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
  }
}

}  // namespace win32::detail
