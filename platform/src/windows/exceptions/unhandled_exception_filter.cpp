// SetUnhandledExceptionFilter on Windows. The libraries and programs are
// built without the unwind tables through which Windows looks for a frame
// that handles an exception (see cmake/ProjectOptions.cmake), so the layer's
// filter is reached through a vectored handler, which Windows calls first.
//
// Only processor faults reach the filter, as on POSIX, with the layer's
// record and context; a filter that answers EXCEPTION_CONTINUE_EXECUTION
// resumes the thread with the context it left. Any other answer, or no
// filter, ends the process with the exception's code, after the exit
// callbacks that are safe at any moment (console restore) have run, and
// without a debugger or an error dialog. Other exceptions (a C++ throw, a
// debugger's) go on to Windows' own handling.
#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

#include "kernel/process_exit.h"
#include "windows/exceptions/native_context.h"

namespace win32 {

namespace {

std::atomic<LPTOP_LEVEL_EXCEPTION_FILTER> CurrentFilter{nullptr};
std::atomic<bool> Installed{false};

// Room for the filter to run in once a stack overflow has used up the
// stack, on the thread that installs the first filter.
constexpr ::ULONG kStackOverflowReserve = 64 * 1024;

constexpr std::array<DWORD, 17> kProcessorFaults = {
    EXCEPTION_ACCESS_VIOLATION,      EXCEPTION_IN_PAGE_ERROR,        EXCEPTION_DATATYPE_MISALIGNMENT,
    EXCEPTION_ILLEGAL_INSTRUCTION,   EXCEPTION_PRIV_INSTRUCTION,     EXCEPTION_ARRAY_BOUNDS_EXCEEDED,
    EXCEPTION_FLT_DENORMAL_OPERAND,  EXCEPTION_FLT_DIVIDE_BY_ZERO,   EXCEPTION_FLT_INEXACT_RESULT,
    EXCEPTION_FLT_INVALID_OPERATION, EXCEPTION_FLT_OVERFLOW,         EXCEPTION_FLT_STACK_CHECK,
    EXCEPTION_FLT_UNDERFLOW,         EXCEPTION_INT_DIVIDE_BY_ZERO,   EXCEPTION_INT_OVERFLOW,
    EXCEPTION_STACK_OVERFLOW,        EXCEPTION_SINGLE_STEP,
};

bool is_processor_fault(DWORD code) {
  return std::find(kProcessorFaults.begin(), kProcessorFaults.end(), code) != kProcessorFaults.end();
}

::LONG WINAPI handle_fault(::EXCEPTION_POINTERS* pointers) {
  const DWORD code = pointers->ExceptionRecord->ExceptionCode;
  if (!is_processor_fault(code)) return EXCEPTION_CONTINUE_SEARCH;
  if (const LPTOP_LEVEL_EXCEPTION_FILTER filter = CurrentFilter.load(std::memory_order_acquire)) {
    EXCEPTION_RECORD record;
    std::memcpy(&record, pointers->ExceptionRecord, sizeof record);
    record.ExceptionRecord = nullptr;
    CONTEXT context = detail::context_from(*pointers->ContextRecord);
    EXCEPTION_POINTERS ours{&record, &context};
    if (filter(&ours) == EXCEPTION_CONTINUE_EXECUTION) {
      detail::store_context(context, *pointers->ContextRecord);
      return EXCEPTION_CONTINUE_EXECUTION;
    }
  }
  detail::run_async_safe_exit_callbacks();
  ::TerminateProcess(::GetCurrentProcess(), code);
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

LPTOP_LEVEL_EXCEPTION_FILTER SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter) {
  if (filter != nullptr && !Installed.exchange(true, std::memory_order_acq_rel)) {
    ::ULONG reserve = kStackOverflowReserve;
    (void)::SetThreadStackGuarantee(&reserve);
    (void)::AddVectoredExceptionHandler(1, &handle_fault);
  }
  return CurrentFilter.exchange(filter, std::memory_order_acq_rel);
}

}  // namespace win32
