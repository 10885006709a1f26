#include "gdi/surface.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "kernel/process_barrier.h"

namespace win32::detail {

Wakeup::Wakeup() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Wakeup::~Wakeup() {
  if (fd_ >= 0) (void)close(fd_);
}

void Wakeup::raise() {
  const std::uint64_t one = 1;
  // A full counter (EAGAIN) is still readable, which is all a raise needs.
  if (fd_ >= 0) (void)!write(fd_, &one, sizeof one);
}

void Wakeup::clear() {
  std::uint64_t count = 0;
  if (fd_ >= 0) (void)!read(fd_, &count, sizeof count);
}

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
  const int first_column = area.left >> kTileShift;
  const int columns = ((area.right - 1) >> kTileShift) - first_column + 1;
  for (int row = area.top >> kTileShift; row <= (area.bottom - 1) >> kTileShift; ++row) {
    std::atomic<std::uint8_t>* tile = &tiles_[static_cast<std::size_t>(row * columns_ + first_column)];
    for (int i = 0; i < columns; ++i) tile[i].store(1, std::memory_order_release);
  }
  note_pending();
}

void DirtyTiles::raise_pending() {
  if (state_.exchange(TakerState::marked, std::memory_order_acq_rel) != TakerState::idle) return;
  if (const std::shared_ptr<Wakeup> wakeup = wakeup_.lock()) wakeup->raise();
}

// The taker's barrier pairs with the compiler-only fence in
// DirtyTiles::note_pending; without it the display does not sleep.
bool DirtyTiles::wakes_reliably() { return process_barrier_available(); }

std::vector<RECT> DirtyTiles::take() {
  std::vector<RECT> areas;
  if (state_.load(std::memory_order_acquire) == TakerState::idle) return areas;
  // From here marks leave the state alone, since the taker comes back at
  // its next frame. A mark whose tile store the scan misses read the state
  // after the barrier, so it saw `followed`, and its tile waits for that
  // next take.
  state_.store(TakerState::followed, std::memory_order_seq_cst);
  process_wide_barrier();
  collect(areas);
  if (!areas.empty()) return areas;
  // Nothing drawn for a whole frame: the next mark raises the wakeup again.
  // Marks between the scan and this saw `followed`: one more scan finds
  // them, and any later mark sees `idle`.
  TakerState followed = TakerState::followed;
  if (!state_.compare_exchange_strong(followed, TakerState::idle, std::memory_order_seq_cst)) return areas;
  process_wide_barrier();
  collect(areas);
  return areas;
}

void DirtyTiles::collect(std::vector<RECT>& areas) {
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
  std::uint32_t* first = &pixels_[index(x1, y)];
  std::size_t count = static_cast<std::size_t>(x2 - x1);
  // The processor's string store fills at memory speed, where a loop of
  // stores, atomic or not, is not made into vector code at this
  // optimisation level. A window's pixels may be read meanwhile by the
  // presenting thread, each with a relaxed atomic load: the string store
  // writes every aligned 32-bit pixel whole, as a relaxed atomic store of
  // each would.
  asm volatile("rep stosl" : "+D"(first), "+c"(count) : "a"(value) : "memory");
  if (dirty_) dirty_->mark(RECT{x1, y, x2, y + 1});
}

void Surface::read_row(int x1, int x2, int y, std::uint32_t* out) const {
  if (x1 >= x2) return;
  const std::uint32_t* row = &pixels_[index(0, y)];
  if (!dirty_) {
    // A memory bitmap is shared only under its users' own lock: read it at
    // full speed.
    std::copy(row + x1, row + x2, out);
    return;
  }
  for (int x = x1; x < x2; ++x) *out++ = load(x, y);
}

void Surface::copy_row(const Surface& source, int source_x, int source_y, int x, int y, int count) {
  if (count <= 0) return;
  const std::uint32_t* from = &source.pixels_[source.index(source_x, source_y)];
  std::uint32_t* to = &pixels_[index(x, y)];
  for (int i = 0; i < count; ++i) {
    const std::uint32_t value = std::atomic_ref<const std::uint32_t>(from[i]).load(std::memory_order_relaxed);
    std::atomic_ref<std::uint32_t>(to[i]).store(value & 0x00FFFFFF, std::memory_order_relaxed);
  }
  if (dirty_) dirty_->mark(RECT{x, y, x + count, y + 1});
}

std::vector<std::uint32_t> Surface::copy_pixels(const RECT& area) const {
  std::vector<std::uint32_t> pixels;
  if (is_empty(area)) return pixels;
  pixels.reserve(static_cast<std::size_t>(area.right - area.left) * static_cast<std::size_t>(area.bottom - area.top));
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) pixels.push_back(load(x, y));
  }
  return pixels;
}

std::vector<std::uint32_t> Surface::copy(const RECT& area) const {
  std::vector<std::uint32_t> values = copy_pixels(area);
  for (std::uint32_t& value : values) value = colour_of(value);
  return values;
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
