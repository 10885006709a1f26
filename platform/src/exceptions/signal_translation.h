// Which Win32 exception a fault signal stands for: a pure function of what
// the signal handler sees, so that it can be tested without faulting.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"

namespace win32::detail {

struct FaultSignal {
  int signal;                  // SIGFPE, SIGSEGV, SIGBUS or SIGILL
  int code;                    // si_code; <= 0 when the signal was sent, not raised by a fault
  std::uintptr_t faultAddress;  // si_addr
  std::uintptr_t stackPointer;  // the faulting thread's stack pointer
  WORD x87Status;
  WORD x87Control;
};

// An access this close to the stack pointer that faults means the stack is
// exhausted: nothing else maps there.
constexpr std::uintptr_t kStackOverflowReach = 64 * 1024;

// The exception code, or 0 when the signal is not a processor fault.
[[nodiscard]] DWORD ExceptionCodeForSignal(const FaultSignal& fault);

}  // namespace win32::detail
