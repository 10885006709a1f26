// Threads over Windows' own. The layer's thread routines have the C calling
// convention, Windows' the WINAPI one (they differ on 32-bit Windows), so
// each thread starts in a routine of Windows' kind that calls the layer's.
#include <memory>

#include "windows/native.h"

namespace win32 {

namespace {

struct ThreadStart {
  LPTHREAD_START_ROUTINE start;
  void* parameter;
};

::DWORD WINAPI start_thread(::LPVOID block) {
  const ThreadStart start = *static_cast<ThreadStart*>(block);
  delete static_cast<ThreadStart*>(block);
  return start.start(start.parameter);
}

}  // namespace

HANDLE CreateThread(SECURITY_ATTRIBUTES* attributes, SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                    void* parameter, DWORD creationFlags, DWORD* threadId) {
  if (start == nullptr) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto block = std::make_unique<ThreadStart>(ThreadStart{start, parameter});
  ::DWORD id = 0;
  const HANDLE thread = ::CreateThread(reinterpret_cast<::SECURITY_ATTRIBUTES*>(attributes), stackSize,
                                       &start_thread, block.get(), creationFlags, &id);
  if (thread == nullptr) return nullptr;
  block.release();  // the new thread frees it
  if (threadId != nullptr) *threadId = id;
  return thread;
}

DWORD ResumeThread(HANDLE thread) { return ::ResumeThread(thread); }

BOOL GetExitCodeThread(HANDLE thread, DWORD* exitCode) {
  ::DWORD code = 0;
  if (!::GetExitCodeThread(thread, &code)) return FALSE;
  if (exitCode != nullptr) *exitCode = code;
  return TRUE;
}

void ExitThread(DWORD exitCode) { ::ExitThread(exitCode); }
DWORD GetCurrentThreadId() { return ::GetCurrentThreadId(); }
void Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

}  // namespace win32
