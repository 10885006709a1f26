// The runtime's private process-wide state: the library table, the pending
// processor exceptions and the program's stack. The public variables are in
// runtime/system.h; both are defined in system_state.cpp.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"
#include "runtime/system.h"

namespace runtime::detail {

struct LibraryEntry {
  ProcedurePtr Init;
  ProcedurePtr Fini;
};

struct LibraryTableRec {
  std::int32_t Count;
  std::int32_t Current;  // libraries 1..Current are initialised
  LibraryEntry Entries[kLibraryCount];
};

extern LibraryTableRec LibraryTable;

// A processor exception that the filter has taken and the trampoline has not
// yet raised.
struct PendingException {
  const void* Address;   // the faulting instruction
  const void* Frame;     // the frame pointer at the fault
  const void* StackLow;  // the stack pointer at the fault: the dump stays above it
  std::uint8_t ErrorNumber;
  bool ResetFPU;
};

constexpr int kMaxPendingExceptions = 16;

extern PendingException PendingExceptions[kMaxPendingExceptions];
extern volatile std::uint8_t ExceptionLevel;

// The program's thread and its stack [ProgramStackLow, ProgramStackTop),
// recorded by RunProgram; ProgramFrameTop is the end of RunProgram's own
// frame record. The stack dump reads only [DumpStackLow, ProgramFrameTop),
// which DumpStackLow, the stack pointer when the error was raised, keeps
// within the part of the stack that is in use.
extern win32::DWORD ProgramThreadId;
extern std::uintptr_t ProgramStackLow;
extern std::uintptr_t ProgramStackTop;
extern std::uintptr_t ProgramFrameTop;
extern std::uintptr_t DumpStackLow;

// The runtime's own library entries.
void InitSystemRuntime();
void InitOsUtilities();
void FinalizeOsUtilities();

}  // namespace runtime::detail
