// Round for a caller whose control word does not round to nearest or does
// not trap invalid operations: FISTP under a word that does, so that an
// operand outside the 32-bit range raises run-time error 207 all the same.
#include <cstdint>

#include "runtime/checks.h"
#include "x87.h"

namespace runtime::detail {

namespace {

// Round to nearest, 64-bit precision, invalid/zero-divide/overflow trapped.
constexpr std::uint16_t kRoundControlWord = 0x1372;

}  // namespace

std::int32_t RoundWithRoundingWord(long double x) {
  const std::uint16_t callerWord = StoreControlWord();
  const std::uint16_t roundWord = kRoundControlWord;
  std::int32_t result;
  asm volatile("fldcw %2\n\tfistpl %0\n\tfwait\n\tfldcw %3"
               : "=m"(result)
               : "t"(x), "m"(roundWord), "m"(callerWord)
               : "st");
  return result;
}

}  // namespace runtime::detail
