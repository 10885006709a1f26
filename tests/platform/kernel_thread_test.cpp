// Threads: exit codes, ExitThread, suspended start, handles and waits.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/kernel.h"

namespace {

using namespace win32;

struct Gate {
  HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> ran{false};
  ~Gate() {
    CloseHandle(go);
    CloseHandle(done);
  }
};

DWORD wait_for_gate_then_return_42(void* parameter) {
  auto* gate = static_cast<Gate*>(parameter);
  WaitForSingleObject(gate->go, INFINITE);
  gate->ran = true;
  SetEvent(gate->done);
  return 42;
}

struct SetOnDestruction {
  std::atomic<bool>* flag;
  ~SetOnDestruction() { *flag = true; }
};

[[noreturn]] void leave_from_nested_call() {
  ExitThread(7);
}

DWORD exit_through_exit_thread(void* parameter) {
  SetOnDestruction unwound{static_cast<std::atomic<bool>*>(parameter)};
  leave_from_nested_call();
}

TEST(KernelThread, ExitCodeIsStillActiveWhileRunningThenTheRoutinesResult) {
  Gate gate;
  HANDLE thread = CreateThread(nullptr, 0, wait_for_gate_then_return_42, &gate, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_EQ(WaitForSingleObject(thread, 10), WAIT_TIMEOUT);

  SetEvent(gate.go);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  ASSERT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, 42u);
  // A finished thread stays signalled.
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(KernelThread, ExitThreadEndsOnlyTheCallerWithItsCodeAndUnwindsIt) {
  std::atomic<bool> unwound{false};
  HANDLE thread = CreateThread(nullptr, 0, exit_through_exit_thread, &unwound, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ASSERT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, 7u);
  EXPECT_TRUE(unwound);
  CloseHandle(thread);
}

// The thread reports through an event of its own, since its handle is gone:
// the handle no longer names anything, yet the thread runs to its end.
TEST(KernelThread, ClosingTheHandleDoesNotStopTheThread) {
  Gate gate;
  HANDLE thread = CreateThread(nullptr, 0, wait_for_gate_then_return_42, &gate, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ASSERT_TRUE(CloseHandle(thread));
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
  EXPECT_FALSE(gate.ran);
  SetEvent(gate.go);
  ASSERT_EQ(WaitForSingleObject(gate.done, 10'000), WAIT_OBJECT_0) << "the thread never finished";
  EXPECT_TRUE(gate.ran);
}

TEST(KernelThread, SuspendedThreadStartsWhenResumed) {
  Gate gate;
  SetEvent(gate.go);
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, wait_for_gate_then_return_42, &gate, CREATE_SUSPENDED, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);
  EXPECT_NE(id, GetCurrentThreadId());
  EXPECT_EQ(WaitForSingleObject(thread, 20), WAIT_TIMEOUT);
  EXPECT_FALSE(gate.ran);
  EXPECT_EQ(ResumeThread(thread), 1u);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(gate.ran);
  EXPECT_EQ(ResumeThread(thread), 0u);
  CloseHandle(thread);
}

}  // namespace
