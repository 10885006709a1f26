// Operating-system error numbers (errno) as Win32 error numbers.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

// Which operation failed; an input/output error is a read fault, a write
// fault or a general failure depending on it.
enum class IoDirection { kRead, kWrite, kOther };

[[nodiscard]] DWORD error_from_errno(int error, IoDirection direction = IoDirection::kOther);

// SetLastError(error_from_errno(errno, direction)).
void set_last_error_from_errno(IoDirection direction = IoDirection::kOther);

}  // namespace win32::detail
