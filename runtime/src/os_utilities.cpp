// The operating-system utility library: its state, initialiser and finaliser.
#include "runtime/os_utilities.h"

#include "system_state.h"

namespace runtime {

win32::DWORD Win32Platform = 0;
win32::DWORD Win32MajorVersion = 0;
win32::DWORD Win32MinorVersion = 0;
win32::DWORD Win32BuildNumber = 0;
win32::GetDiskFreeSpaceExA_t GetDiskFreeSpaceEx = nullptr;

namespace {

win32::HMODULE KernelLibrary = nullptr;

// Build numbers of the 9x line carry the version in their high word.
constexpr win32::DWORD kBuildNumberMask = 0xFFFF;
constexpr win32::DWORD kFirstBuildWithDiskSpaceEx = 1000;

}  // namespace

namespace detail {

void InitOsUtilities() {
  win32::OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (win32::GetVersionExA(&info)) {
    Win32Platform = info.dwPlatformId;
    Win32MajorVersion = info.dwMajorVersion;
    Win32MinorVersion = info.dwMinorVersion;
    Win32BuildNumber = info.dwBuildNumber;
  }
  const bool offersDiskSpaceEx =
      Win32Platform == win32::VER_PLATFORM_WIN32_NT ||
      (Win32Platform == win32::VER_PLATFORM_WIN32_WINDOWS &&
       (Win32BuildNumber & kBuildNumberMask) >= kFirstBuildWithDiskSpaceEx);
  if (!offersDiskSpaceEx) return;
  KernelLibrary = win32::LoadLibraryA("kernel32");
  if (KernelLibrary != nullptr) {
    GetDiskFreeSpaceEx =
        reinterpret_cast<win32::GetDiskFreeSpaceExA_t>(win32::GetProcAddress(KernelLibrary, "GetDiskFreeSpaceExA"));
  }
}

void FinalizeOsUtilities() {
  if (KernelLibrary == nullptr) return;
  GetDiskFreeSpaceEx = nullptr;
  win32::FreeLibrary(KernelLibrary);
  KernelLibrary = nullptr;
}

}  // namespace detail

}  // namespace runtime
