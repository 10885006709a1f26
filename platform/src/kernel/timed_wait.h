// The wait that every waitable kernel object shares: until a condition holds
// or a number of milliseconds has passed (INFINITE: no limit).
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/kernel.h"

namespace win32::detail {

// Waits on `changed` while holding `lock` until `signalled()` is true.
// Returns WAIT_OBJECT_0 when it is, WAIT_TIMEOUT when the time ran out first.
template <class Predicate>
DWORD wait_until_signalled(std::condition_variable& changed, std::unique_lock<std::mutex>& lock,
                           DWORD milliseconds, Predicate signalled) {
  if (milliseconds == INFINITE) {
    changed.wait(lock, signalled);
    return WAIT_OBJECT_0;
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  return changed.wait_until(lock, deadline, signalled) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

}  // namespace win32::detail
