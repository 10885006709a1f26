// RunProgram: the process entry's part of start-up.
#include "fault_filter.h"
#include "exit_sequence.h"
#include "platform/exceptions.h"
#include "platform/kernel.h"
#include "platform/process_start.h"
#include "system_state.h"
#include "x87.h"

namespace runtime {

namespace {

// Without the null device a closed standard stream stays free for the next
// file opened, and a console taking its keys from that file could wait for
// ever: the program does not start.
[[noreturn]] void EndWithoutStandardStreams() {
  constexpr char kMessage[] = "A standard stream is closed and the null device cannot be opened\r\n";
  win32::DWORD written = 0;
  win32::WriteFile(win32::GetStdHandle(win32::STD_ERROR_HANDLE), kMessage, sizeof kMessage - 1, &written, nullptr);
  win32::ExitProcess(1);
}

}  // namespace

__attribute__((noinline)) void RunProgram(ProcedurePtr mainBody) {
  // First of all, before anything opens a file that could take the place of
  // a closed standard input, output or error.
  if (!win32::process_start::reserve_standard_streams()) EndWithoutStandardStreams();
  IsConsole = true;
  IsLibrary = false;
  win32::SetUnhandledExceptionFilter(&detail::RuntimeExceptionFilter);

  detail::ProgramThreadId = win32::GetCurrentThreadId();
  win32::ULONG_PTR low = 0;
  win32::ULONG_PTR high = 0;
  win32::GetCurrentThreadStackLimits(&low, &high);
  detail::ProgramStackLow = low;
  detail::ProgramStackTop = high;
  // The dump ends with the return into the program's entry.
  detail::ProgramFrameTop = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)) + 2 * sizeof(void*);

  detail::ResetX87(FPUCW);
  mainBody();
  detail::RunExitSequence();
}

}  // namespace runtime
