// The table of exit callbacks and the start of the process's end, shared by
// the POSIX and the Windows ExitProcess.
#include <atomic>

#include "kernel/process_exit.h"
#include "platform/kernel.h"

namespace win32::detail {

namespace {

// A slot is published by storing its callback last, so a reader that sees a
// non-null callback also sees the slot's other fields. Everything here is
// lock-free, which is what lets a signal handler walk the table.
struct ExitCallbackSlot {
  std::atomic<ExitCallback> callback{nullptr};
  std::atomic<bool> async_signal_safe{false};
  std::atomic<bool> pending{false};
};

static_assert(std::atomic<ExitCallback>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<DWORD>::is_always_lock_free);

// The process-wide exit state.
ExitCallbackSlot ExitCallbacks[kMaxExitCallbacks];
std::atomic<int> ExitCallbackCount{0};
std::atomic<bool> ExitBegun{false};
std::atomic<DWORD> ExitingThreadId{0};
std::atomic<bool> SuccessfulExitFailed{false};

void run_callbacks(bool only_async_signal_safe) {
  int count = ExitCallbackCount.load(std::memory_order_acquire);
  if (count > kMaxExitCallbacks) count = kMaxExitCallbacks;
  for (int i = count - 1; i >= 0; --i) {
    ExitCallbackSlot& slot = ExitCallbacks[i];
    ExitCallback callback = slot.callback.load(std::memory_order_acquire);
    if (callback == nullptr) continue;  // reserved, not yet published
    if (only_async_signal_safe && !slot.async_signal_safe.load(std::memory_order_relaxed)) continue;
    if (slot.pending.exchange(false, std::memory_order_acq_rel)) callback();
  }
}

}  // namespace

bool register_exit_callback(ExitCallback callback, bool async_signal_safe) {
  if (callback == nullptr || ExitBegun.load(std::memory_order_acquire)) return false;
  int index = ExitCallbackCount.load(std::memory_order_relaxed);
  do {
    if (index >= kMaxExitCallbacks) return false;
  } while (!ExitCallbackCount.compare_exchange_weak(index, index + 1, std::memory_order_acq_rel));
  ExitCallbackSlot& slot = ExitCallbacks[index];
  slot.async_signal_safe.store(async_signal_safe, std::memory_order_relaxed);
  slot.pending.store(true, std::memory_order_relaxed);
  slot.callback.store(callback, std::memory_order_release);
  return true;
}

void run_async_safe_exit_callbacks() {
  run_callbacks(true);
}

bool begin_exit() {
  ExitBegun.store(true, std::memory_order_release);
  // The first thread to call ExitProcess decides the exit code; the same
  // thread calling again from inside a callback just finishes the job.
  const DWORD self = GetCurrentThreadId();
  DWORD owner = 0;
  return ExitingThreadId.compare_exchange_strong(owner, self) || owner == self;
}

void run_exit_callbacks() { run_callbacks(false); }

void fail_successful_exit() { SuccessfulExitFailed.store(true, std::memory_order_release); }

unsigned final_exit_code(unsigned exitCode) {
  return exitCode == 0 && SuccessfulExitFailed.load(std::memory_order_acquire) ? 1 : exitCode;
}

}  // namespace win32::detail
