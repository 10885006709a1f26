// Events, critical sections and waits.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/kernel.h"

namespace {

using namespace win32;

struct Waiters {
  HANDLE event;
  std::atomic<int> released{0};
};

DWORD wait_on_event(void* parameter) {
  auto* waiters = static_cast<Waiters*>(parameter);
  WaitForSingleObject(waiters->event, INFINITE);
  ++waiters->released;
  return 0;
}

std::vector<HANDLE> start_waiters(Waiters& waiters, int count) {
  std::vector<HANDLE> threads;
  for (int i = 0; i < count; ++i) threads.push_back(CreateThread(nullptr, 0, wait_on_event, &waiters, 0, nullptr));
  return threads;
}

void join_and_close(const std::vector<HANDLE>& threads) {
  for (HANDLE thread : threads) {
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    CloseHandle(thread);
  }
}

TEST(KernelEvent, AutoResetReleasesExactlyOneWaiterPerSet) {
  constexpr int kWaiters = 4;
  Waiters waiters{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
  std::vector<HANDLE> threads = start_waiters(waiters, kWaiters);
  for (int set = 1; set <= kWaiters; ++set) {
    SetEvent(waiters.event);
    while (waiters.released < set) Sleep(1);
    Sleep(20);  // room for a wrongly released second waiter to show up
    EXPECT_EQ(waiters.released, set);
  }
  join_and_close(threads);
  // The last waiter took the signal: the event is non-signalled again.
  EXPECT_EQ(WaitForSingleObject(waiters.event, 0), WAIT_TIMEOUT);
  CloseHandle(waiters.event);
}

TEST(KernelEvent, ManualResetReleasesAllWaitersUntilReset) {
  Waiters waiters{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  std::vector<HANDLE> threads = start_waiters(waiters, 4);
  SetEvent(waiters.event);
  join_and_close(threads);
  EXPECT_EQ(waiters.released, 4);
  EXPECT_EQ(WaitForSingleObject(waiters.event, 0), WAIT_OBJECT_0);
  ResetEvent(waiters.event);
  EXPECT_EQ(WaitForSingleObject(waiters.event, 0), WAIT_TIMEOUT);
  CloseHandle(waiters.event);
}

TEST(KernelEvent, InitialStateAndTimeouts) {
  HANDLE signalled = CreateEventA(nullptr, FALSE, TRUE, nullptr);
  EXPECT_EQ(WaitForSingleObject(signalled, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(signalled, 0), WAIT_TIMEOUT);  // auto-reset took it
  EXPECT_EQ(WaitForSingleObject(signalled, 15), WAIT_TIMEOUT);
  CloseHandle(signalled);
}

TEST(KernelEvent, SameNameOpensTheSameEvent) {
  HANDLE first = CreateEventA(nullptr, TRUE, FALSE, "kernel-test-event");
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  HANDLE second = CreateEventA(nullptr, FALSE, FALSE, "kernel-test-event");
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_NE(first, second);
  SetEvent(second);
  EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0);
  CloseHandle(first);
  CloseHandle(second);
}

TEST(KernelWait, BadOrClosedHandlesFail) {
  HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  EXPECT_TRUE(CloseHandle(event));
  const HANDLE bad_handles[] = {nullptr, INVALID_HANDLE_VALUE, event};
  for (HANDLE handle : bad_handles) {
    SetLastError(0);
    EXPECT_EQ(WaitForSingleObject(handle, INFINITE), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(SetEvent(handle));
    EXPECT_FALSE(CloseHandle(handle));
  }
  // A handle of the wrong kind is as bad as none.
  HANDLE event_handle = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  DWORD code = 0;
  EXPECT_FALSE(GetExitCodeThread(event_handle, &code));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  CloseHandle(event_handle);
  // Handle numbers are never reused.
  HANDLE next = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  EXPECT_NE(next, event);
  CloseHandle(next);
}

struct SharedCounter {
  CRITICAL_SECTION section;
  long value = 0;  // deliberately not atomic: the section protects it
};

DWORD count_under_nested_section(void* parameter) {
  auto* counter = static_cast<SharedCounter*>(parameter);
  for (int i = 0; i < 20000; ++i) {
    EnterCriticalSection(&counter->section);
    EnterCriticalSection(&counter->section);  // the owner may enter again
    long value = counter->value;
    counter->value = value + 1;
    LeaveCriticalSection(&counter->section);
    LeaveCriticalSection(&counter->section);
  }
  return 0;
}

TEST(KernelCriticalSection, ReentryAndMutualExclusion) {
  SharedCounter counter;
  InitializeCriticalSection(&counter.section);
  std::vector<HANDLE> threads;
  for (int i = 0; i < 3; ++i) {
    threads.push_back(CreateThread(nullptr, 0, count_under_nested_section, &counter, 0, nullptr));
  }
  join_and_close(threads);
  EXPECT_EQ(counter.value, 3 * 20000);
  DeleteCriticalSection(&counter.section);
}

DWORD enter_once(void* parameter) {
  auto* counter = static_cast<SharedCounter*>(parameter);
  EnterCriticalSection(&counter->section);
  ++counter->value;
  LeaveCriticalSection(&counter->section);
  return 0;
}

DWORD try_to_enter(void* parameter) {
  return TryEnterCriticalSection(static_cast<CRITICAL_SECTION*>(parameter));
}

// Threads that found the section held sleep until it is left; each leaving
// wakes the next, so all of them get through, round after round.
TEST(KernelCriticalSection, EveryWaiterIsWokenWhenTheSectionIsLeft) {
  constexpr int kRounds = 40;
  constexpr int kWaiters = 4;
  SharedCounter counter;
  InitializeCriticalSection(&counter.section);
  for (int round = 0; round < kRounds; ++round) {
    EnterCriticalSection(&counter.section);
    std::vector<HANDLE> threads;
    for (int i = 0; i < kWaiters; ++i) threads.push_back(CreateThread(nullptr, 0, enter_once, &counter, 0, nullptr));
    Sleep(round % 4);  // some are asleep by now, some still on their way
    LeaveCriticalSection(&counter.section);
    for (HANDLE thread : threads) {
      ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0) << "a waiter was not woken in round " << round;
      CloseHandle(thread);
    }
  }
  EXPECT_EQ(counter.value, kRounds * kWaiters);

  // TryEnter: the owner enters again; another thread is refused.
  ASSERT_TRUE(TryEnterCriticalSection(&counter.section));
  ASSERT_TRUE(TryEnterCriticalSection(&counter.section));
  HANDLE other = CreateThread(nullptr, 0, try_to_enter, &counter.section, 0, nullptr);
  DWORD entered = 2;
  ASSERT_EQ(WaitForSingleObject(other, 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeThread(other, &entered));
  EXPECT_EQ(entered, static_cast<DWORD>(FALSE));
  CloseHandle(other);
  LeaveCriticalSection(&counter.section);
  LeaveCriticalSection(&counter.section);
  DeleteCriticalSection(&counter.section);
}

}  // namespace
