// The objects behind GDI handles: bitmaps, pens, brushes, regions and device
// contexts. All live in the platform's handle table.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "gdi/surface.h"
#include "kernel/handle_table.h"
#include "platform/gdi.h"

namespace win32::detail {

// Stock objects ignore DeleteObject.
class GdiObject : public Object {
 public:
  bool stock = false;
};

class Bitmap : public GdiObject {
 public:
  explicit Bitmap(std::shared_ptr<Surface> pixels) : surface(std::move(pixels)) {}
  std::shared_ptr<Surface> surface;
  // A bitmap is selected into at most one memory context at a time.
  std::atomic<bool> selected{false};
};

class Pen : public GdiObject {
 public:
  Pen(int style_, int width_, COLORREF colour_) : style(style_), width(width_), colour(colour_) {}
  int style;
  int width;
  COLORREF colour;
  bool takes_dc_colour = false;  // DC_PEN: draws in the context's pen colour
  bool draws() const { return style != PS_NULL; }
};

class Brush : public GdiObject {
 public:
  Brush(bool hollow_, COLORREF colour_) : hollow(hollow_), colour(colour_) {}
  bool hollow;
  COLORREF colour;
};

class Region : public GdiObject {
 public:
  explicit Region(RECT area_) : area(area_) {}
  RECT area;  // normalised, device coordinates
};

// A device context. Its state is used by one thread at a time, as on Win32:
// callers that share a context between threads serialise their use of it.
class DeviceContext : public Object {
 public:
  enum class Kind { memory, window };

  Kind kind = Kind::memory;
  HDC handle = nullptr;
  HWND window = nullptr;  // for window contexts

  std::shared_ptr<Surface> surface;
  HGDIOBJ bitmap_handle = nullptr;  // memory contexts
  std::shared_ptr<Bitmap> bitmap;
  HGDIOBJ pen_handle = nullptr;
  std::shared_ptr<Pen> pen;
  HGDIOBJ brush_handle = nullptr;
  std::shared_ptr<Brush> brush;

  // The clip the owner of the context imposes (a paint context's update
  // rectangle), the region selected by SelectClipRgn, and what drawing is
  // actually limited to: both, inside the surface.
  RECT base_clip{0, 0, 0, 0};
  bool has_clip_region = false;
  RECT clip_region{0, 0, 0, 0};
  RECT clip{0, 0, 0, 0};

  int rop2 = R2_COPYPEN;
  POINT position{0, 0};
  COLORREF dc_pen_colour = 0;  // what DC_PEN draws with here

  void update_clip();
};

// The stock object for a GetStockObject index, or null for an unknown one.
HGDIOBJ stock_object(int which);
// The 1 x 1 bitmap that a new memory context holds.
HGDIOBJ default_bitmap();

// The per-thread cache of recently used contexts, so that pixel operations
// do not search the handle table. Plain data, so that reaching it costs no
// more than a thread-local address.
struct CachedDc {
  HDC handle;
  std::uint64_t generation;
  DeviceContext* dc;
};
constexpr std::size_t kCachedContexts = 4;
extern constinit thread_local CachedDc dc_cache[kCachedContexts];
// Bumped whenever a context handle goes away; a cache entry is trusted only
// while the generation it was filled in is still current.
extern std::atomic<std::uint64_t> dc_generation;
DeviceContext* lookup_dc_slowly(HDC dc, std::uint64_t generation);

// The context that a handle names; null for a handle that is not a device
// context.
inline DeviceContext* lookup_dc(HDC dc) {
  if (!dc) return nullptr;
  const std::uint64_t generation = dc_generation.load(std::memory_order_acquire);
  for (const CachedDc& entry : dc_cache) {
    if (entry.handle == dc && entry.generation == generation) return entry.dc;
  }
  return lookup_dc_slowly(dc, generation);
}
// Tells the per-thread caches that a context handle has gone.
void forget_dc_handles();

// A new context drawing on `surface`, limited to `base_clip`, with the
// stock pen and brush selected.
HDC create_dc(DeviceContext::Kind kind, std::shared_ptr<Surface> surface, RECT base_clip, HWND window);
// Removes a context, deselecting its bitmap. False for an unknown handle.
bool destroy_dc(HDC dc);

// Fills the rectangle (clipped to the context) with a colour, without any
// mixing, as a brush erases a window's background.
void fill_rect(DeviceContext& dc, const RECT& area, COLORREF colour);

}  // namespace win32::detail
