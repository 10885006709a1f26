#include <memory>

#include "console/process_console.h"
#include "console/screen_buffer.h"
#include "in_memory_console.h"
#include "kernel/handle_table.h"

namespace console {

InMemoryHandles OpenInMemoryConsole() {
  const auto made = win32::detail::make_console({});
  return {win32::detail::register_object(made.screen), win32::detail::register_object(made.input)};
}

win32::HANDLE OpenInMemoryScreen(int width, int height) {
  return win32::detail::register_object(
      std::make_shared<win32::detail::ScreenBuffer>(width, height, win32::COORD{0, 0}, win32::WORD{0x07}, -1));
}

}  // namespace console
