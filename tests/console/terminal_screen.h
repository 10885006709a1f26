// What a terminal shows after the bytes the console wrote to it: the glyph
// and colours of every cell and where the cursor stands. It follows a
// VT100-class terminal for cursor addressing (CUP), colours (SGR),
// scrolling regions (DECSTBM), line feed and reverse index, with the
// pending wrap in the last column; other sequences are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace console::testing_support {

class TerminalScreen {
 public:
  // SGR colour numbers: 30-37 and 90-97 foreground, 40-47 and 100-107
  // background, 39 and 49 the terminal's defaults.
  struct Colours {
    int foreground = 39;
    int background = 49;
  };

  TerminalScreen(int columns, int rows);
  void Feed(std::string_view bytes);

  // The glyphs of row y (UTF-8), without trailing blanks.
  [[nodiscard]] std::string Row(int y) const;
  [[nodiscard]] Colours ColoursAt(int x, int y) const { return cells_[Index(x, y)].colours; }
  [[nodiscard]] int CursorX() const { return x_; }
  [[nodiscard]] int CursorY() const { return y_; }

 private:
  struct Cell {
    std::string glyph = " ";
    Colours colours;
  };

  [[nodiscard]] std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * columns_ + x); }
  void Put(const std::string& glyph);
  void LineFeed();
  void Scroll(int rows);  // the region up when positive, down when negative
  void Sequence(std::string_view parameters, char final);

  int columns_;
  int rows_;
  std::vector<Cell> cells_;
  int x_ = 0;
  int y_ = 0;
  bool pendingWrap_ = false;
  int top_ = 0;  // scrolling region, inclusive
  int bottom_;
  Colours colours_;
  std::string partial_;  // an escape sequence or UTF-8 character not yet complete
};

}  // namespace console::testing_support
