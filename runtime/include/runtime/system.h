// The program runtime's process-wide state, its library table and the
// program entry.
//
// Calling order of a program:
//
//   void ProgramBody() {
//     runtime::InitializeUnits();   // first statement: libraries in table order
//     ...                           // the program itself
//   }                               // returning ends the program normally
//   int main() { runtime::RunProgram(&ProgramBody); }
//
// RunProgram installs the unhandled-exception filter, records the program's
// stack, resets the x87 unit with FPUCW and calls the body. It never returns:
// the body's end, Halt, RunError and every fault lead into the exit sequence,
// which ends the process through ExitProcess.
#pragma once

#include <cstdint>

namespace runtime {

using ProcedurePtr = void (*)();
using ErrorProcPtr = void (*)(std::uint16_t code, const void* address, const void* frame);

// ---- Process-wide state ------------------------------------------------------
// Written only by the program's thread.

extern bool IsConsole;         // the process has a console: standard files are opened on its handles
extern bool IsLibrary;         // always false: the image is a program
extern ProcedurePtr ExitProc;  // head of the exit-procedure chain
extern std::uint16_t ExitCode;
extern std::uint16_t ErrorCode;    // the run-time error being reported
extern const void* ErrorAddr;      // where it was raised; non-null means "ended by error"
extern const void* ErrorBase;      // the frame at the error, where the stack dump starts
extern ErrorProcPtr ErrorProc;     // called first with (error number, address, frame)
extern std::uint16_t InOutRes;     // pending result of the last text-file operation, 0 = none
extern std::uint16_t MaxFrameDump;  // dump lines when StdOut is a character device (8)
extern std::uint16_t FPUCW;         // x87 control word loaded at start-up and after a float fault

// The control word FPUCW starts with, which the graphics window's thread
// loads too: round to nearest, 64-bit precision; invalid operation, division
// by zero and overflow trap, the other exceptions are masked.
inline constexpr std::uint16_t kProgramControlWord = 0x1332;

// ---- Library table -----------------------------------------------------------

// The five entries, initialised in this order and finalised in reverse.
enum class LibrarySlot : std::uint8_t {
  SystemRuntime = 0,
  ObjectSupport = 1,
  OperatingSystemUtilities = 2,
  Console = 3,
  Graphics = 4,
};

constexpr int kLibraryCount = 5;

// Fills the entry of `slot` with an initialiser and a finaliser (either may be
// null). A library's public header calls this through an inline variable, so
// a program that includes the header gets the library initialised:
//
//   inline const bool graph_registered =
//       runtime::RegisterLibrary(runtime::LibrarySlot::Graphics, &InitializeGraph, nullptr);
//
// Returns false, changing nothing, for a slot the runtime fills itself or
// once InitializeUnits has begun.
bool RegisterLibrary(LibrarySlot slot, ProcedurePtr init, ProcedurePtr fini);

// Runs the initialisers in table order. The program body's first statement.
void InitializeUnits();

// ---- Program entry -----------------------------------------------------------

[[noreturn]] void RunProgram(ProcedurePtr mainBody);

}  // namespace runtime
