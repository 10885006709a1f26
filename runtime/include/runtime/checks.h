// The checks that turn faults of a program's own arithmetic and I/O into
// numbered run-time errors, and Round.
//
// The checks are inline so that the common, passing case costs a compare;
// the failing case calls a small out-of-line routine that reports the error
// at the address in the program where the check failed.
#pragma once

#include <cstdint>

#include "runtime/system.h"

namespace runtime {

// Out-of-line failure paths: each raises its error at its caller.
[[noreturn]] void RangeError();     // 201
[[noreturn]] void OverflowError();  // 215
[[noreturn]] void IOError();        // the pending InOutRes (taken and cleared)

// Range check: `value` within lower..upper, else run-time error 201.
// Returns `value` so it can be used in place.
[[nodiscard]] inline std::int32_t RangeCheck(std::int32_t value, std::int32_t lower, std::int32_t upper) {
  if (value < lower || value > upper) [[unlikely]]
    RangeError();
  return value;
}

// Overflow check on a 32-bit signed multiply: run-time error 215 when the
// product does not fit.
[[nodiscard]] inline std::int32_t CheckedMultiply(std::int32_t a, std::int32_t b) {
  std::int32_t product;
  if (__builtin_mul_overflow(a, b, &product)) [[unlikely]]
    OverflowError();
  return product;
}

// I/O check after a text-file operation: a pending InOutRes is taken,
// cleared and raised as a run-time error.
inline void IOCheck() {
  if (InOutRes != 0) [[unlikely]]
    IOError();
}

// Takes and clears the pending I/O result, for a program that checks by hand.
[[nodiscard]] std::uint16_t IOResult();

namespace detail {

// Round under a control word of its own (0x1372), the caller's restored.
[[nodiscard]] std::int32_t RoundWithRoundingWord(long double x);

}  // namespace detail

// Rounds an extended value to a 32-bit signed integer on the x87, to nearest
// with ties to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0). A value outside the
// 32-bit range (or a NaN) raises run-time error 207 where Round is called.
// The caller's control word is kept: when it already rounds to nearest and
// traps invalid operations (as FPUCW does) it is used as it is; otherwise
// 0x1372 is loaded for the conversion and the caller's word restored
// afterwards.
//
// Inline: an extended value handed to a routine out of line goes through
// memory, which costs more than the conversion. FWAIT makes a pending
// invalid-operation fault strike at once.
[[nodiscard]] inline std::int32_t Round(long double x) {
  // Rounding-control bits (10-11) and the invalid-operation mask (bit 0).
  constexpr std::uint16_t kRoundingAndInvalidMask = 0x0C01;
  std::uint16_t callerWord;
  asm volatile("fnstcw %0" : "=m"(callerWord));
  if ((callerWord & kRoundingAndInvalidMask) != 0) [[unlikely]]
    return detail::RoundWithRoundingWord(x);
  std::int32_t result;
  asm volatile("fistpl %0\n\tfwait" : "=m"(result) : "t"(x) : "st");
  return result;
}

}  // namespace runtime
