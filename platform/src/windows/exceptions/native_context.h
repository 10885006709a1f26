// The layer's CONTEXT beside Windows' own, whose layout differs by
// processor: one file per processor converts between them.
#pragma once

#include "platform/exceptions.h"
#include "windows/native.h"

namespace win32::detail {

[[nodiscard]] CONTEXT context_from(const ::CONTEXT& native);

// Writes back what a filter may change: the registers, the instruction
// pointer, the flags and the x87/SSE control and status words.
void store_context(const CONTEXT& context, ::CONTEXT& native);

}  // namespace win32::detail
