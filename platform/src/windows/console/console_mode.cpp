#include "windows/console/console_mode.h"

#include <atomic>

#include "kernel/process_exit.h"
#include "windows/native.h"

namespace win32::detail {

namespace {

std::atomic<::HANDLE> ModeInput{nullptr};
std::atomic<::DWORD> SavedMode{0};

void restore_console_mode() {
  const ::HANDLE input = ModeInput.exchange(nullptr);
  if (input != nullptr) ::SetConsoleMode(input, SavedMode.load());
}

// Ctrl+C, Ctrl+Break or the console window closing: restore the console,
// then let the default handling end the process.
::BOOL WINAPI on_console_event(::DWORD) {
  restore_console_mode();
  return FALSE;
}

}  // namespace

void use_console_input(HANDLE input) {
  static std::atomic<bool> done{false};
  if (done.exchange(true)) return;
  ::DWORD mode = 0;
  if (!::GetConsoleMode(input, &mode)) return;
  SavedMode.store(mode);
  ModeInput.store(input);
  (void)register_exit_callback(restore_console_mode, true);
  ::SetConsoleCtrlHandler(&on_console_event, TRUE);
  ::SetConsoleMode(input, ENABLE_PROCESSED_INPUT);
}

}  // namespace win32::detail
