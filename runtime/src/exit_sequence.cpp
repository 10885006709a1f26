// The exit sequence and the routines that lead into it.
#include "exit_sequence.h"

#include "platform/exceptions.h"
#include "platform/kernel.h"
#include "runtime/errors.h"
#include "system_state.h"

namespace runtime {

namespace detail {

namespace {

// Output still in a buffer when the program ends is written out, so that a
// Write without WriteLn is not lost.
void FlushStandardOutput() {
  for (TextRec* file : {&Output, &StdOut, &StdErr}) {
    InOutRes = 0;
    if (file->Mode == FileMode::Output) Flush(*file);
  }
  InOutRes = 0;
}

}  // namespace

void RunExitSequence() {
  // An exit procedure or finaliser that raises an error re-enters here and
  // the sequence goes on with what is left of the chain and the table.
  while (ExitProc != nullptr) {
    InOutRes = 0;
    const ProcedurePtr procedure = ExitProc;
    ExitProc = nullptr;
    procedure();
  }
  FinalizeUnits();
  FlushStandardOutput();
  if (ErrorAddr != nullptr) {
    WriteErrorReport(StdOut);
    InOutRes = 0;
  }
  win32::SetUnhandledExceptionFilter(nullptr);
  win32::ExitProcess(ExitCode);
}

void RaiseRunError(std::uint16_t code, const void* address, const void* frame, std::uintptr_t stackLow) {
  if (ErrorProc != nullptr) ErrorProc(code, address, frame);
  ErrorCode = code;
  ExitCode = code;
  ErrorAddr = address;
  ErrorBase = frame;
  DumpStackLow = stackLow;
  RunExitSequence();
}

}  // namespace detail

void Halt(std::uint8_t code) {
  ExitCode = code;
  detail::RunExitSequence();
}

__attribute__((noinline)) void HandleErrorAddrFrame(std::uint16_t code, const void* address, const void* frame) {
  // The frames of the program's thread lie above this one; on any other
  // thread there is no recorded stack to dump.
  const bool programThread = win32::GetCurrentThreadId() == detail::ProgramThreadId;
  const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  detail::RaiseRunError(code, address, frame, programThread ? here : 0);
}

__attribute__((noinline)) void HandleErrorFrame(std::uint16_t code, const void* frame) {
  const auto* record = static_cast<const void* const*>(frame);
  HandleErrorAddrFrame(code, record[1], record[0]);
}

__attribute__((noinline)) void HandleError(std::uint16_t code) {
  HandleErrorFrame(code, __builtin_frame_address(0));
}

__attribute__((noinline)) void RunError(std::uint8_t code) {
  HandleErrorFrame(code, __builtin_frame_address(0));
}

__attribute__((noinline)) void RunError(RunErrorCode code) {
  HandleErrorFrame(static_cast<std::uint8_t>(code), __builtin_frame_address(0));
}

}  // namespace runtime
