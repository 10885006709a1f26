// The memory a POSIX process may use: the machine's, or less where a limit
// on its address space or data says so.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "kernel/screen_metrics.h"

namespace win32::detail {

std::uint64_t usable_memory() {
  std::uint64_t usable = UINT64_MAX;
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long page_size = sysconf(_SC_PAGESIZE);
  if (pages > 0 && page_size > 0) usable = static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(page_size);
  for (int resource : {RLIMIT_AS, RLIMIT_DATA}) {
    rlimit limit{};
    if (getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
      usable = std::min<std::uint64_t>(usable, limit.rlim_cur);
    }
  }
  return usable;
}

}  // namespace win32::detail
