// GetVersionExA: the platform reports itself as an NT system whose version
// numbers are those of the running kernel (uname's release "6.1.0-...").
#include <sys/utsname.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/kernel.h"

namespace win32 {

namespace {

// Reads the leading decimal number of `text` and moves past it and one
// following '.'; 0 when there is none.
DWORD take_version_number(const char*& text) {
  char* end = nullptr;
  unsigned long value = std::strtoul(text, &end, 10);
  if (end == text) return 0;
  text = *end == '.' ? end + 1 : end;
  return static_cast<DWORD>(value);
}

}  // namespace

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  utsname system;
  if (uname(&system) != 0) {
    SetLastError(ERROR_GEN_FAILURE);
    return FALSE;
  }
  const char* release = system.release;
  info->dwMajorVersion = take_version_number(release);
  info->dwMinorVersion = take_version_number(release);
  info->dwBuildNumber = take_version_number(release);
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  // The service-pack text carries the kernel's own name and release.
  std::snprintf(info->szCSDVersion, sizeof info->szCSDVersion, "%.63s %.63s", system.sysname, system.release);
  return TRUE;
}

}  // namespace win32
