// Libraries by name. The platform has one library, "kernel32", always part of
// the process; LoadLibraryA counts references to it, and its one optional
// entry, GetDiskFreeSpaceExA, is found by name. The program itself is the
// module that GetModuleHandleA(nullptr) names.
#include <strings.h>

#include <cstdint>
#include <cstring>
#include <mutex>

#include "platform/kernel.h"

// Start of the executable's image, defined by the linker (0x400000 for the
// fixed-address executables of this project, as on Win32).
extern "C" char __executable_start;

namespace win32 {

namespace {

struct Kernel32Module {
  std::mutex lock;
  unsigned load_count = 0;
};

Kernel32Module& kernel32() {
  static Kernel32Module* instance = new Kernel32Module;  // outlives static destruction
  return *instance;
}

HMODULE kernel32_handle() {
  return reinterpret_cast<HMODULE>(&kernel32());
}

HMODULE program_instance() {
  return reinterpret_cast<HMODULE>(&__executable_start);
}

// "kernel32" or "kernel32.dll", in any case.
bool names_kernel32(const char* name) {
  return strcasecmp(name, "kernel32") == 0 || strcasecmp(name, "kernel32.dll") == 0;
}

struct NamedProcedure {
  const char* name;
  FARPROC address;
};

const NamedProcedure kKernel32Procedures[] = {
    {"GetDiskFreeSpaceExA", reinterpret_cast<FARPROC>(&GetDiskFreeSpaceExA)},
};

// Win32 lets a procedure be named by ordinal: a "pointer" below 0x10000.
bool is_ordinal(const char* name) {
  return reinterpret_cast<std::uintptr_t>(name) < 0x10000;
}

}  // namespace

HMODULE LoadLibraryA(const char* name) {
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!names_kernel32(name)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  Kernel32Module& module = kernel32();
  std::lock_guard guard(module.lock);
  ++module.load_count;
  return kernel32_handle();
}

BOOL FreeLibrary(HMODULE module) {
  if (module != kernel32_handle()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Kernel32Module& state = kernel32();
  std::lock_guard guard(state.lock);
  // More frees than loads is a caller's bug; Win32 would unload a library
  // still in use. Refuse instead.
  if (state.load_count == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  --state.load_count;
  return TRUE;
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
  if (module != kernel32_handle() && module != program_instance()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (module == kernel32_handle() && !is_ordinal(name)) {
    for (const NamedProcedure& procedure : kKernel32Procedures) {
      if (std::strcmp(procedure.name, name) == 0) return procedure.address;
    }
  }
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}

HMODULE GetModuleHandleA(const char* name) {
  if (name == nullptr) return program_instance();
  if (names_kernel32(name)) return kernel32_handle();
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

}  // namespace win32
