// GetCurrentThreadStackLimits: the whole reservation of the calling
// thread's stack, the regions that share the allocation the stack lives in.
#include "windows/native.h"

namespace win32 {

void GetCurrentThreadStackLimits(ULONG_PTR* lowLimit, ULONG_PTR* highLimit) {
  ::MEMORY_BASIC_INFORMATION region{};
  const int here = 0;
  ::VirtualQuery(&here, &region, sizeof region);
  const ::PVOID base = region.AllocationBase;
  auto end = reinterpret_cast<ULONG_PTR>(base);
  while (::VirtualQuery(reinterpret_cast<const void*>(end), &region, sizeof region) != 0 &&
         region.AllocationBase == base) {
    end += region.RegionSize;
  }
  *lowLimit = reinterpret_cast<ULONG_PTR>(base);
  *highLimit = end;
}

}  // namespace win32
