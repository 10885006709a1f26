// A surface is the pixel store behind a device context: a memory bitmap or
// a window's client area. Pixels are kept as a 32-bit top-down DIB keeps
// them, 0x00RRGGBB (blue in the lowest byte), so that the bits of a DIB
// section are its surface's own pixels; colour values (COLORREF,
// 0x00BBGGRR) become pixels where they enter a surface and colour values
// again where they leave it.
//
// A window's surface is shared with the thread that presents it, so every
// pixel is read and written as a relaxed atomic, and each write marks its
// tile dirty; the drawing thread never waits for the presenting thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi.h"

namespace win32::detail {

// Wakes a thread that sleeps in poll(): an eventfd, readable from the first
// `raise` until `clear`. `fd()` is -1 when the system had none to give.
class Wakeup {
 public:
  Wakeup();
  ~Wakeup();
  Wakeup(const Wakeup&) = delete;
  Wakeup& operator=(const Wakeup&) = delete;

  [[nodiscard]] int fd() const { return fd_; }
  void raise();
  void clear();

 private:
  int fd_;
};

// Which parts of a window's surface changed since the display last took
// them. Drawing marks a tile with a release store, so whoever takes the mark
// with an acquiring exchange then sees the pixels written before it.
//
// While the display follows the drawing (it takes again at its next frame)
// marks do no more than that. Once a take finds nothing, the display may
// sleep: the next mark raises the wakeup it gave. Each mark only reads the
// state; the taker makes up for the missing fence with a process-wide
// barrier (see `take`), paid once per take instead of once per pixel.
class DirtyTiles {
 public:
  static constexpr int kTileShift = 5;  // tiles of 32 x 32 pixels

  DirtyTiles(int width, int height);

  void mark(int x, int y) {
    tiles_[static_cast<std::size_t>((y >> kTileShift) * columns_ + (x >> kTileShift))].store(1, std::memory_order_release);
    note_pending();
  }
  // Marks every tile that the rectangle (right and bottom exclusive, already
  // inside the surface) touches.
  void mark(const RECT& area);

  // The changed areas since the last call, as rectangles inside the surface
  // (whole tiles, merged along rows), and clears the marks.
  std::vector<RECT> take();
  // Whether the display should take again at its next frame: something was
  // marked, or the last take found drawing that may go on. When false,
  // the next mark raises the wakeup.
  [[nodiscard]] bool pending() const { return state_.load(std::memory_order_acquire) != TakerState::idle; }

  // From now on the first mark after a take that found nothing raises
  // `wakeup`, for as long as its owner keeps it. Called before the surface is shared with a
  // drawing thread.
  void wake(std::weak_ptr<Wakeup> wakeup) { wakeup_ = std::move(wakeup); }
  // Whether a thread may sleep until `wakeup` without missing a mark: false
  // where the system lacks the process-wide barrier that `take` needs.
  [[nodiscard]] static bool wakes_reliably();

 private:
  void note_pending() {
    // Keeps the compiler from moving the tile's store below this load; the
    // processor's reordering is undone by the taker's barrier.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (state_.load(std::memory_order_relaxed) == TakerState::idle) raise_pending();
  }
  void raise_pending();
  void collect(std::vector<RECT>& areas);

  enum class TakerState : std::uint8_t {
    idle,      // the taker may sleep
    marked,    // marked since the taker slept
    followed,  // the taker comes back by itself
  };

  int width_;
  int height_;
  int columns_;
  int rows_;
  std::unique_ptr<std::atomic<std::uint8_t>[]> tiles_;
  std::atomic<TakerState> state_{TakerState::idle};
  std::weak_ptr<Wakeup> wakeup_;
};

// A colour value as a surface keeps it, and back: red and blue change places.
constexpr std::uint32_t swap_red_blue(std::uint32_t value) {
  return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}
constexpr std::uint32_t pixel_of(COLORREF colour) { return swap_red_blue(colour); }
constexpr COLORREF colour_of(std::uint32_t pixel) { return swap_red_blue(pixel); }

class Surface {
 public:
  // A surface of at least 1 x 1 pixels, all black. Windows pass `tracked`
  // so that drawing marks dirty tiles.
  Surface(int width, int height, bool tracked);

  int width() const { return width_; }
  int height() const { return height_; }
  RECT bounds() const { return RECT{0, 0, width_, height_}; }
  DirtyTiles* dirty() { return dirty_.get(); }

  std::uint32_t load(int x, int y) const {
    return std::atomic_ref<std::uint32_t>(pixels_[index(x, y)]).load(std::memory_order_relaxed);
  }
  void store(int x, int y, std::uint32_t value) {
    std::atomic_ref<std::uint32_t>(pixels_[index(x, y)]).store(value, std::memory_order_relaxed);
    if (dirty_) dirty_->mark(x, y);
  }
  // Stores `value` in columns [x1, x2) of row y (inside the surface).
  void fill_row(int x1, int x2, int y, std::uint32_t value);

  // Copies columns [x1, x2) of row y (inside the surface) to `out`, as
  // pixels.
  void read_row(int x1, int x2, int y, std::uint32_t* out) const;

  // Stores `count` pixels of row `source_y` of another surface, from
  // column `source_x`, at row y from column x, each taken to its 24 colour
  // bits (both spans inside their surfaces).
  void copy_row(const Surface& source, int source_x, int source_y, int x, int y, int count);

  // The rectangle (inside the surface) row by row: as pixels, and as the
  // colour values that the world outside the platform sees.
  std::vector<std::uint32_t> copy_pixels(const RECT& area) const;
  std::vector<std::uint32_t> copy(const RECT& area) const;

  // The pixels themselves, row after row without gaps: the bits of a DIB
  // section, which its program writes under a lock of its own.
  std::uint32_t* bits() { return pixels_.get(); }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::unique_ptr<std::uint32_t[]> pixels_;
  std::unique_ptr<DirtyTiles> dirty_;
};

// Largest side of a bitmap or window surface, so that the pixel count stays
// far inside what the index arithmetic and the memory can hold.
constexpr int kMaxSurfaceSide = 16384;

inline bool contains(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
inline bool is_empty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }
RECT intersect(const RECT& a, const RECT& b);
RECT unite(const RECT& a, const RECT& b);
// The rectangle with left <= right and top <= bottom.
RECT normalized(const RECT& r);

}  // namespace win32::detail
