#include "gdi/surface.h"

#include <algorithm>
#include <cassert>

namespace win32::detail {

DirtyTiles::DirtyTiles(int width, int height)
    : width_(width),
      height_(height),
      columns_((width + (1 << kTileShift) - 1) >> kTileShift),
      rows_((height + (1 << kTileShift) - 1) >> kTileShift),
      tiles_(new std::atomic<std::uint8_t>[static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)]) {
  for (int i = 0; i < columns_ * rows_; ++i) tiles_[static_cast<std::size_t>(i)].store(0, std::memory_order_relaxed);
}

void DirtyTiles::mark(const RECT& area) {
  if (is_empty(area)) return;
  for (int row = area.top >> kTileShift; row <= (area.bottom - 1) >> kTileShift; ++row) {
    for (int column = area.left >> kTileShift; column <= (area.right - 1) >> kTileShift; ++column) {
      tiles_[static_cast<std::size_t>(row * columns_ + column)].store(1, std::memory_order_release);
    }
  }
  any_.store(1, std::memory_order_release);
}

std::vector<RECT> DirtyTiles::take() {
  std::vector<RECT> areas;
  if (!any_.exchange(0, std::memory_order_acq_rel)) return areas;
  constexpr int kTile = 1 << kTileShift;
  for (int row = 0; row < rows_; ++row) {
    int run_start = -1;
    for (int column = 0; column <= columns_; ++column) {
      bool dirty = column < columns_ &&
                   tiles_[static_cast<std::size_t>(row * columns_ + column)].exchange(0, std::memory_order_acq_rel);
      if (dirty && run_start < 0) run_start = column;
      if (!dirty && run_start >= 0) {
        areas.push_back(RECT{run_start * kTile, row * kTile, std::min(column * kTile, width_),
                             std::min((row + 1) * kTile, height_)});
        run_start = -1;
      }
    }
  }
  return areas;
}

Surface::Surface(int width, int height, bool tracked)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      pixels_(new std::uint32_t[static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)]()) {
  assert(width_ <= kMaxSurfaceSide && height_ <= kMaxSurfaceSide);
  if (tracked) dirty_ = std::make_unique<DirtyTiles>(width_, height_);
}

void Surface::fill_row(int x1, int x2, int y, std::uint32_t value) {
  if (x1 >= x2) return;
  std::uint32_t* row = &pixels_[index(0, y)];
  if (!dirty_) {
    // A memory bitmap is shared only under its users' own lock: fill it
    // at full speed.
    std::fill(row + x1, row + x2, value);
    return;
  }
  for (int x = x1; x < x2; ++x) std::atomic_ref<std::uint32_t>(row[x]).store(value, std::memory_order_relaxed);
  dirty_->mark(RECT{x1, y, x2, y + 1});
}

std::vector<std::uint32_t> Surface::copy(const RECT& area) const {
  std::vector<std::uint32_t> pixels;
  if (is_empty(area)) return pixels;
  pixels.reserve(static_cast<std::size_t>(area.right - area.left) * static_cast<std::size_t>(area.bottom - area.top));
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) pixels.push_back(load(x, y));
  }
  return pixels;
}

RECT intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (is_empty(r)) return RECT{0, 0, 0, 0};
  return r;
}

RECT unite(const RECT& a, const RECT& b) {
  if (is_empty(a)) return b;
  if (is_empty(b)) return a;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

RECT normalized(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

}  // namespace win32::detail
