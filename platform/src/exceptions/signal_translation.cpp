#include "exceptions/signal_translation.h"

#include <csignal>

#include "platform/exceptions.h"

namespace win32::detail {

namespace {

// x87 status-word flags.
constexpr WORD kX87Invalid = 0x01;
constexpr WORD kX87Denormal = 0x02;
constexpr WORD kX87Underflow = 0x10;
constexpr WORD kX87StackFault = 0x40;

DWORD FloatException(const FaultSignal& fault) {
  // The unmasked x87 exceptions that are pending.
  const WORD raised = fault.x87Status & static_cast<WORD>(~fault.x87Control) & 0x3F;
  switch (fault.code) {
    case FPE_INTDIV: return EXCEPTION_INT_DIVIDE_BY_ZERO;
    case FPE_INTOVF: return EXCEPTION_INT_OVERFLOW;
    case FPE_FLTDIV: return EXCEPTION_FLT_DIVIDE_BY_ZERO;
    case FPE_FLTOVF: return EXCEPTION_FLT_OVERFLOW;
    case FPE_FLTRES: return EXCEPTION_FLT_INEXACT_RESULT;
    case FPE_FLTSUB: return EXCEPTION_ARRAY_BOUNDS_EXCEEDED;
    case FPE_FLTINV:
      // A register-stack overflow or underflow is an invalid operation with
      // the stack-fault flag set.
      if ((fault.x87Status & kX87StackFault) != 0 && (raised & kX87Invalid) != 0) return EXCEPTION_FLT_STACK_CHECK;
      return EXCEPTION_FLT_INVALID_OPERATION;
    case FPE_FLTUND:
      // The kernel reports a denormal operand as an underflow.
      if ((raised & kX87Denormal) != 0 && (raised & kX87Underflow) == 0) return EXCEPTION_FLT_DENORMAL_OPERAND;
      return EXCEPTION_FLT_UNDERFLOW;
    default: return 0;
  }
}

bool NearStackPointer(const FaultSignal& fault) {
  const std::uintptr_t sp = fault.stackPointer;
  const std::uintptr_t below = sp > kStackOverflowReach ? sp - kStackOverflowReach : 0;
  return fault.faultAddress >= below && fault.faultAddress - below <= 2 * kStackOverflowReach;
}

}  // namespace

DWORD ExceptionCodeForSignal(const FaultSignal& fault) {
  if (fault.code <= 0) return 0;  // sent by kill/raise, not a fault
  switch (fault.signal) {
    case SIGFPE: return FloatException(fault);
    case SIGSEGV: return NearStackPointer(fault) ? EXCEPTION_STACK_OVERFLOW : EXCEPTION_ACCESS_VIOLATION;
    case SIGBUS: return fault.code == BUS_ADRALN ? EXCEPTION_DATATYPE_MISALIGNMENT : EXCEPTION_IN_PAGE_ERROR;
    case SIGILL:
      return (fault.code == ILL_PRVOPC || fault.code == ILL_PRVREG) ? EXCEPTION_PRIV_INSTRUCTION
                                                                    : EXCEPTION_ILLEGAL_INSTRUCTION;
    default: return 0;
  }
}

}  // namespace win32::detail
