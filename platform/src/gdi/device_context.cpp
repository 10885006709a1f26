// Device contexts: creation, lookup, selection of objects and clip regions.
#include <array>

#include "gdi/gdi_objects.h"
#include "gdi/raster_ops.h"
#include "platform/kernel.h"

namespace win32 {
namespace detail {

std::atomic<std::uint64_t> dc_generation{1};

namespace {

// The contexts that the per-thread cache names are kept alive beside it.
thread_local unsigned dc_cache_next;
thread_local std::array<std::shared_ptr<DeviceContext>, kCachedContexts> dc_cache_keep;

}  // namespace

constinit thread_local CachedDc dc_cache[kCachedContexts] = {};

DeviceContext* lookup_dc_slowly(HDC handle, std::uint64_t generation) {
  auto dc = find<DeviceContext>(handle);
  if (!dc) return nullptr;
  const std::size_t slot = dc_cache_next++ % kCachedContexts;
  dc_cache[slot] = CachedDc{handle, generation, dc.get()};
  dc_cache_keep[slot] = std::move(dc);
  return dc_cache[slot].dc;
}

void forget_dc_handles() { dc_generation.fetch_add(1, std::memory_order_acq_rel); }

void DeviceContext::update_clip() {
  RECT area = intersect(surface->bounds(), base_clip);
  if (has_clip_region) area = intersect(area, clip_region);
  clip = area;
}

HDC create_dc(DeviceContext::Kind kind, std::shared_ptr<Surface> surface, RECT base_clip, HWND window) {
  auto dc = std::make_shared<DeviceContext>();
  dc->kind = kind;
  dc->window = window;
  dc->surface = std::move(surface);
  dc->base_clip = base_clip;
  dc->pen_handle = stock_object(BLACK_PEN);
  dc->pen = find<Pen>(dc->pen_handle);
  dc->brush_handle = stock_object(WHITE_BRUSH);
  dc->brush = find<Brush>(dc->brush_handle);
  dc->update_clip();
  DeviceContext* raw = dc.get();
  HDC handle = static_cast<HDC>(register_object(std::move(dc)));
  raw->handle = handle;
  return handle;
}

bool destroy_dc(HDC handle) {
  auto dc = find<DeviceContext>(handle);
  if (!dc || !release_object(handle)) return false;
  if (dc->bitmap) dc->bitmap->selected.store(false);
  forget_dc_handles();
  return true;
}

void fill_rect(DeviceContext& dc, const RECT& area, COLORREF colour) {
  const RECT target = intersect(normalized(area), dc.clip);
  const std::uint32_t pixel = pixel_of(colour);
  for (int y = target.top; y < target.bottom; ++y) dc.surface->fill_row(target.left, target.right, y, pixel);
}

}  // namespace detail

HDC CreateCompatibleDC(HDC reference) {
  if (reference && !detail::lookup_dc(reference)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  HGDIOBJ initial = detail::default_bitmap();
  auto bitmap = detail::find<detail::Bitmap>(initial);
  HDC handle = detail::create_dc(detail::DeviceContext::Kind::memory, bitmap->surface,
                                 RECT{0, 0, detail::kMaxSurfaceSide, detail::kMaxSurfaceSide}, nullptr);
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  dc->bitmap_handle = initial;
  dc->bitmap = std::move(bitmap);
  return handle;
}

BOOL DeleteDC(HDC handle) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc || dc->kind != detail::DeviceContext::Kind::memory) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return detail::destroy_dc(handle) ? TRUE : FALSE;
}

COLORREF SetDCPenColor(HDC handle, COLORREF colour) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return CLR_INVALID;
  }
  const COLORREF previous = dc->dc_pen_colour;
  dc->dc_pen_colour = colour & detail::kColourBits;
  return previous;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  auto found = detail::find<detail::GdiObject>(object);
  if (!dc || !found) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (auto pen = std::dynamic_pointer_cast<detail::Pen>(found)) {
    HGDIOBJ previous = dc->pen_handle;
    dc->pen_handle = object;
    dc->pen = std::move(pen);
    return previous;
  }
  if (auto brush = std::dynamic_pointer_cast<detail::Brush>(found)) {
    HGDIOBJ previous = dc->brush_handle;
    dc->brush_handle = object;
    dc->brush = std::move(brush);
    return previous;
  }
  if (auto region = std::dynamic_pointer_cast<detail::Region>(found)) {
    return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(SelectClipRgn(handle, static_cast<HRGN>(object))));
  }
  if (auto bitmap = std::dynamic_pointer_cast<detail::Bitmap>(found)) {
    // Only memory contexts hold bitmaps, and a bitmap sits in one context at
    // a time (the shared 1 x 1 default bitmap excepted).
    if (dc->kind != detail::DeviceContext::Kind::memory) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
    if (object == dc->bitmap_handle) return object;
    if (!bitmap->stock && bitmap->selected.exchange(true)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
    HGDIOBJ previous = dc->bitmap_handle;
    if (dc->bitmap) dc->bitmap->selected.store(false);
    dc->bitmap_handle = object;
    dc->surface = bitmap->surface;
    dc->bitmap = std::move(bitmap);
    dc->update_clip();
    return previous;
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return nullptr;
}

int SelectClipRgn(HDC handle, HRGN region) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return RGN_ERROR;
  }
  if (!region) {
    dc->has_clip_region = false;
  } else {
    auto found = detail::find<detail::Region>(region);
    if (!found) {
      SetLastError(ERROR_INVALID_HANDLE);
      return RGN_ERROR;
    }
    dc->has_clip_region = true;
    dc->clip_region = found->area;
  }
  dc->update_clip();
  return detail::is_empty(dc->clip) ? NULLREGION : SIMPLEREGION;
}

int SetROP2(HDC handle, int mode) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc || mode < R2_BLACK || mode > R2_WHITE) {
    SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return 0;
  }
  const int previous = dc->rop2;
  dc->rop2 = mode;
  return previous;
}

int GetROP2(HDC handle) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return dc->rop2;
}

BOOL MoveToEx(HDC handle, int x, int y, POINT* previous) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (previous) *previous = dc->position;
  dc->position = POINT{x, y};
  return TRUE;
}

}  // namespace win32
