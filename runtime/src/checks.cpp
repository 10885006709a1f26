// The failing side of the checks. Each is reached by a call from the checked
// code, so the error is reported at that call's return address.
#include "runtime/checks.h"

#include "runtime/errors.h"

namespace runtime {

__attribute__((noinline)) void RangeError() {
  HandleErrorFrame(static_cast<std::uint16_t>(RunErrorCode::RangeCheckError), __builtin_frame_address(0));
}

__attribute__((noinline)) void OverflowError() {
  HandleErrorFrame(static_cast<std::uint16_t>(RunErrorCode::ArithmeticOverflow), __builtin_frame_address(0));
}

__attribute__((noinline)) void IOError() {
  const std::uint16_t code = InOutRes;
  InOutRes = 0;
  HandleErrorFrame(code, __builtin_frame_address(0));
}

std::uint16_t IOResult() {
  const std::uint16_t result = InOutRes;
  InOutRes = 0;
  return result;
}

}  // namespace runtime
