// Work that must happen when the process ends: ExitProcess runs the
// registered callbacks, last registered first, before the process goes away.
//
// The storage is fixed (16 entries) and registering never allocates, so a
// fault handler can run the async-signal-safe callbacks while the process
// is in any state.
#pragma once

namespace win32::detail {

using ExitCallback = void (*)();

constexpr int kMaxExitCallbacks = 16;

// Adds `callback` to the callbacks that ExitProcess runs. `async_signal_safe`
// says that the callback only uses async-signal-safe operations, so that it
// may also run from a signal handler. Returns false, and registers nothing,
// when the table is full or the process has already begun to exit.
bool register_exit_callback(ExitCallback callback, bool async_signal_safe);

// Runs the async-signal-safe callbacks that have not run yet, last registered
// first. May be called from a signal handler, for example before a fatal
// signal is allowed to end the process. Each callback runs at most once per
// process, whichever of this function and ExitProcess reaches it first.
void run_async_safe_exit_callbacks();

// Something the process was asked to produce has been lost (a snapshot that
// could not be written): from now on ExitProcess(0) ends the process with
// exit code 1, so that the caller sees the loss. Other exit codes stay.
void fail_successful_exit();

// ExitProcess's part before the process ends. begin_exit() says that exit has
// begun (no callback is registered after it) and returns false to every
// thread but the first to call it, which must then wait for the process to
// end; run_exit_callbacks() runs every callback that has not run yet.
[[nodiscard]] bool begin_exit();
void run_exit_callbacks();

// The exit code that ExitProcess(exitCode) ends the process with, once the
// callbacks have run: 1 in place of 0 after fail_successful_exit.
[[nodiscard]] unsigned final_exit_code(unsigned exitCode);

}  // namespace win32::detail
