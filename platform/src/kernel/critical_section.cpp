// Critical sections: recursive locks that the owner may enter again and
// must leave as often as it entered.
//
// Uncontended, entering is one compare-exchange and leaving one store: the
// graphics driver takes its lock once per pixel. A thread that finds the
// lock held counts itself among the waiters and sleeps on the lock word.
// The owner leaves with a plain store and then looks at that count; a
// waiter that counted itself just before the store must not be missed, so
// the waiter, not the owner, pays for the ordering: it makes every thread
// of the process execute a full barrier (process_wide_barrier) before it
// looks at the lock word. Where the system lacks that barrier the owner
// leaves with an exchange, a full barrier of its own.
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cassert>
#include <cstdint>

#include "kernel/process_barrier.h"
#include "platform/kernel.h"

namespace win32 {

namespace {

struct RecursiveLock {
  std::atomic<std::uint32_t> held{0};  // the word waiters sleep on: 0 free, 1 held
  std::atomic<std::uint32_t> waiters{0};
  std::atomic<const void*> owner{nullptr};
  unsigned recursion = 0;  // touched by the owner only
  // Whether waiters issue the process-wide barrier, so that leaving may be a
  // plain store.
  const bool leaves_with_store = detail::process_barrier_available();
};

// A token of the calling thread, unique among the threads that run.
const void* this_thread_token() {
  static thread_local const char token = 0;
  return &token;
}

RecursiveLock& lock_of(CRITICAL_SECTION* section) {
  assert(section != nullptr && section->impl != nullptr && "critical section used before initialisation");
  return *static_cast<RecursiveLock*>(section->impl);
}

// Sleeps while the lock word is still 1; returns at once when it is not.
// The wake-up is the owner's own, gated by `waiters` alone.
void sleep_while_held(RecursiveLock& lock) {
  static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t));
  (void)syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&lock.held), FUTEX_WAIT_PRIVATE, 1, nullptr, nullptr, 0);
}

void wake_one(RecursiveLock& lock) {
  (void)syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&lock.held), FUTEX_WAKE_PRIVATE, 1, nullptr, nullptr, 0);
}

bool try_take(RecursiveLock& lock) {
  std::uint32_t free = 0;
  return lock.held.compare_exchange_strong(free, 1, std::memory_order_acquire, std::memory_order_relaxed);
}

void wait_and_take(RecursiveLock& lock) {
  lock.waiters.fetch_add(1, std::memory_order_seq_cst);
  detail::process_wide_barrier();
  while (!try_take(lock)) sleep_while_held(lock);
  lock.waiters.fetch_sub(1, std::memory_order_relaxed);
}

void become_owner(RecursiveLock& lock, const void* self) {
  lock.owner.store(self, std::memory_order_relaxed);
  lock.recursion = 1;
}

}  // namespace

void InitializeCriticalSection(CRITICAL_SECTION* section) { section->impl = new RecursiveLock; }

void EnterCriticalSection(CRITICAL_SECTION* section) {
  RecursiveLock& lock = lock_of(section);
  const void* self = this_thread_token();
  // Only this thread ever stores its own token, so a stale value read here
  // is never this thread's.
  if (lock.owner.load(std::memory_order_relaxed) == self) {
    ++lock.recursion;
    return;
  }
  if (!try_take(lock)) wait_and_take(lock);
  become_owner(lock, self);
}

BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) {
  RecursiveLock& lock = lock_of(section);
  const void* self = this_thread_token();
  if (lock.owner.load(std::memory_order_relaxed) == self) {
    ++lock.recursion;
    return TRUE;
  }
  if (!try_take(lock)) return FALSE;
  become_owner(lock, self);
  return TRUE;
}

void LeaveCriticalSection(CRITICAL_SECTION* section) {
  RecursiveLock& lock = lock_of(section);
  // Leaving a section one does not hold is a bug in the caller.
  assert(lock.owner.load(std::memory_order_relaxed) == this_thread_token() &&
         "critical section left by a thread that does not own it");
  if (--lock.recursion > 0) return;
  lock.owner.store(nullptr, std::memory_order_relaxed);
  if (lock.leaves_with_store) {
    lock.held.store(0, std::memory_order_release);
    // The load below stays after the store for the compiler; a waiter's
    // process-wide barrier keeps them in order for the processor.
    std::atomic_signal_fence(std::memory_order_seq_cst);
  } else {
    (void)lock.held.exchange(0, std::memory_order_seq_cst);
  }
  if (lock.waiters.load(std::memory_order_seq_cst) != 0) wake_one(lock);
}

void DeleteCriticalSection(CRITICAL_SECTION* section) {
  RecursiveLock* lock = &lock_of(section);
  assert(lock->held.load(std::memory_order_relaxed) == 0 && "critical section deleted while held");
  delete lock;
  section->impl = nullptr;
}

}  // namespace win32
