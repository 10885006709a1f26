// GetLastError and SetLastError: one error number per thread, as on Win32.
#include "platform/kernel.h"

namespace win32 {

namespace {
thread_local DWORD LastError = ERROR_SUCCESS;
}  // namespace

DWORD GetLastError() {
  return LastError;
}

void SetLastError(DWORD error) {
  LastError = error;
}

}  // namespace win32
