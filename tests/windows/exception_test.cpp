// Structured exceptions reach the layer's filter with its record and
// context, and a filter that changes the context resumes the thread there.
// Each fault happens on a thread of its own, which the filter sends to an
// ending routine.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

#include "platform/exceptions.h"
#include "platform/kernel.h"

namespace windows_test {
namespace {

struct Seen {
  std::atomic<win32::DWORD> code{0};
  std::atomic<std::uintptr_t> information[2] = {};
  std::atomic<win32::WORD> controlWord{0};
};
Seen Last;

[[noreturn]] void EndFaultingThread() { win32::ExitThread(42); }

win32::LONG Redirect(win32::EXCEPTION_POINTERS* exception) {
  Last.code = exception->ExceptionRecord->ExceptionCode;
  Last.information[0] = exception->ExceptionRecord->ExceptionInformation[0];
  Last.information[1] = exception->ExceptionRecord->ExceptionInformation[1];
  Last.controlWord = exception->ContextRecord->FltSave.ControlWord;
  win32::CONTEXT& context = *exception->ContextRecord;
  // As if EndFaultingThread had been called from the faulting instruction.
  context.Rsp = ((context.Rsp - 256) & ~win32::DWORD64{15}) - sizeof(void*);
  context.Rip = reinterpret_cast<std::uintptr_t>(&EndFaultingThread);
  return win32::EXCEPTION_CONTINUE_EXECUTION;
}

volatile int* volatile BadAddress = reinterpret_cast<volatile int*>(std::uintptr_t{16});
volatile int One = 1;
volatile int Zero = 0;
volatile int Sink = 0;
volatile long double ExtendedZero = 0.0L;
volatile long double ExtendedSink = 0.0L;

win32::DWORD WriteThroughBadPointer(void*) {
  *BadAddress = 1;
  return 0;
}

win32::DWORD DivideByZero(void*) {
  Sink = One / Zero;
  return 0;
}

win32::DWORD InvalidExtendedOperation(void*) {
  const std::uint16_t word = 0x1332;
  asm volatile("fninit\n\tfldcw %0" : : "m"(word));
  ExtendedSink = ExtendedZero / ExtendedZero;
  return 0;
}

// Runs `body` on a new thread under the redirecting filter; its exit code.
win32::DWORD FaultOnThread(win32::LPTHREAD_START_ROUTINE body) {
  Last.code = 0;
  const win32::LPTOP_LEVEL_EXCEPTION_FILTER previous = win32::SetUnhandledExceptionFilter(&Redirect);
  const win32::HANDLE thread = win32::CreateThread(nullptr, 0, body, nullptr, 0, nullptr);
  EXPECT_EQ(win32::WaitForSingleObject(thread, 10000), win32::WAIT_OBJECT_0);
  win32::DWORD code = 0;
  EXPECT_TRUE(win32::GetExitCodeThread(thread, &code));
  win32::CloseHandle(thread);
  win32::SetUnhandledExceptionFilter(previous);
  return code;
}

TEST(StructuredExceptions, AnAccessViolationSaysWhereAndHow) {
  EXPECT_EQ(FaultOnThread(&WriteThroughBadPointer), 42U);
  EXPECT_EQ(Last.code, win32::EXCEPTION_ACCESS_VIOLATION);
  EXPECT_EQ(Last.information[0], 1U) << "a write";
  EXPECT_EQ(Last.information[1], 16U);
}

TEST(StructuredExceptions, IntegerDivisionByZero) {
  EXPECT_EQ(FaultOnThread(&DivideByZero), 42U);
  EXPECT_EQ(Last.code, win32::EXCEPTION_INT_DIVIDE_BY_ZERO);
}

TEST(StructuredExceptions, AnInvalidX87OperationUnderControlWord1332) {
  EXPECT_EQ(FaultOnThread(&InvalidExtendedOperation), 42U);
  EXPECT_EQ(Last.code, win32::EXCEPTION_FLT_INVALID_OPERATION);
  // Bit 6 of the stored control word is reserved and reads as 1.
  EXPECT_EQ(Last.controlWord & ~0x40, 0x1332);
}

TEST(StructuredExceptions, StackLimitsEncloseTheCallersFrame) {
  win32::ULONG_PTR low = 0;
  win32::ULONG_PTR high = 0;
  win32::GetCurrentThreadStackLimits(&low, &high);
  const auto here = reinterpret_cast<win32::ULONG_PTR>(__builtin_frame_address(0));
  EXPECT_LT(low, here);
  EXPECT_LT(here, high);
  EXPECT_GE(high - low, 64U * 1024) << "the whole reservation, not the committed part";
}

}  // namespace
}  // namespace windows_test
