// A full memory barrier on every thread of the process at once, for the
// rare side of a synchronisation whose common side must stay free of
// fences: a thread that stores and then loads (a lock being left, a tile
// being marked) keeps the two in order for the compiler only, and the
// thread that needs them in order for the processor too pays for it here.
#pragma once

namespace win32::detail {

// Whether the system offers the barrier (an old kernel may not): without
// it, the common side must fence for itself.
[[nodiscard]] bool process_barrier_available();

// Every thread of the process that runs now executes a full barrier, the
// caller included: afterwards each store another thread made before its
// own later loads is visible here. Does nothing when not available.
void process_wide_barrier();

}  // namespace win32::detail
