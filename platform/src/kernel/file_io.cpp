// ReadFile, WriteFile, GetFileType and SetFilePointer on any FileObject.
#include <memory>

#include "kernel/file_object.h"

namespace win32 {

namespace {

std::shared_ptr<detail::FileObject> find_file(HANDLE handle) {
  auto file = detail::find<detail::FileObject>(handle);
  if (file == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

}  // namespace

BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, OVERLAPPED* overlapped) {
  DWORD ignored = 0;
  DWORD& written = bytesWritten != nullptr ? *bytesWritten : ignored;
  written = 0;
  // Every handle of this platform is synchronous.
  if (overlapped != nullptr || (buffer == nullptr && bytesToWrite > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto object = find_file(file);
  if (object == nullptr) return FALSE;
  if (bytesToWrite == 0) return TRUE;
  return object->write(buffer, bytesToWrite, &written);
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, OVERLAPPED* overlapped) {
  DWORD ignored = 0;
  DWORD& read = bytesRead != nullptr ? *bytesRead : ignored;
  read = 0;
  if (overlapped != nullptr || (buffer == nullptr && bytesToRead > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto object = find_file(file);
  if (object == nullptr) return FALSE;
  return object->read(buffer, bytesToRead, &read);
}

DWORD GetFileType(HANDLE file) {
  auto object = find_file(file);
  return object == nullptr ? FILE_TYPE_UNKNOWN : object->file_type();
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD moveMethod) {
  auto object = find_file(file);
  return object == nullptr ? INVALID_SET_FILE_POINTER : object->set_pointer(distance, distanceHigh, moveMethod);
}

}  // namespace win32
