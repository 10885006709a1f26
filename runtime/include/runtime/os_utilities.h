// The operating-system utility library: the Windows version, read at
// start-up, and the optional kernel32 entry "GetDiskFreeSpaceExA", looked up
// by name where the platform offers it (NT, or 9x build 1000 and later).
#pragma once

#include "platform/kernel.h"

namespace runtime {

extern win32::DWORD Win32Platform;
extern win32::DWORD Win32MajorVersion;
extern win32::DWORD Win32MinorVersion;
extern win32::DWORD Win32BuildNumber;
extern win32::GetDiskFreeSpaceExA_t GetDiskFreeSpaceEx;  // null when not looked up

}  // namespace runtime
