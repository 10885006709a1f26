// Threads: CreateThread, ResumeThread, GetExitCodeThread, ExitThread and
// waiting on a thread handle, over POSIX threads.
#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "kernel/handle_table.h"
#include "kernel/timed_wait.h"
#include "platform/kernel.h"

namespace win32 {

namespace {

// The state of one thread, shared by its handles and by the thread itself,
// so that it outlives whichever lets go last.
class ThreadObject final : public detail::Object {
 public:
  ThreadObject(LPTHREAD_START_ROUTINE start, void* parameter, DWORD id, DWORD suspend_count)
      : start_(start), parameter_(parameter), id_(id), suspend_count_(suspend_count) {}

  DWORD wait(DWORD milliseconds) override {
    std::unique_lock guard(lock_);
    return detail::wait_until_signalled(changed_, guard, milliseconds, [this] { return finished_; });
  }

  DWORD exit_code() {
    std::lock_guard guard(lock_);
    return finished_ ? exit_code_ : STILL_ACTIVE;
  }

  DWORD resume() {
    std::lock_guard guard(lock_);
    DWORD previous = suspend_count_;
    if (suspend_count_ > 0 && --suspend_count_ == 0) changed_.notify_all();
    return previous;
  }

  void wait_until_resumed() {
    std::unique_lock guard(lock_);
    changed_.wait(guard, [this] { return suspend_count_ == 0; });
  }

  void finish(DWORD exit_code) {
    std::lock_guard guard(lock_);
    exit_code_ = exit_code;
    finished_ = true;
    changed_.notify_all();
  }

  LPTHREAD_START_ROUTINE start() const { return start_; }
  void* parameter() const { return parameter_; }
  DWORD id() const { return id_; }

 private:
  const LPTHREAD_START_ROUTINE start_;
  void* const parameter_;
  const DWORD id_;
  std::mutex lock_;
  std::condition_variable changed_;
  DWORD suspend_count_;
  bool finished_ = false;
  DWORD exit_code_ = STILL_ACTIVE;
};

// Thread identifiers are numbered like Win32's: non-zero multiples of 4.
std::atomic<DWORD> NextThreadId{4};
thread_local DWORD CurrentThreadId = 0;
// The exit code that ExitThread leaves for the thread's end; threads that
// CreateThread did not start have none.
thread_local DWORD* CurrentThreadExitCode = nullptr;

DWORD allocate_thread_id() {
  return NextThreadId.fetch_add(4, std::memory_order_relaxed);
}

// Marks the thread finished however it ends: by returning from its routine
// or by ExitThread, whose unwinding runs this destructor.
class FinishOnExit {
 public:
  explicit FinishOnExit(ThreadObject& thread) : thread_(thread) {}
  ~FinishOnExit() { thread_.finish(exit_code); }
  FinishOnExit(const FinishOnExit&) = delete;
  FinishOnExit& operator=(const FinishOnExit&) = delete;

  DWORD exit_code = 0;

 private:
  ThreadObject& thread_;
};

void* thread_main(void* raw_thread) {
  std::unique_ptr<std::shared_ptr<ThreadObject>> owner(static_cast<std::shared_ptr<ThreadObject>*>(raw_thread));
  std::shared_ptr<ThreadObject> self = std::move(*owner);
  owner.reset();
  CurrentThreadId = self->id();
  FinishOnExit finish(*self);
  CurrentThreadExitCode = &finish.exit_code;
  self->wait_until_resumed();
  finish.exit_code = self->start()(self->parameter());
  return nullptr;
}

// Win32 treats the requested size as a minimum, never less than the default.
bool set_stack_size(pthread_attr_t& attributes, SIZE_T requested) {
  std::size_t current = 0;
  if (pthread_attr_getstacksize(&attributes, &current) != 0) return false;
  if (requested <= current) return true;
  return pthread_attr_setstacksize(&attributes, requested) == 0;
}

}  // namespace

DWORD GetCurrentThreadId() {
  if (CurrentThreadId == 0) CurrentThreadId = allocate_thread_id();
  return CurrentThreadId;
}

HANDLE CreateThread(SECURITY_ATTRIBUTES* /*attributes*/, SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                    void* parameter, DWORD creationFlags, DWORD* threadId) {
  if (start == nullptr || (creationFlags & ~(CREATE_SUSPENDED | STACK_SIZE_PARAM_IS_A_RESERVATION)) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  DWORD id = allocate_thread_id();
  DWORD suspend_count = (creationFlags & CREATE_SUSPENDED) != 0 ? 1 : 0;
  auto thread = std::make_shared<ThreadObject>(start, parameter, id, suspend_count);

  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  if (stackSize != 0 && !set_stack_size(attributes, stackSize)) {
    pthread_attr_destroy(&attributes);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HANDLE handle = detail::register_object(thread);
  auto* for_thread = new std::shared_ptr<ThreadObject>(std::move(thread));
  pthread_t posix_thread;
  int result = pthread_create(&posix_thread, &attributes, thread_main, for_thread);
  pthread_attr_destroy(&attributes);
  if (result != 0) {
    delete for_thread;
    (void)detail::release_object(handle);
    SetLastError(result == EAGAIN ? ERROR_NOT_ENOUGH_MEMORY : ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (threadId != nullptr) *threadId = id;
  return handle;
}

DWORD ResumeThread(HANDLE thread) {
  auto target = detail::find<ThreadObject>(thread);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0xFFFFFFFF;
  }
  return target->resume();
}

BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode) {
  auto target = detail::find<ThreadObject>(thread);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (exitCode == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *exitCode = target->exit_code();
  return TRUE;
}

void ExitThread(DWORD exitCode) {
  if (CurrentThreadExitCode != nullptr) *CurrentThreadExitCode = exitCode;
  // pthread_exit unwinds the thread's stack, which runs FinishOnExit.
  pthread_exit(nullptr);
}

}  // namespace win32
