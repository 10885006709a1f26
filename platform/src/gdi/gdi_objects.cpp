// Pens, brushes, regions, bitmaps, the stock objects and DeleteObject.
#include <array>

#include "gdi/gdi_objects.h"
#include "platform/kernel.h"

namespace win32 {
namespace detail {

namespace {

template <class T>
HGDIOBJ register_stock(std::shared_ptr<T> object) {
  object->stock = true;
  return register_object(std::move(object));
}

// GetStockObject's table and the default bitmap of memory contexts, made at
// first use and never deleted.
struct StockObjects {
  std::array<HGDIOBJ, DC_PEN + 1> by_index{};
  HGDIOBJ default_bitmap = nullptr;

  StockObjects() {
    by_index[WHITE_BRUSH] = register_stock(std::make_shared<Brush>(false, RGB(255, 255, 255)));
    by_index[LTGRAY_BRUSH] = register_stock(std::make_shared<Brush>(false, RGB(192, 192, 192)));
    by_index[GRAY_BRUSH] = register_stock(std::make_shared<Brush>(false, RGB(128, 128, 128)));
    by_index[DKGRAY_BRUSH] = register_stock(std::make_shared<Brush>(false, RGB(64, 64, 64)));
    by_index[BLACK_BRUSH] = register_stock(std::make_shared<Brush>(false, RGB(0, 0, 0)));
    by_index[NULL_BRUSH] = register_stock(std::make_shared<Brush>(true, RGB(0, 0, 0)));
    by_index[WHITE_PEN] = register_stock(std::make_shared<Pen>(PS_SOLID, 1, RGB(255, 255, 255)));
    by_index[BLACK_PEN] = register_stock(std::make_shared<Pen>(PS_SOLID, 1, RGB(0, 0, 0)));
    by_index[NULL_PEN] = register_stock(std::make_shared<Pen>(PS_NULL, 1, RGB(0, 0, 0)));
    auto dc_pen = std::make_shared<Pen>(PS_SOLID, 1, RGB(0, 0, 0));
    dc_pen->takes_dc_colour = true;
    by_index[DC_PEN] = register_stock(std::move(dc_pen));
    default_bitmap = register_stock(std::make_shared<Bitmap>(std::make_shared<Surface>(1, 1, false)));
  }
};

StockObjects& stock() {
  static StockObjects* objects = new StockObjects;
  return *objects;
}

}  // namespace

// Null for an index between NULL_PEN and DC_PEN that names nothing here.
HGDIOBJ stock_object(int which) {
  if (which < 0 || which > DC_PEN) return nullptr;
  return stock().by_index[static_cast<std::size_t>(which)];
}

HGDIOBJ default_bitmap() { return stock().default_bitmap; }

}  // namespace detail

HGDIOBJ GetStockObject(int which) {
  HGDIOBJ object = detail::stock_object(which);
  if (!object) SetLastError(ERROR_INVALID_PARAMETER);
  return object;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
  if (style != PS_SOLID && style != PS_NULL && style != PS_INSIDEFRAME) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Width 0 is the thinnest pen, as width 1.
  if (width < 0 || width > 1024) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto pen = std::make_shared<detail::Pen>(style, width == 0 ? 1 : width, colour & 0x00FFFFFF);
  return static_cast<HPEN>(detail::register_object(std::move(pen)));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  auto brush = std::make_shared<detail::Brush>(false, colour & 0x00FFFFFF);
  return static_cast<HBRUSH>(detail::register_object(std::move(brush)));
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto region = std::make_shared<detail::Region>(detail::normalized(RECT{left, top, right, bottom}));
  return static_cast<HRGN>(detail::register_object(std::move(region)));
}

HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height) {
  if (!detail::lookup_dc(reference)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (width < 0 || height < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (width == 0 || height == 0) return static_cast<HBITMAP>(detail::default_bitmap());
  if (width > detail::kMaxSurfaceSide || height > detail::kMaxSurfaceSide) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto bitmap = std::make_shared<detail::Bitmap>(std::make_shared<detail::Surface>(width, height, false));
  return static_cast<HBITMAP>(detail::register_object(std::move(bitmap)));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
  if (bits) *bits = nullptr;
  if (dc && !detail::lookup_dc(dc)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  const BITMAPINFOHEADER* header = info ? &info->bmiHeader : nullptr;
  if (!header || !bits || usage != DIB_RGB_COLORS || section || offset != 0 || header->biPlanes != 1 ||
      header->biBitCount != 32 || header->biCompression != BI_RGB || header->biWidth < 1 || header->biHeight >= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const long long width = header->biWidth;
  const long long height = -static_cast<long long>(header->biHeight);
  if (width > detail::kMaxSurfaceSide || height > detail::kMaxSurfaceSide) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto surface = std::make_shared<detail::Surface>(static_cast<int>(width), static_cast<int>(height), false);
  void* const pixels = surface->bits();
  auto bitmap = std::make_shared<detail::Bitmap>(std::move(surface));
  const auto handle = static_cast<HBITMAP>(detail::register_object(std::move(bitmap)));
  *bits = pixels;
  return handle;
}

BOOL GdiFlush() { return TRUE; }

BOOL DeleteObject(HGDIOBJ object) {
  auto found = detail::find<detail::GdiObject>(object);
  if (!found) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (found->stock) return TRUE;
  // A bitmap must be selected out of its context first. Pens and brushes
  // still selected keep drawing until the context lets go of them.
  if (auto bitmap = std::dynamic_pointer_cast<detail::Bitmap>(found); bitmap && bitmap->selected.load()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return detail::release_object(object) ? TRUE : FALSE;
}

}  // namespace win32
