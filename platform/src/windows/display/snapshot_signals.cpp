// Snapshots of a process that Ctrl+C, Ctrl+Break or the closing of its
// console window ends: Windows runs the handler on a thread of its own, in
// normal context, so it saves the windows there and then lets the default
// handling end the process as it would have.
#include "display/snapshot_signals.h"

#include <atomic>

#include "windows/native.h"

namespace win32::detail {

namespace {

std::atomic<void (*)()> SaveAtEnd{nullptr};

::BOOL WINAPI on_console_event(::DWORD) {
  if (const auto save = SaveAtEnd.load()) save();
  return FALSE;
}

}  // namespace

void save_before_ending_signals(void (*save)()) {
  if (SaveAtEnd.exchange(save) == nullptr) ::SetConsoleCtrlHandler(&on_console_event, TRUE);
}

}  // namespace win32::detail
