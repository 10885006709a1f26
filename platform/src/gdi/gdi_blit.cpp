// BitBlt and StretchBlt: rectangles combined pixel by pixel from pattern
// (the destination's brush), source and destination by any ternary raster
// operation, evaluated from the truth table in the operation's code.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "gdi/gdi_objects.h"
#include "gdi/raster_ops.h"
#include "platform/kernel.h"

namespace win32 {
namespace detail {

namespace {

// One axis of a transfer. A negative extent runs from `start` towards
// smaller coordinates (start + extent + 1 .. start), which mirrors the
// picture when the source's and destination's signs differ.
struct Axis {
  long long start;
  long long extent;  // absolute
  int direction;     // +1 or -1

  Axis(int origin, int signed_extent)
      : start(origin), extent(std::llabs(static_cast<long long>(signed_extent))), direction(signed_extent < 0 ? -1 : 1) {}

  long long at(long long i) const { return start + direction * i; }

  // The indexes i in [first, last) whose coordinate lies in [low, high).
  void clip(long long low, long long high, long long* first, long long* last) const {
    if (direction > 0) {
      *first = std::max(0LL, low - start);
      *last = std::min(extent, high - start);
    } else {
      *first = std::max(0LL, start - high + 1);
      *last = std::min(extent, start - low + 1);
    }
  }
};

// The source index that destination index i samples: the nearest pixel to
// the centre of the destination pixel.
long long sample(long long i, long long destination_extent, long long source_extent) {
  return ((2 * i + 1) * source_extent) / (2 * destination_extent);
}

constexpr BYTE kSourceCopy = Rop3Index(SRCCOPY);

// A plain copy from another surface, neither stretched nor mirrored: row
// by row over the part that lies inside both surfaces.
void copy_rows(Surface& target, const Axis& dx, const Axis& dy, long long first_x, long long last_x,
               long long first_y, long long last_y, const Surface& source, const Axis& sx, const Axis& sy) {
  long long source_first_x, source_last_x, source_first_y, source_last_y;
  const RECT bounds = source.bounds();
  sx.clip(bounds.left, bounds.right, &source_first_x, &source_last_x);
  sy.clip(bounds.top, bounds.bottom, &source_first_y, &source_last_y);
  first_x = std::max(first_x, source_first_x);
  last_x = std::min(last_x, source_last_x);
  first_y = std::max(first_y, source_first_y);
  last_y = std::min(last_y, source_last_y);
  if (first_x >= last_x) return;
  for (long long j = first_y; j < last_y; ++j) {
    target.copy_row(source, static_cast<int>(sx.at(first_x)), static_cast<int>(sy.at(j)), static_cast<int>(dx.at(first_x)),
                    static_cast<int>(dy.at(j)), static_cast<int>(last_x - first_x));
  }
}

bool transfer(HDC destination, int x, int y, int width, int height, HDC source, int source_x, int source_y,
              int source_width, int source_height, DWORD rop) {
  DeviceContext* dst = lookup_dc(destination);
  if (!dst) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  const BYTE table = Rop3Index(rop);
  const bool uses_source = rop3_uses_source(table);
  DeviceContext* src = uses_source ? lookup_dc(source) : nullptr;
  if (uses_source && !src) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  if (width == 0 || height == 0 || (uses_source && (source_width == 0 || source_height == 0))) return true;
  // Stretching samples with products of extents; keep them far from overflow.
  constexpr long long kLargestStretch = 1LL << 24;
  const bool stretches = std::llabs(static_cast<long long>(width)) != std::llabs(static_cast<long long>(source_width)) ||
                         std::llabs(static_cast<long long>(height)) != std::llabs(static_cast<long long>(source_height));
  if (uses_source && stretches &&
      std::max({std::llabs(static_cast<long long>(width)), std::llabs(static_cast<long long>(height)),
                std::llabs(static_cast<long long>(source_width)), std::llabs(static_cast<long long>(source_height))}) >
          kLargestStretch) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }

  const Axis dx(x, width), dy(y, height);
  const Axis sx(source_x, source_width), sy(source_y, source_height);
  long long first_x, last_x, first_y, last_y;
  dx.clip(dst->clip.left, dst->clip.right, &first_x, &last_x);
  dy.clip(dst->clip.top, dst->clip.bottom, &first_y, &last_y);
  if (first_x >= last_x || first_y >= last_y) return true;

  Surface& target = *dst->surface;
  const std::uint32_t pattern = dst->brush && !dst->brush->hollow ? pixel_of(dst->brush->colour) : 0;

  // The source as it was before this transfer, even when it is the
  // destination's own surface: copy it first when the two overlap.
  std::shared_ptr<Surface> source_surface = src ? src->surface : nullptr;
  std::vector<std::uint32_t> source_copy;
  RECT source_bounds{0, 0, 0, 0};
  if (source_surface) {
    source_bounds = source_surface->bounds();
    if (source_surface.get() == &target) source_copy = source_surface->copy_pixels(source_bounds);
  }
  auto read_source = [&](long long px, long long py, std::uint32_t* value) {
    if (px < source_bounds.left || px >= source_bounds.right || py < source_bounds.top || py >= source_bounds.bottom)
      return false;
    *value = source_copy.empty()
                 ? source_surface->load(static_cast<int>(px), static_cast<int>(py))
                 : source_copy[static_cast<std::size_t>(py) * static_cast<std::size_t>(source_bounds.right) +
                               static_cast<std::size_t>(px)];
    return true;
  };

  if (table == kSourceCopy && source_surface && source_copy.empty() && !stretches && dx.direction > 0 &&
      dy.direction > 0 && sx.direction > 0 && sy.direction > 0) {
    copy_rows(target, dx, dy, first_x, last_x, first_y, last_y, *source_surface, sx, sy);
    return true;
  }

  const bool uses_destination = rop3_uses_destination(table);
  const bool same_width = dx.extent == sx.extent;
  const bool same_height = dy.extent == sy.extent;
  for (long long j = first_y; j < last_y; ++j) {
    const int ty = static_cast<int>(dy.at(j));
    const long long py = uses_source ? sy.at(same_height ? j : sample(j, dy.extent, sy.extent)) : 0;
    for (long long i = first_x; i < last_x; ++i) {
      const int tx = static_cast<int>(dx.at(i));
      std::uint32_t s = 0;
      if (uses_source && !read_source(sx.at(same_width ? i : sample(i, dx.extent, sx.extent)), py, &s)) continue;
      const std::uint32_t d = uses_destination ? target.load(tx, ty) : 0;
      target.store(tx, ty, apply_rop3(table, pattern, s, d));
    }
  }
  return true;
}

}  // namespace

}  // namespace detail

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
  return detail::transfer(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop) ? TRUE
                                                                                                          : FALSE;
}

// Stretching samples the nearest source pixel; shrinking drops rows and
// columns rather than merging them.
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
  return detail::transfer(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                          rop)
             ? TRUE
             : FALSE;
}

}  // namespace win32
