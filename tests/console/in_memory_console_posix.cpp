#include "console/process_console.h"
#include "in_memory_console.h"
#include "kernel/handle_table.h"

namespace console {

InMemoryHandles OpenInMemoryConsole() {
  const auto made = win32::detail::make_console({});
  return {win32::detail::register_object(made.screen), win32::detail::register_object(made.input)};
}

}  // namespace console
