// CloseHandle and WaitForSingleObject over the handle table.
#include "kernel/handle_table.h"
#include "platform/kernel.h"

namespace win32 {

BOOL CloseHandle(HANDLE object) {
  // The object itself lives on while a call on another thread still uses it;
  // a thread goes on running after its handle is closed.
  if (!detail::release_object(object)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
  auto target = detail::find_object(object);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return target->wait(milliseconds);
}

}  // namespace win32
