#include <memory>

#include "console/console_input.h"
#include "in_memory_console.h"
#include "windows/console/memory_screen.h"
#include "windows/kernel/layer_objects.h"

namespace console {

InMemoryHandles OpenInMemoryConsole() {
  return {win32::detail::register_layer_object(std::make_shared<win32::detail::MemoryScreen>(80, 25, 0x07)),
          win32::detail::register_layer_object(std::make_shared<win32::detail::ConsoleInput>(nullptr))};
}

win32::HANDLE OpenInMemoryScreen(int width, int height) {
  return win32::detail::register_layer_object(std::make_shared<win32::detail::MemoryScreen>(width, height, 0x07));
}

}  // namespace console
