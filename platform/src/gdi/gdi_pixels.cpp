// Single pixels: SetPixelV, SetPixel and GetPixel. This is the path that
// every point of a picture takes, so it does no more than look the context
// up, test the clip rectangle and store.
#include "gdi/gdi_objects.h"
#include "gdi/raster_ops.h"
#include "platform/kernel.h"

namespace win32 {

BOOL SetPixelV(HDC handle, int x, int y, COLORREF colour) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!detail::contains(dc->clip, x, y)) return FALSE;
  dc->surface->store(x, y, detail::pixel_of(colour & detail::kColourBits));
  return TRUE;
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF colour) {
  return SetPixelV(handle, x, y, colour) ? (colour & detail::kColourBits) : CLR_INVALID;
}

COLORREF GetPixel(HDC handle, int x, int y) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return CLR_INVALID;
  }
  if (!detail::contains(dc->clip, x, y)) return CLR_INVALID;
  return detail::colour_of(dc->surface->load(x, y));
}

}  // namespace win32
