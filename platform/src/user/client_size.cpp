#include "user/client_size.h"

#include <algorithm>

#include "platform/user.h"

namespace win32::detail {

ClientSize client_size_for(DWORD style, int width, int height, long long largest_side) {
  if (style & WS_MAXIMIZE) return {GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
  if (width == CW_USEDEFAULT) width = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
  if (height == CW_USEDEFAULT) height = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
  long long client_width = width;
  long long client_height = height;
  if (style & WS_THICKFRAME) {
    client_width -= 2LL * GetSystemMetrics(SM_CXFRAME);
    client_height -= 2LL * GetSystemMetrics(SM_CYFRAME);
  }
  if ((style & WS_CAPTION) == WS_CAPTION) client_height -= GetSystemMetrics(SM_CYCAPTION);
  return {static_cast<int>(std::clamp(client_width, 0LL, largest_side)),
          static_cast<int>(std::clamp(client_height, 0LL, largest_side))};
}

}  // namespace win32::detail
