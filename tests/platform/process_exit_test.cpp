// ExitProcess and the exit callbacks, each case in a process of its own.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "kernel/process_exit.h"
#include "platform/kernel.h"

namespace {

using namespace win32;

void say_first() { (void)write(STDERR_FILENO, "first;", 6); }
void say_second() { (void)write(STDERR_FILENO, "second;", 7); }
void say_safe() { (void)write(STDERR_FILENO, "safe;", 5); }
void do_nothing() {}
void try_to_register_during_exit() {
  if (!detail::register_exit_callback(say_first, true)) (void)write(STDERR_FILENO, "refused;", 8);
}

class ProcessExit : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ProcessExit, RunsCallbacksLastRegisteredFirstThenExitsWithTheCode) {
  EXPECT_EXIT(
      {
        detail::register_exit_callback(say_first, false);
        detail::register_exit_callback(say_second, true);
        ExitProcess(3);
      },
      testing::ExitedWithCode(3), "^second;first;$");
}

TEST_F(ProcessExit, SignalPathRunsOnlyAsyncSafeCallbacksAndEachRunsOnce) {
  EXPECT_EXIT(
      {
        detail::register_exit_callback(say_first, false);
        detail::register_exit_callback(say_safe, true);
        detail::run_async_safe_exit_callbacks();
        detail::run_async_safe_exit_callbacks();
        (void)write(STDERR_FILENO, "exit;", 5);
        ExitProcess(0);
      },
      testing::ExitedWithCode(0), "^safe;exit;first;$");
}

TEST_F(ProcessExit, NoRegistrationOnceExitHasBegun) {
  EXPECT_EXIT(
      {
        detail::register_exit_callback(try_to_register_during_exit, false);
        ExitProcess(4);
      },
      testing::ExitedWithCode(4), "^refused;$");
}

TEST_F(ProcessExit, TheTableHoldsSixteenCallbacks) {
  EXPECT_EXIT(
      {
        int accepted = 0;
        for (int i = 0; i < detail::kMaxExitCallbacks + 1; ++i) {
          if (detail::register_exit_callback(do_nothing, true)) ++accepted;
        }
        ExitProcess(static_cast<UINT>(accepted));
      },
      testing::ExitedWithCode(16), "");
}

TEST_F(ProcessExit, TextBufferedInCStreamsIsWrittenBeforeTheEnd) {
  EXPECT_EXIT(
      {
        static char buffer[64];
        std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
        std::fputs("buffered;", stderr);
        ExitProcess(5);
      },
      testing::ExitedWithCode(5), "^buffered;$");
}

}  // namespace
