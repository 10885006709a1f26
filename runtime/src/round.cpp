// Round on the x87: FISTP converts in the current rounding mode, and an
// operand outside the 32-bit range raises the invalid-operation exception,
// which the program's control word traps (run-time error 207).
#include <cstdint>

#include "runtime/checks.h"
#include "x87.h"

namespace runtime {

namespace {

// Rounding-control bits (10-11) and the invalid-operation mask (bit 0).
constexpr std::uint16_t kRoundingAndInvalidMask = 0x0C01;
// Round to nearest, 64-bit precision, invalid/zero-divide/overflow trapped.
constexpr std::uint16_t kRoundControlWord = 0x1372;

}  // namespace

std::int32_t Round(long double x) {
  const std::uint16_t callerWord = detail::StoreControlWord();
  std::int32_t result;
  // Loading a control word is slow on the x87, so a caller that already
  // rounds to nearest with invalid operations trapped converts directly.
  // FWAIT makes a pending invalid-operation fault strike here, inside Round.
  if ((callerWord & kRoundingAndInvalidMask) == 0) {
    asm volatile("fistpl %0\n\tfwait" : "=m"(result) : "t"(x) : "st");
  } else {
    const std::uint16_t roundWord = kRoundControlWord;
    asm volatile("fldcw %2\n\tfistpl %0\n\tfwait\n\tfldcw %3"
                 : "=m"(result)
                 : "t"(x), "m"(roundWord), "m"(callerWord)
                 : "st");
  }
  return result;
}

}  // namespace runtime
