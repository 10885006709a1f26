// RunProgram: the process entry's part of start-up.
#include "fault_filter.h"
#include "exit_sequence.h"
#include "platform/exceptions.h"
#include "platform/kernel.h"
#include "system_state.h"
#include "x87.h"

namespace runtime {

__attribute__((noinline)) void RunProgram(ProcedurePtr mainBody) {
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
