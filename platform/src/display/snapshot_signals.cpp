#include "display/snapshot_signals.h"

#include <pthread.h>
#include <semaphore.h>
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <mutex>

#include "kernel/process_exit.h"

namespace win32::detail {

namespace {

// The ending signals that come from outside the program's own operations:
// SIGPIPE and SIGXFSZ answer a write of its own (which then fails as the
// program sees), SIGABRT, SIGTRAP and SIGSYS a program in a state not to
// save from; real-time signals are left to the program.
constexpr int kEndingSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1,
                                  SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU};

// The hand-over from the handler to the saving thread. Everything but
// `Pending` and `Wakeup` is written before that thread starts and only read
// after.
void (*Save)() = nullptr;
struct sigaction Previous[NSIG];
sem_t Wakeup;
std::atomic<int> Pending{0};  // the signal handed over; 0 while none is

static_assert(std::atomic<int>::is_always_lock_free);

sigset_t ending_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kEndingSignals) sigaddset(&set, signal);
  return set;
}

// The first signal wins; more that arrive while it is handled add nothing.
void hand_over(int signal) {
  const int saved_errno = errno;
  int none = 0;
  if (Pending.compare_exchange_strong(none, signal)) sem_post(&Wakeup);
  errno = saved_errno;
}

bool is_default(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

// The saving thread; every ending signal is blocked on it, so no handler
// ever interrupts it.
void* save_then_end(void*) {
  for (;;) {
    while (sem_wait(&Wakeup) != 0) {
    }
    const int signal = Pending.load(std::memory_order_acquire);
    Save();
    // The default action ends the process at once: what the console (or
    // anything else) restores at exit is restored first. A handler of
    // someone else's decides that for itself.
    if (is_default(Previous[signal])) run_async_safe_exit_callbacks();
    sigaction(signal, &Previous[signal], nullptr);
    sigset_t just;
    sigemptyset(&just);
    sigaddset(&just, signal);
    pthread_sigmask(SIG_UNBLOCK, &just, nullptr);
    raise(signal);
    // Still here: the handler that was there before let the process go on.
    pthread_sigmask(SIG_BLOCK, &just, nullptr);
    Pending.store(0, std::memory_order_release);
  }
}

// A child made by fork has no saving thread: the signals that still lead
// here go back to what they were before, so that they end it as they would
// have.
void forget_in_child() {
  for (int signal : kEndingSignals) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    if ((current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == hand_over) {
      sigaction(signal, &Previous[signal], nullptr);
    }
  }
}

bool start_saving_thread() {
  const sigset_t ending = ending_set();
  sigset_t before;
  pthread_sigmask(SIG_BLOCK, &ending, &before);  // the new thread inherits the mask
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  pthread_t thread;
  const bool started = pthread_create(&thread, &attributes, save_then_end, nullptr) == 0;
  pthread_attr_destroy(&attributes);
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  return started;
}

}  // namespace

void save_before_ending_signals(void (*save)()) {
  static std::once_flag installed;
  std::call_once(installed, [save] {
    Save = save;
    for (int signal : kEndingSignals) sigaction(signal, nullptr, &Previous[signal]);
    if (sem_init(&Wakeup, 0, 0) != 0 || !start_saving_thread()) return;
    pthread_atfork(nullptr, nullptr, forget_in_child);
    struct sigaction action {};
    action.sa_handler = hand_over;
    action.sa_flags = SA_RESTART;
    action.sa_mask = ending_set();
    for (int signal : kEndingSignals) {
      const struct sigaction& previous = Previous[signal];
      if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_IGN) continue;
      sigaction(signal, &action, nullptr);
    }
  });
}

}  // namespace win32::detail
