// Processor faults: the filter records the fault and redirects the faulting
// context to a trampoline; the trampoline, running in normal context, raises
// the run-time error, so exit procedures run before the report.
#include "fault_filter.h"

#include <array>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

#include "exit_sequence.h"
#include "system_state.h"
#include "x87.h"

namespace runtime::detail {

namespace {

struct FaultRow {
  win32::DWORD Exception;
  FaultMapping Mapping;
};

using E = RunErrorCode;

constexpr std::array<FaultRow, 15> kFaultTable = {{
    {win32::EXCEPTION_SINGLE_STEP, {E::UnhandledException, false}},
    {win32::EXCEPTION_ACCESS_VIOLATION, {E::GeneralProtectionFault, false}},
    {win32::EXCEPTION_IN_PAGE_ERROR, {E::UnhandledException, false}},
    {win32::EXCEPTION_ILLEGAL_INSTRUCTION, {E::UnhandledException, false}},
    {win32::EXCEPTION_ARRAY_BOUNDS_EXCEEDED, {E::RangeCheckError, false}},
    {win32::EXCEPTION_FLT_DENORMAL_OPERAND, {E::GeneralProtectionFault, true}},
    {win32::EXCEPTION_FLT_DIVIDE_BY_ZERO, {E::DivisionByZero, true}},
    {win32::EXCEPTION_FLT_INVALID_OPERATION, {E::InvalidFloatOperation, true}},
    {win32::EXCEPTION_FLT_OVERFLOW, {E::FloatOverflow, true}},
    {win32::EXCEPTION_FLT_STACK_CHECK, {E::InvalidFloatOperation, true}},
    {win32::EXCEPTION_FLT_UNDERFLOW, {E::FloatUnderflow, true}},
    {win32::EXCEPTION_INT_DIVIDE_BY_ZERO, {E::DivisionByZero, false}},
    {win32::EXCEPTION_INT_OVERFLOW, {E::ArithmeticOverflow, false}},
    {win32::EXCEPTION_PRIV_INSTRUCTION, {E::UnhandledException, false}},
    {win32::EXCEPTION_STACK_OVERFLOW, {E::StackOverflow, false}},
}};

// The stack the trampoline runs on after a stack overflow, when the
// program's own stack has no room left.
constexpr std::size_t kReserveStackSize = 256 * 1024;
alignas(64) unsigned char ReserveStack[kReserveStackSize];

// Below the stack's recorded reservation lies its guard; a thread that
// overflowed has its stack pointer there.
constexpr std::uintptr_t kGuardReach = 256 * 1024;
// The x86-64 red zone below the stack pointer that leaf code may use.
constexpr std::uintptr_t kRedZone = 128;

// x87 status word: exception flags, stack fault, error summary and busy.
constexpr win32::WORD kX87PendingBits = 0x80FF;

bool OnReserveStack(std::uintptr_t sp) {
  const auto low = reinterpret_cast<std::uintptr_t>(ReserveStack);
  return sp >= low && sp <= low + kReserveStackSize;
}

bool OnProgramStack(std::uintptr_t sp) {
  if (ProgramStackTop == 0) return false;
  const std::uintptr_t low = ProgramStackLow > kGuardReach ? ProgramStackLow - kGuardReach : 0;
  return sp >= low && sp <= ProgramStackTop;
}

// The address checker follows the thread onto the reserve stack, so that it
// does not take the reserve stack's frames for a corrupted stack.
void EnterReserveStack() {
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_start_switch_fiber(nullptr, ReserveStack, kReserveStackSize);
  __sanitizer_finish_switch_fiber(nullptr, nullptr, nullptr);
#endif
}

// Runs in normal context on the faulting thread, as if called from the
// faulting instruction.
[[noreturn]] void FaultTrampoline() {
  if (OnReserveStack(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)))) EnterReserveStack();
  const std::uint8_t level = ExceptionLevel - 1;
  ExceptionLevel = level;
  const PendingException pending = PendingExceptions[level];
  if (pending.ResetFPU) ResetX87(FPUCW);
  RaiseRunError(pending.ErrorNumber, pending.Address, pending.Frame,
                reinterpret_cast<std::uintptr_t>(pending.StackLow));
}

}  // namespace

std::optional<FaultMapping> MapException(win32::DWORD exceptionCode) {
  for (const FaultRow& row : kFaultTable)
    if (row.Exception == exceptionCode) return row.Mapping;
  return std::nullopt;
}

win32::LONG RuntimeExceptionFilter(win32::EXCEPTION_POINTERS* exception) {
  const win32::DWORD code = exception->ExceptionRecord->ExceptionCode;
  win32::CONTEXT& context = *exception->ContextRecord;
  const std::optional<FaultMapping> mapping = MapException(code);
  if (!mapping) return win32::EXCEPTION_CONTINUE_SEARCH;

  // Only the program's thread: its own stack, or the reserve stack while an
  // earlier fault is being reported (where it cannot overflow a second time).
  const std::uintptr_t sp = context.Rsp;
  const bool overflow = code == win32::EXCEPTION_STACK_OVERFLOW;
  const bool onReserve = OnReserveStack(sp);
  if (!OnProgramStack(sp) && !(onReserve && !overflow)) return win32::EXCEPTION_CONTINUE_SEARCH;
  if (ExceptionLevel >= kMaxPendingExceptions) return win32::EXCEPTION_CONTINUE_SEARCH;

  const bool onProgramStack = !onReserve;
  PendingExceptions[ExceptionLevel] = {
      exception->ExceptionRecord->ExceptionAddress,
      reinterpret_cast<const void*>(context.Rbp),
      onProgramStack ? reinterpret_cast<const void*>(sp) : nullptr,
      static_cast<std::uint8_t>(mapping->ErrorNumber),
      mapping->ResetFPU,
  };
  ExceptionLevel = ExceptionLevel + 1;

  if (mapping->ResetFPU) context.FltSave.StatusWord &= static_cast<win32::WORD>(~kX87PendingBits);
  const std::uintptr_t base =
      overflow ? reinterpret_cast<std::uintptr_t>(ReserveStack) + kReserveStackSize : sp - kRedZone;
  // As if FaultTrampoline had just been called: 16-byte alignment before the
  // (never used) return address.
  context.Rsp = (base & ~std::uintptr_t{15}) - sizeof(std::uintptr_t);
  context.Rip = reinterpret_cast<std::uintptr_t>(&FaultTrampoline);
  return win32::EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace runtime::detail
