// Which exception the platform reports for each fault signal.
#include <gtest/gtest.h>

#include <csignal>

#include "exceptions/signal_translation.h"
#include "platform/exceptions.h"

namespace {

using win32::detail::ExceptionCodeForSignal;
using win32::detail::FaultSignal;

constexpr std::uintptr_t kStack = 0x7ffd00100000;
constexpr win32::WORD kProgramControlWord = 0x1332;

FaultSignal Fault(int signal, int code, std::uintptr_t address = 0x1000, win32::WORD status = 0) {
  return {signal, code, address, kStack, status, kProgramControlWord};
}

TEST(SignalTranslation, FloatingPointAndIntegerArithmetic) {
  const std::pair<FaultSignal, win32::DWORD> cases[] = {
      {Fault(SIGFPE, FPE_FLTDIV, 0, 0x04), win32::EXCEPTION_FLT_DIVIDE_BY_ZERO},
      {Fault(SIGFPE, FPE_FLTINV, 0, 0x01), win32::EXCEPTION_FLT_INVALID_OPERATION},
      {Fault(SIGFPE, FPE_FLTINV, 0, 0x41), win32::EXCEPTION_FLT_STACK_CHECK},
      {Fault(SIGFPE, FPE_FLTOVF, 0, 0x08), win32::EXCEPTION_FLT_OVERFLOW},
      {Fault(SIGFPE, FPE_FLTUND, 0, 0x10), win32::EXCEPTION_FLT_UNDERFLOW},
      {{SIGFPE, FPE_FLTUND, 0, kStack, 0x02, 0x1330}, win32::EXCEPTION_FLT_DENORMAL_OPERAND},
      {Fault(SIGFPE, FPE_FLTRES), win32::EXCEPTION_FLT_INEXACT_RESULT},
      {Fault(SIGFPE, FPE_INTDIV), win32::EXCEPTION_INT_DIVIDE_BY_ZERO},
      {Fault(SIGFPE, FPE_INTOVF), win32::EXCEPTION_INT_OVERFLOW},
  };
  for (const auto& [fault, expected] : cases) EXPECT_EQ(ExceptionCodeForSignal(fault), expected) << fault.code;
}

TEST(SignalTranslation, AFaultNearTheStackPointerIsAStackOverflow) {
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGSEGV, SEGV_MAPERR, kStack - 8)), win32::EXCEPTION_STACK_OVERFLOW);
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGSEGV, SEGV_ACCERR, kStack - 4096)), win32::EXCEPTION_STACK_OVERFLOW);
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGSEGV, SEGV_MAPERR, 16)), win32::EXCEPTION_ACCESS_VIOLATION);
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGSEGV, SEGV_MAPERR, kStack - 1024 * 1024)),
            win32::EXCEPTION_ACCESS_VIOLATION);
  // A stack pointer near address zero does not wrap around.
  EXPECT_EQ(ExceptionCodeForSignal({SIGSEGV, SEGV_MAPERR, 16, 32, 0, kProgramControlWord}),
            win32::EXCEPTION_STACK_OVERFLOW);
}

TEST(SignalTranslation, BusAndInstructionFaults) {
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGBUS, BUS_ADRERR)), win32::EXCEPTION_IN_PAGE_ERROR);
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGBUS, BUS_ADRALN)), win32::EXCEPTION_DATATYPE_MISALIGNMENT);
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGILL, ILL_ILLOPC)), win32::EXCEPTION_ILLEGAL_INSTRUCTION);
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGILL, ILL_PRVOPC)), win32::EXCEPTION_PRIV_INSTRUCTION);
}

TEST(SignalTranslation, SignalsSentByAProcessAreNotFaults) {
  for (int code : {SI_USER, SI_QUEUE, SI_TKILL}) {
    EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGSEGV, code)), 0u);
    EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGFPE, code)), 0u);
  }
  EXPECT_EQ(ExceptionCodeForSignal(Fault(SIGTERM, 1)), 0u);
}

}  // namespace
