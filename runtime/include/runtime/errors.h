// Run-time error numbers and the common error path.
//
// A run-time error ends the program through the exit sequence: exit
// procedures run (last installed first), libraries are finalised in reverse
// order, then the report is written to StdOut and the process exits with the
// error number as its exit code:
//
//   Runtime error 201 at 0x0040A1B2
//     0x0040A1B2
//     0x00401C3E        <- one line per saved return address along the frames
//                       <- an empty line
#pragma once

#include <cstdint>

namespace runtime {

// The numbers that this system raises. Operating-system error numbers from
// file operations are raised as mapped by MapOsError (text_file.h).
enum class RunErrorCode : std::uint8_t {
  AccessDenied = 5,
  FileNotAssigned = 102,
  FileNotOpen = 103,
  FileNotOpenForInput = 104,
  FileNotOpenForOutput = 105,
  DivisionByZero = 200,
  RangeCheckError = 201,
  StackOverflow = 202,
  FloatOverflow = 205,
  FloatUnderflow = 206,
  InvalidFloatOperation = 207,
  ArithmeticOverflow = 215,
  GeneralProtectionFault = 216,
  UnhandledException = 217,
};

// Ends the program normally with exit code `code`: exit procedures and
// finalisers run, no report is written (unless an error is already recorded).
[[noreturn]] void Halt(std::uint8_t code = 0);

// Ends the program with run-time error `code`, reported at the address the
// caller returns to.
[[noreturn]] void RunError(std::uint8_t code);
[[noreturn]] void RunError(RunErrorCode code);

// The common error path. HandleError reports at its caller's return address
// with the caller's frame. HandleErrorFrame reports at the return address
// saved in `frame` and dumps from the frame saved there, i.e. at the caller
// of the function that owns `frame`. HandleErrorAddrFrame takes both.
// Each calls ErrorProc first when it is set, records ErrorCode, ExitCode,
// ErrorAddr and ErrorBase, and runs the exit sequence.
[[noreturn]] void HandleError(std::uint16_t code);
[[noreturn]] void HandleErrorFrame(std::uint16_t code, const void* frame);
[[noreturn]] void HandleErrorAddrFrame(std::uint16_t code, const void* address, const void* frame);

}  // namespace runtime
