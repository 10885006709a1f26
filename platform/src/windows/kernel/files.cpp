// Standard handles and files: Windows' own, except that "CONIN$" and
// "CONOUT$" may be the layer's console objects (windows/console/), which
// ReadFile, WriteFile and GetFileType then reach.
#include "windows/console/console_devices.h"
#include "windows/kernel/layer_objects.h"
#include "windows/native.h"

namespace win32 {

HANDLE GetStdHandle(DWORD which) { return ::GetStdHandle(which); }

HANDLE CreateFileA(const char* name, DWORD access, DWORD shareMode, SECURITY_ATTRIBUTES* attributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) {
  if (name != nullptr && detail::names_console_device(name)) return detail::open_console_device(name, access);
  return ::CreateFileA(name, access, shareMode, reinterpret_cast<::SECURITY_ATTRIBUTES*>(attributes),
                       creationDisposition, flagsAndAttributes, templateFile);
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, OVERLAPPED* overlapped) {
  if (auto object = detail::find_layer_object(file)) {
    DWORD ignored = 0;
    return object->write(buffer, bytesToWrite, bytesWritten != nullptr ? bytesWritten : &ignored);
  }
  ::DWORD written = 0;
  const BOOL done =
      ::WriteFile(file, buffer, bytesToWrite, &written, reinterpret_cast<::OVERLAPPED*>(overlapped));
  if (bytesWritten != nullptr) *bytesWritten = written;
  return done;
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, OVERLAPPED* overlapped) {
  if (auto object = detail::find_layer_object(file)) {
    DWORD ignored = 0;
    return object->read(buffer, bytesToRead, bytesRead != nullptr ? bytesRead : &ignored);
  }
  ::DWORD read = 0;
  const BOOL done = ::ReadFile(file, buffer, bytesToRead, &read, reinterpret_cast<::OVERLAPPED*>(overlapped));
  if (bytesRead != nullptr) *bytesRead = read;
  return done;
}

DWORD GetFileType(HANDLE file) {
  if (auto object = detail::find_layer_object(file)) return object->file_type();
  return ::GetFileType(file);
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD moveMethod) {
  if (auto object = detail::find_layer_object(file)) return object->set_pointer(distance, distanceHigh, moveMethod);
  ::LONG high = distanceHigh != nullptr ? *distanceHigh : 0;
  const ::DWORD low = ::SetFilePointer(file, distance, distanceHigh != nullptr ? &high : nullptr, moveMethod);
  if (distanceHigh != nullptr) *distanceHigh = high;
  return low;
}

}  // namespace win32
