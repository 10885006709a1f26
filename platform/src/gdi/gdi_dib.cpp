// GetDIBits: whole scan lines of a bitmap in the 32-bit device-independent
// form, for reading a picture back faster than pixel by pixel.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gdi/gdi_objects.h"
#include "platform/kernel.h"

namespace win32 {

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage) {
  const auto source = detail::find<detail::Bitmap>(bitmap);
  if (!detail::lookup_dc(dc) || !source || !info || usage != DIB_RGB_COLORS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  BITMAPINFOHEADER& header = info->bmiHeader;
  const detail::Surface& surface = *source->surface;
  const int height = surface.height();
  if (!bits) {
    // Without a buffer, the header is filled in: the bitmap's size, bottom row first.
    header.biWidth = surface.width();
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(surface.width()) * static_cast<DWORD>(height) * 4;
    return height;
  }
  if (header.biWidth != surface.width() || std::abs(header.biHeight) != height ||
      header.biPlanes != 1 || header.biBitCount != 32 || header.biCompression != BI_RGB) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const bool topDown = header.biHeight < 0;
  const int width = surface.width();
  auto* out = static_cast<std::uint8_t*>(bits);
  const std::uint64_t end =
      std::min<std::uint64_t>(std::uint64_t{start} + lines, static_cast<std::uint64_t>(height));
  // A surface keeps its pixels as this form has them (0x00RRGGBB, stored
  // little-endian as blue, green, red, 0): a row is copied as it is.
  std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
  const std::size_t rowBytes = row.size() * sizeof row[0];
  int copied = 0;
  for (std::uint64_t line = start; line < end; ++line, ++copied) {
    surface.read_row(0, width,
                     topDown ? static_cast<int>(line) : height - 1 - static_cast<int>(line),
                     row.data());
    std::memcpy(out, row.data(), rowBytes);
    out += rowBytes;
  }
  return copied;
}

}  // namespace win32
