// The memory a Windows process may use: the machine's, or less where the
// process's address space is smaller (2 GiB for most 32-bit programs).
#include <algorithm>
#include <cstdint>

#include "kernel/screen_metrics.h"
#include "windows/native.h"

namespace win32::detail {

std::uint64_t usable_memory() {
  ::MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!::GlobalMemoryStatusEx(&status)) return UINT64_MAX;
  return std::min<std::uint64_t>(status.ullTotalPhys, status.ullTotalVirtual);
}

}  // namespace win32::detail
