#include "console/screen_cells.h"

#include <algorithm>
#include <cassert>

namespace win32::detail {

SMALL_RECT CellRect::to_small_rect() const {
  return {static_cast<SHORT>(left), static_cast<SHORT>(top), static_cast<SHORT>(right), static_cast<SHORT>(bottom)};
}

CellRect intersect(const CellRect& a, const CellRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

ScreenCells::ScreenCells(int width, int height, WORD attributes)
    : width_(width), height_(height), cells_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
  assert(width > 0 && height > 0);
  CHAR_INFO blank{};
  blank.Char.AsciiChar = ' ';
  blank.Attributes = attributes;
  std::fill(cells_.begin(), cells_.end(), blank);
}

const CHAR_INFO& ScreenCells::at(int x, int y) const {
  assert(bounds().contains(x, y));
  return cells_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void ScreenCells::set(int x, int y, CHAR_INFO cell) {
  assert(bounds().contains(x, y));
  cells_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = cell;
}

namespace {

// The part of `region` that lies on the screen and whose matching cells of
// the caller's array (bufferSize, with `region`'s corner at bufferCoord)
// exist.
CellRect copyable(const CellRect& screen, COORD bufferSize, COORD bufferCoord, const CellRect& region) {
  if (bufferSize.X <= 0 || bufferSize.Y <= 0 || bufferCoord.X < 0 || bufferCoord.Y < 0) return {};
  const CellRect inArray{region.left, region.top, region.left + (bufferSize.X - 1 - bufferCoord.X),
                         region.top + (bufferSize.Y - 1 - bufferCoord.Y)};
  return intersect(intersect(region, screen), inArray);
}

std::size_t array_index(COORD bufferSize, COORD bufferCoord, const CellRect& region, int x, int y) {
  return static_cast<std::size_t>(bufferCoord.Y + (y - region.top)) * static_cast<std::size_t>(bufferSize.X) +
         static_cast<std::size_t>(bufferCoord.X + (x - region.left));
}

}  // namespace

CellRect ScreenCells::write(const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region) {
  const CellRect done = copyable(bounds(), bufferSize, bufferCoord, region);
  for (int y = done.top; y <= done.bottom; ++y) {
    for (int x = done.left; x <= done.right; ++x) set(x, y, buffer[array_index(bufferSize, bufferCoord, region, x, y)]);
  }
  return done;
}

CellRect ScreenCells::read(CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region) const {
  const CellRect done = copyable(bounds(), bufferSize, bufferCoord, region);
  for (int y = done.top; y <= done.bottom; ++y) {
    for (int x = done.left; x <= done.right; ++x) buffer[array_index(bufferSize, bufferCoord, region, x, y)] = at(x, y);
  }
  return done;
}

ScrollEffect ScreenCells::scroll(const CellRect& sourceRect, const std::optional<CellRect>& clipRect,
                                 COORD destination, const CHAR_INFO& fill) {
  ScrollEffect effect;
  const CellRect source = intersect(sourceRect, bounds());
  const CellRect clip = intersect(clipRect.value_or(bounds()), bounds());
  if (source.empty() || clip.empty()) return effect;

  const int dx = destination.X - sourceRect.left;
  const int dy = destination.Y - sourceRect.top;
  const CellRect target{source.left + dx, source.top + dy, source.right + dx, source.bottom + dy};
  const std::vector<CHAR_INFO> before = cells_;
  auto old = [&](int x, int y) {
    return before[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
  };

  const CellRect uncovered = intersect(source, clip);
  for (int y = uncovered.top; y <= uncovered.bottom; ++y) {
    for (int x = uncovered.left; x <= uncovered.right; ++x) {
      if (!target.contains(x, y)) set(x, y, fill);
    }
  }
  const CellRect landed = intersect(target, clip);
  for (int y = landed.top; y <= landed.bottom; ++y) {
    for (int x = landed.left; x <= landed.right; ++x) set(x, y, old(x - dx, y - dy));
  }
  effect.changed = {uncovered, landed};

  // Full-width rows moving straight up or down inside a clip whose edge
  // ahead of the move is the source's own, so that what passes that edge is
  // lost: a terminal's scrolling region does exactly this.
  const bool fullWidth = source.left == 0 && source.right == width_ - 1 && clip.left == 0 &&
                         clip.right == width_ - 1 && dx == 0;
  const bool up = dy < 0 && clip.top == source.top && source.bottom <= clip.bottom;
  const bool down = dy > 0 && clip.bottom == source.bottom && source.top >= clip.top;
  if (fullWidth && (up || down)) {
    const int rows = source.bottom - source.top + 1;
    effect.regionScroll = ScrollEffect::RegionScroll{source.top, source.bottom, std::clamp(-dy, -rows, rows)};
  }
  return effect;
}

CellRect ScrollEffect::RegionScroll::uncovered(int width) const {
  if (rows > 0) return {0, bottom - rows + 1, width - 1, bottom};
  return {0, top, width - 1, top - rows - 1};
}

}  // namespace win32::detail
