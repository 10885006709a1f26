// The runtime's unhandled-exception filter: processor faults of the
// program's thread become run-time errors.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/exceptions.h"
#include "runtime/errors.h"

namespace runtime::detail {

struct FaultMapping {
  RunErrorCode ErrorNumber;
  bool ResetFPU;
};

// The run-time error for an exception code; nothing for codes the runtime
// passes on.
[[nodiscard]] std::optional<FaultMapping> MapException(win32::DWORD exceptionCode);

win32::LONG RuntimeExceptionFilter(win32::EXCEPTION_POINTERS* exception);

}  // namespace runtime::detail
