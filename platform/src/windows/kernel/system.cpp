// The version query, libraries by name and the optional kernel32 entry.
//
// GetProcAddress hands out the layer's own entries (the C calling convention
// of the layer's routine types), never Windows' (WINAPI, a different
// convention on 32-bit Windows); the layer has one: GetDiskFreeSpaceExA of
// kernel32.
#include <cstdint>
#include <cstring>

#include "windows/native.h"

namespace win32 {

namespace {

struct NamedProcedure {
  const char* name;
  FARPROC address;
};

const NamedProcedure kKernel32Procedures[] = {
    {"GetDiskFreeSpaceExA", reinterpret_cast<FARPROC>(&GetDiskFreeSpaceExA)},
};

// Win32 lets a procedure be named by ordinal: a "pointer" below 0x10000.
bool is_ordinal(const char* name) { return reinterpret_cast<std::uintptr_t>(name) < 0x10000; }

}  // namespace

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  return ::GetVersionExA(reinterpret_cast<::OSVERSIONINFOA*>(info));
}

HMODULE LoadLibraryA(const char* name) { return native::from_native(::LoadLibraryA(name)); }
BOOL FreeLibrary(HMODULE module) { return ::FreeLibrary(native::to_native(module)); }
HMODULE GetModuleHandleA(const char* name) { return native::from_native(::GetModuleHandleA(name)); }

FARPROC GetProcAddress(HMODULE module, const char* name) {
  if (module == nullptr) {
    ::SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (name == nullptr) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const bool kernel32 = native::to_native(module) == ::GetModuleHandleA("kernel32");
  if (kernel32 && !is_ordinal(name)) {
    for (const NamedProcedure& procedure : kKernel32Procedures) {
      if (std::strcmp(procedure.name, name) == 0) return procedure.address;
    }
  }
  ::SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}

BOOL GetDiskFreeSpaceExA(const char* directory, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* totalBytes,
                         ULARGE_INTEGER* totalFreeBytes) {
  return ::GetDiskFreeSpaceExA(directory, reinterpret_cast<::ULARGE_INTEGER*>(freeToCaller),
                               reinterpret_cast<::ULARGE_INTEGER*>(totalBytes),
                               reinterpret_cast<::ULARGE_INTEGER*>(totalFreeBytes));
}

}  // namespace win32
