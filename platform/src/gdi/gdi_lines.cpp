// Lines and rectangles drawn with the selected pen and brush, mixed with the
// pixels by the context's binary raster operation.
#include <algorithm>
#include <cstdlib>

#include "gdi/gdi_objects.h"
#include "gdi/raster_ops.h"
#include "platform/kernel.h"

namespace win32 {
namespace detail {

namespace {

// Coordinates far outside any surface, brought near enough that arithmetic
// on them cannot overflow; clipping gives the same result.
constexpr long long kFarAway = 1LL << 24;
int bounded(long long value) { return static_cast<int>(std::clamp(value, -kFarAway, kFarAway)); }
RECT bounded_rect(long long left, long long top, long long right, long long bottom) {
  return RECT{bounded(left), bounded(top), bounded(right), bounded(bottom)};
}

// The pixel that the selected pen draws: its own colour, or the context's
// pen colour for the stock DC_PEN.
std::uint32_t pen_pixel(const DeviceContext& dc) {
  return pixel_of(dc.pen->takes_dc_colour ? dc.dc_pen_colour : dc.pen->colour);
}

// Mixes `pixel` into every pixel of `area` (clipped to the context).
void mix_rect(DeviceContext& dc, const RECT& area, std::uint32_t pixel) {
  const RECT target = intersect(area, dc.clip);
  if (is_empty(target) || dc.rop2 == R2_NOP) return;
  Surface& surface = *dc.surface;
  for (int y = target.top; y < target.bottom; ++y) {
    if (dc.rop2 == R2_COPYPEN) {
      surface.fill_row(target.left, target.right, y, pixel);
      continue;
    }
    for (int x = target.left; x < target.right; ++x) surface.store(x, y, apply_rop2(dc.rop2, pixel, surface.load(x, y)));
  }
}

// One point of a line: a pixel for the thinnest pen, a square of the pen's
// width centred on the point for a wider one.
void plot(DeviceContext& dc, int x, int y, int width, std::uint32_t pixel) {
  if (width <= 1) {
    if (!contains(dc.clip, x, y)) return;
    Surface& surface = *dc.surface;
    surface.store(x, y, dc.rop2 == R2_COPYPEN ? pixel : apply_rop2(dc.rop2, pixel, surface.load(x, y)));
    return;
  }
  const int before = (width - 1) / 2;
  mix_rect(dc, RECT{x - before, y - before, x - before + width, y - before + width}, pixel);
}

// The line from (x0, y0) towards (x1, y1), its end point left out.
void draw_line(DeviceContext& dc, int x0, int y0, int x1, int y1) {
  if (!dc.pen || !dc.pen->draws() || dc.rop2 == R2_NOP) return;
  const std::uint32_t pixel = pen_pixel(dc);
  const int width = dc.pen->width;
  if (width <= 1 && (y0 == y1 || x0 == x1)) {
    // A horizontal or vertical run: clip once, then fill.
    if (y0 == y1) {
      mix_rect(dc, bounded_rect(x0 <= x1 ? x0 : x1 + 1LL, y0, x0 <= x1 ? x1 : x0 + 1LL, y0 + 1LL), pixel);
    } else {
      mix_rect(dc, bounded_rect(x0, y0 < y1 ? y0 : y1 + 1LL, x0 + 1LL, y0 < y1 ? y1 : y0 + 1LL), pixel);
    }
    return;
  }
  // Bresenham's line along the major axis, in 64 bits so that lines between
  // far-apart points stay exact. Steps whose major coordinate lies outside
  // the clip rectangle are skipped arithmetically: after k steps the minor
  // axis has moved n = ceil((k * minor_delta - e0) / major_delta) times.
  const bool x_major = std::llabs(static_cast<long long>(x1) - x0) >= std::llabs(static_cast<long long>(y1) - y0);
  const long long major0 = x_major ? x0 : y0;
  const long long minor0 = x_major ? y0 : x0;
  const long long major_delta = x_major ? std::llabs(static_cast<long long>(x1) - x0) : std::llabs(static_cast<long long>(y1) - y0);
  const long long minor_delta = x_major ? std::llabs(static_cast<long long>(y1) - y0) : std::llabs(static_cast<long long>(x1) - x0);
  const int major_step = (x_major ? x0 < x1 : y0 < y1) ? 1 : -1;
  const int minor_step = (x_major ? y0 < y1 : x0 < x1) ? 1 : -1;
  const long long low = (x_major ? dc.clip.left : dc.clip.top) - width;
  const long long high = (x_major ? dc.clip.right : dc.clip.bottom) + width;
  long long first = 0;
  long long last = major_delta;  // exclusive: the end point is not drawn
  if (major_step > 0) {
    first = std::max(first, low - major0);
    last = std::min(last, high - major0);
  } else {
    first = std::max(first, major0 - (high - 1));
    last = std::min(last, major0 - low + 1);
  }
  if (first >= last) return;
  // Deltas are below 2^32, so these products fit in 64 unsigned bits.
  using u64 = unsigned long long;
  const u64 e0 = static_cast<u64>(major_delta) / 2;
  const u64 owed = static_cast<u64>(first) * static_cast<u64>(minor_delta);
  long long moves = 0;
  long long error = 0;
  if (owed > e0) {
    const u64 ahead = owed - e0;
    const u64 n = (ahead + static_cast<u64>(major_delta) - 1) / static_cast<u64>(major_delta);
    moves = static_cast<long long>(n);
    error = static_cast<long long>(n * static_cast<u64>(major_delta) - ahead);
  } else {
    error = static_cast<long long>(e0 - owed);
  }
  long long major = major0 + major_step * first;
  long long minor = minor0 + minor_step * moves;
  const long long minor_low = (x_major ? dc.clip.top : dc.clip.left) - width;
  const long long minor_high = (x_major ? dc.clip.bottom : dc.clip.right) + width;
  for (long long i = first; i < last; ++i) {
    if (minor >= minor_low && minor < minor_high)
      plot(dc, static_cast<int>(x_major ? major : minor), static_cast<int>(x_major ? minor : major), width, pixel);
    major += major_step;
    error -= minor_delta;
    if (error < 0) {
      minor += minor_step;
      error += major_delta;
    }
  }
}

}  // namespace

}  // namespace detail

BOOL LineTo(HDC handle, int x, int y) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  detail::draw_line(*dc, dc->position.x, dc->position.y, x, y);
  dc->position = POINT{x, y};
  return TRUE;
}

// The outline lies on the rectangle's own pixels (right and bottom edges
// excluded), wider pens growing inwards; the brush fills what lies inside
// the outline. Without a pen the filled area is one pixel narrower and one
// pixel shorter, as on Win32.
BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
  detail::DeviceContext* dc = detail::lookup_dc(handle);
  if (!dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const RECT area = detail::normalized(detail::bounded_rect(left, top, right, bottom));
  const bool outline = dc->pen && dc->pen->draws();
  const int pen_width = outline ? dc->pen->width : 0;
  RECT inside = outline ? RECT{area.left + pen_width, area.top + pen_width, area.right - pen_width,
                               area.bottom - pen_width}
                        : RECT{area.left, area.top, area.right - 1, area.bottom - 1};
  if (dc->brush && !dc->brush->hollow && !detail::is_empty(inside)) {
    detail::mix_rect(*dc, inside, detail::pixel_of(dc->brush->colour));
  }
  if (outline) {
    const std::uint32_t pixel = detail::pen_pixel(*dc);
    if (detail::is_empty(inside)) {
      detail::mix_rect(*dc, area, pixel);
    } else {
      detail::mix_rect(*dc, RECT{area.left, area.top, area.right, inside.top}, pixel);
      detail::mix_rect(*dc, RECT{area.left, inside.bottom, area.right, area.bottom}, pixel);
      detail::mix_rect(*dc, RECT{area.left, inside.top, inside.left, inside.bottom}, pixel);
      detail::mix_rect(*dc, RECT{inside.right, inside.top, area.right, inside.bottom}, pixel);
    }
  }
  return TRUE;
}

}  // namespace win32
