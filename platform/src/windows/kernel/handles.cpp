// Last errors, closing and waiting: Windows' own, and the layer's console
// objects where a handle names one.
#include "windows/kernel/layer_objects.h"
#include "windows/native.h"

namespace win32 {

DWORD GetLastError() { return ::GetLastError(); }
void SetLastError(DWORD error) { ::SetLastError(error); }

BOOL CloseHandle(HANDLE object) {
  if (detail::release_layer_object(object)) return TRUE;
  return ::CloseHandle(object);
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
  if (auto layer = detail::find_layer_object(object)) return layer->wait(milliseconds);
  return ::WaitForSingleObject(object, milliseconds);
}

}  // namespace win32
