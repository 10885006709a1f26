// Processor faults as Win32 exceptions: SetUnhandledExceptionFilter with the
// exception record and the register context a filter sees and may change.
//
// The platform turns the synchronous fault signals (SIGFPE, SIGSEGV, SIGBUS,
// SIGILL) into exception codes and calls the filter on the faulting thread.
// A filter that returns EXCEPTION_CONTINUE_EXECUTION resumes the thread with
// the (possibly modified) context. Any other answer, or no filter, lets the
// fault end the process as the signal would, after the platform's
// async-signal-safe exit callbacks (terminal restore) have run.
//
// The filter runs inside a signal handler: it may only use async-signal-safe
// operations. A stack overflow is delivered on an alternate signal stack that
// belongs to the thread which installed the filter; on other threads it ends
// the process.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"

namespace win32 {

using DWORD64 = std::uint64_t;
using ULONG_PTR = std::uintptr_t;

constexpr DWORD EXCEPTION_DATATYPE_MISALIGNMENT = 0x80000002;
constexpr DWORD EXCEPTION_SINGLE_STEP = 0x80000004;
constexpr DWORD EXCEPTION_ACCESS_VIOLATION = 0xC0000005;
constexpr DWORD EXCEPTION_IN_PAGE_ERROR = 0xC0000006;
constexpr DWORD EXCEPTION_ILLEGAL_INSTRUCTION = 0xC000001D;
constexpr DWORD EXCEPTION_ARRAY_BOUNDS_EXCEEDED = 0xC000008C;
constexpr DWORD EXCEPTION_FLT_DENORMAL_OPERAND = 0xC000008D;
constexpr DWORD EXCEPTION_FLT_DIVIDE_BY_ZERO = 0xC000008E;
constexpr DWORD EXCEPTION_FLT_INEXACT_RESULT = 0xC000008F;
constexpr DWORD EXCEPTION_FLT_INVALID_OPERATION = 0xC0000090;
constexpr DWORD EXCEPTION_FLT_OVERFLOW = 0xC0000091;
constexpr DWORD EXCEPTION_FLT_STACK_CHECK = 0xC0000092;
constexpr DWORD EXCEPTION_FLT_UNDERFLOW = 0xC0000093;
constexpr DWORD EXCEPTION_INT_DIVIDE_BY_ZERO = 0xC0000094;
constexpr DWORD EXCEPTION_INT_OVERFLOW = 0xC0000095;
constexpr DWORD EXCEPTION_PRIV_INSTRUCTION = 0xC0000096;
constexpr DWORD EXCEPTION_STACK_OVERFLOW = 0xC00000FD;

// What a filter answers.
constexpr LONG EXCEPTION_EXECUTE_HANDLER = 1;
constexpr LONG EXCEPTION_CONTINUE_SEARCH = 0;
constexpr LONG EXCEPTION_CONTINUE_EXECUTION = -1;

constexpr DWORD EXCEPTION_MAXIMUM_PARAMETERS = 15;

struct EXCEPTION_RECORD {
  DWORD ExceptionCode;
  DWORD ExceptionFlags;
  EXCEPTION_RECORD* ExceptionRecord;
  void* ExceptionAddress;  // the faulting instruction
  DWORD NumberParameters;
  // Access violation and in-page error: [0] 0 read / 1 write, [1] the address.
  ULONG_PTR ExceptionInformation[EXCEPTION_MAXIMUM_PARAMETERS];
};

// The x87/SSE state of a context (the FXSAVE layout's leading fields).
struct XMM_SAVE_AREA32 {
  WORD ControlWord;
  WORD StatusWord;
  BYTE TagWord;  // abridged: one bit per register, 1 = valid
  DWORD ErrorOffset;  // address of the last x87 instruction
  DWORD64 ErrorOffset64;
  DWORD MxCsr;
};

struct CONTEXT {
  DWORD64 Rax, Rcx, Rdx, Rbx, Rsp, Rbp, Rsi, Rdi;
  DWORD64 R8, R9, R10, R11, R12, R13, R14, R15;
  DWORD64 Rip;
  DWORD EFlags;
  XMM_SAVE_AREA32 FltSave;
};

struct EXCEPTION_POINTERS {
  EXCEPTION_RECORD* ExceptionRecord;
  CONTEXT* ContextRecord;
};

using LPTOP_LEVEL_EXCEPTION_FILTER = LONG (*)(EXCEPTION_POINTERS* exceptionInfo);

// Installs `filter` for the whole process and returns the previous one; null
// removes it. The first non-null filter also gives the calling thread its
// alternate signal stack.
LPTOP_LEVEL_EXCEPTION_FILTER SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter);

// The calling thread's stack: [*lowLimit, *highLimit). Not for use inside a
// filter.
void GetCurrentThreadStackLimits(ULONG_PTR* lowLimit, ULONG_PTR* highLimit);

}  // namespace win32
