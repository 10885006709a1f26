// The runtime's single way out, and the pieces of it that are tested alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/text_file.h"

namespace runtime::detail {

// Exit procedures, finalisers, the report when ErrorAddr is set, ExitProcess.
[[noreturn]] void RunExitSequence();

// Raises a run-time error whose stack dump stays within [stackLow, the top of
// the program's recorded frames); a stackLow of 0 means no dump.
[[noreturn]] void RaiseRunError(std::uint16_t code, const void* address, const void* frame, std::uintptr_t stackLow);

// Finalises the initialised libraries, last initialised first.
void FinalizeUnits();

// Collects the non-zero saved return addresses along the frame chain that
// starts at `frame`, reading only 16-byte frame records that lie wholly in
// [low, high) and stopping when the next frame is not above the previous
// one. Returns how many addresses were stored in `out`.
[[nodiscard]] std::size_t WalkFrames(std::uintptr_t frame, std::uintptr_t low, std::uintptr_t high,
                                     std::span<std::uintptr_t> out);

// "0x" and the address in upper-case hex, at least 8 digits, never cut.
// `buffer` must hold 19 characters; returns the length written.
std::size_t FormatAddress(std::uintptr_t address, char* buffer);

// Writes the report for ErrorCode, ErrorAddr and ErrorBase to `out`.
void WriteErrorReport(TextRec& out);

}  // namespace runtime::detail
