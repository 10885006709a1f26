#include "terminal_screen.h"

#include <algorithm>
#include <charconv>

namespace console::testing_support {

namespace {

std::vector<int> Parameters(std::string_view text) {
  std::vector<int> numbers;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(';', start), text.size());
    int n = 0;
    std::from_chars(text.data() + start, text.data() + end, n);
    numbers.push_back(n);
    start = end + 1;
  }
  return numbers;
}

std::size_t Utf8Length(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

}  // namespace

TerminalScreen::TerminalScreen(int columns, int rows)
    : columns_(columns), rows_(rows), cells_(static_cast<std::size_t>(columns * rows)), bottom_(rows - 1) {}

std::string TerminalScreen::Row(int y) const {
  int end = columns_;
  while (end > 0 && cells_[Index(end - 1, y)].glyph == " ") --end;
  std::string row;
  for (int x = 0; x < end; ++x) row += cells_[Index(x, y)].glyph;
  return row;
}

void TerminalScreen::Put(const std::string& glyph) {
  if (pendingWrap_) {
    x_ = 0;
    LineFeed();
  }
  cells_[Index(x_, y_)] = Cell{glyph, colours_};
  pendingWrap_ = x_ + 1 == columns_;
  if (!pendingWrap_) ++x_;
}

void TerminalScreen::LineFeed() {
  pendingWrap_ = false;
  if (y_ == bottom_) {
    Scroll(1);
  } else {
    y_ = std::min(y_ + 1, rows_ - 1);
  }
}

void TerminalScreen::Scroll(int rows) {
  const auto row = [&](int y) { return cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, y)); };
  for (int step = 0; step < std::abs(rows); ++step) {
    if (rows > 0) {
      std::copy(row(top_ + 1), row(bottom_ + 1), row(top_));
      std::fill(row(bottom_), row(bottom_ + 1), Cell{" ", colours_});
    } else {
      std::copy_backward(row(top_), row(bottom_), row(bottom_ + 1));
      std::fill(row(top_), row(top_ + 1), Cell{" ", colours_});
    }
  }
}

void TerminalScreen::Sequence(std::string_view parameters, char final) {
  const std::vector<int> n = Parameters(parameters);
  if (final == 'H') {
    y_ = std::clamp(n[0] - 1, 0, rows_ - 1);
    x_ = std::clamp((n.size() > 1 ? n[1] : 0) - 1, 0, columns_ - 1);
    pendingWrap_ = false;
  } else if (final == 'r') {  // setting the region homes the cursor
    top_ = std::max(n[0] - 1, 0);
    bottom_ = n.size() > 1 && n[1] > 0 ? std::min(n[1], rows_) - 1 : rows_ - 1;
    x_ = y_ = 0;
    pendingWrap_ = false;
  } else if (final == 'm') {
    for (const int p : n) {
      if (p == 0) colours_ = {};
      if ((p >= 30 && p <= 39) || (p >= 90 && p <= 97)) colours_.foreground = p;
      if ((p >= 40 && p <= 49) || (p >= 100 && p <= 107)) colours_.background = p;
    }
  }
}

void TerminalScreen::Feed(std::string_view bytes) {
  for (const char byte : bytes) {
    partial_ += byte;
    const auto lead = static_cast<unsigned char>(partial_[0]);
    const auto last = static_cast<unsigned char>(partial_.back());
    if (lead == 0x1B) {
      if (partial_.size() < 2) continue;
      if (partial_[1] == '[') {
        if (partial_.size() == 2 || last < 0x40 || last > 0x7E) continue;
        Sequence(std::string_view(partial_).substr(2, partial_.size() - 3), partial_.back());
      } else if (partial_[1] == 'M') {  // reverse index
        pendingWrap_ = false;
        if (y_ == top_) {
          Scroll(-1);
        } else {
          y_ = std::max(y_ - 1, 0);
        }
      }
    } else if (lead == '\n') {
      LineFeed();
    } else if (lead >= 0x20) {
      if (partial_.size() < Utf8Length(lead)) continue;
      Put(partial_);
    }
    partial_.clear();
  }
}

}  // namespace console::testing_support
