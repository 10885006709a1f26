#include "windows/console/console_devices.h"

#include <memory>

#include "console/console_input.h"
#include "windows/console/memory_screen.h"
#include "windows/console/stream_keys.h"
#include "windows/kernel/layer_objects.h"
#include "windows/native.h"

namespace win32::detail {

namespace {

constexpr int kMemoryScreenWidth = 80;
constexpr int kMemoryScreenHeight = 25;
constexpr WORD kDefaultAttributes = 0x07;

bool standard_input_is_console() {
  ::DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// Made once; each open gives a new handle to the same object.
std::shared_ptr<ConsoleInput> stream_input() {
  static const auto input = std::make_shared<ConsoleInput>(make_windows_stream_keys(::GetStdHandle(STD_INPUT_HANDLE)));
  return input;
}

std::shared_ptr<MemoryScreen> memory_screen() {
  static const auto screen = std::make_shared<MemoryScreen>(kMemoryScreenWidth, kMemoryScreenHeight, kDefaultAttributes);
  return screen;
}

HANDLE open_real(const char* name, DWORD access) {
  return ::CreateFileA(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

bool names_console_device(const char* name) {
  return ::lstrcmpiA(name, "CONIN$") == 0 || ::lstrcmpiA(name, "CONOUT$") == 0;
}

HANDLE open_console_device(const char* name, DWORD access) {
  if (::lstrcmpiA(name, "CONIN$") == 0) {
    if (standard_input_is_console()) return open_real(name, access);
    return register_layer_object(stream_input());
  }
  const HANDLE screen = open_real(name, access);
  if (screen != INVALID_HANDLE_VALUE) return screen;
  return register_layer_object(memory_screen());
}

}  // namespace win32::detail
