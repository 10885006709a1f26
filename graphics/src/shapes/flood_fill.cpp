// FloodFill: the region around a seed point that pixels of the border
// colour, and the edges of the viewport, enclose; its pixels are connected
// through their four sides.
//
// Each viewport row is read once, through the GetScanLine slot, the first
// time the fill reaches it and before anything is drawn on it, and cut into
// runs: the stretches of the row between pixels of the border colour. A run
// lies wholly inside the region or wholly outside, and it joins the runs of
// the rows above and below that share a column with it; so the fill walks
// from run to run with a stack of its own on the heap, never by recursion,
// and a whole screen of any size fills without touching the call stack's
// limits. Since the fill remembers which runs it has drawn, the pattern,
// the fill colour and the write mode may be anything, even the border
// colour, and the fill still ends.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "circles/fill_pattern.h"
#include "graphics/graph.h"

namespace graph {

namespace {

struct Run {
  std::int16_t Left;  // viewport columns, both included
  std::int16_t Right;
  bool Filled;
};

struct RunRef {
  std::int32_t Y;
  std::size_t Index;
};

class Region {
 public:
  Region(std::int32_t width, std::int32_t height, std::uint16_t border)
      : width_(width),
        height_(height),
        border_(border),
        rows_(static_cast<std::size_t>(height)),
        rowRead_(static_cast<std::size_t>(height), false),
        scanLine_(static_cast<std::size_t>(width)) {}

  // Fills the region around (x, y) unless that point is of the border.
  void FillFrom(std::int32_t x, std::int32_t y) {
    const std::vector<Run>& seedRow = RunsOf(y);
    const auto run =
        std::find_if(seedRow.begin(), seedRow.end(), [x](const Run& r) { return r.Right >= x; });
    if (run == seedRow.end() || run->Left > x) return;
    Fill(RunRef{y, static_cast<std::size_t>(run - seedRow.begin())});
    while (!pending_.empty()) {
      const RunRef next = pending_.back();
      pending_.pop_back();
      const Run run = rows_[static_cast<std::size_t>(next.Y)][next.Index];
      if (next.Y > 0) FillTouching(next.Y - 1, run);
      if (next.Y < height_ - 1) FillTouching(next.Y + 1, run);
    }
  }

 private:
  std::vector<Run>& RunsOf(std::int32_t y) {
    std::vector<Run>& runs = rows_[static_cast<std::size_t>(y)];
    if (rowRead_[static_cast<std::size_t>(y)]) return runs;
    rowRead_[static_cast<std::size_t>(y)] = true;
    GetScanLine(0, static_cast<std::int16_t>(width_ - 1), static_cast<std::int16_t>(y),
                scanLine_.data());
    // The row holds colour numbers as 16-bit little-endian values, as an
    // image row does; they are compared with the border's two bytes whole.
    const std::array<std::uint8_t, 2> borderBytes = {static_cast<std::uint8_t>(border_),
                                                     static_cast<std::uint8_t>(border_ >> 8)};
    std::uint16_t borderPixel = 0;
    std::memcpy(&borderPixel, borderBytes.data(), 2);
    const std::uint16_t* const line = scanLine_.data();
    const std::uint16_t* const lineEnd = line + width_;
    for (const std::uint16_t* start = line;;) {
      const std::uint16_t* const border = std::find(start, lineEnd, borderPixel);
      if (border > start) {
        runs.push_back(Run{static_cast<std::int16_t>(start - line),
                           static_cast<std::int16_t>(border - line - 1), false});
      }
      if (border == lineEnd) break;
      start = border + 1;
    }
    return runs;
  }

  // Fills every run of row y that shares a column with `from`.
  void FillTouching(std::int32_t y, const Run& from) {
    const std::vector<Run>& runs = RunsOf(y);
    auto it = std::lower_bound(runs.begin(), runs.end(), from.Left,
                               [](const Run& r, std::int16_t column) { return r.Right < column; });
    for (; it != runs.end() && it->Left <= from.Right; ++it) {
      if (!it->Filled) Fill(RunRef{y, static_cast<std::size_t>(it - runs.begin())});
    }
  }

  void Fill(const RunRef& ref) {
    Run& run = rows_[static_cast<std::size_t>(ref.Y)][ref.Index];
    run.Filled = true;
    FillSpan(run.Left, run.Right, static_cast<std::int16_t>(ref.Y));
    pending_.push_back(ref);
  }

  std::int32_t width_;
  std::int32_t height_;
  std::uint16_t border_;
  std::vector<std::vector<Run>> rows_;
  std::vector<bool> rowRead_;
  std::vector<std::uint16_t> scanLine_;  // as GetScanLine writes it
  std::vector<RunRef> pending_;
};

}  // namespace

// A seed outside the viewport, or on a pixel of the border colour, draws
// nothing.
void FloodFill(std::int16_t x, std::int16_t y, std::uint16_t border) {
  const std::int32_t width = std::int32_t{ViewWidth} + 1;
  const std::int32_t height = std::int32_t{ViewHeight} + 1;
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  Region region(width, height, border);
  region.FillFrom(x, y);
}

}  // namespace graph
