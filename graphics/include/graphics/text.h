// Text output of the graphics library: the built-in 8 x 8 bitmap font, the
// text settings and metrics, placement by justification and direction, and
// the stroke encoding of the stroked fonts registered in Fonts (graph.h).
//
// OutTextXY itself is a hooks-table slot (graph.h). The text settings live
// in CurrentTextInfo; SetTextStyle, SetTextJustify and SetUserCharSize change
// them with checking, but the text routines handle any value a program
// stores there.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/graph.h"

namespace graph {

// Text settings values.
inline constexpr std::uint16_t DefaultFont = 0;  // the 8 x 8 bitmap font
// The stroked fonts that the library registers at start-up, by number.
inline constexpr std::uint16_t TriplexFont = 1;        // "TRIP"
inline constexpr std::uint16_t SmallFont = 2;          // "LITT"
inline constexpr std::uint16_t SansSerifFont = 3;      // "SANS"
inline constexpr std::uint16_t GothicFont = 4;         // "GOTH"
inline constexpr std::uint16_t ScriptFont = 5;         // "SCRI"
inline constexpr std::uint16_t SimplexFont = 6;        // "SIMP"
inline constexpr std::uint16_t TriplexScriptFont = 7;  // "TSCR"
inline constexpr std::uint16_t ComplexFont = 8;        // "LCOM"
inline constexpr std::uint16_t EuropeanFont = 9;       // "EURO"
inline constexpr std::uint16_t BoldFont = 10;          // "BOLD"
inline constexpr std::uint16_t HorizDir = 0;     // left to right
inline constexpr std::uint16_t VertDir = 1;      // bottom to top
inline constexpr std::uint16_t LeftText = 0;
inline constexpr std::uint16_t CenterText = 1;
inline constexpr std::uint16_t RightText = 2;
inline constexpr std::uint16_t BottomText = 0;
inline constexpr std::uint16_t TopText = 2;
inline constexpr std::uint16_t UserCharSize = 0;  // stroked text at the SetUserCharSize scale

// One glyph of the bitmap font: [row][column], top row and left column
// first, 1 where the character has ink.
using Glyph = std::array<std::array<std::uint8_t, 8>, 8>;

// The built-in font: the 256 characters of code page 437; 0, 32 and 255
// are blank.
extern const std::array<Glyph, 256> DefaultFontData;

// When true, OutTextXYDefault also paints the blank pixels of each bitmap
// font cell in CurrentBkColor.
extern bool DrawTextBackground;

// When not null, ConvertString replaces each character c by entry c.
extern const std::array<std::uint8_t, 256>* GraphStringTransTable;

// Scale from stroked-font units to pixels along x and y.
extern float CurrentXRatio;
extern float CurrentYRatio;

// Stroke opcodes of the stroked fonts.
enum class StrokeOp : std::uint8_t { End = 0, NoDraw = 1, Move = 2, Draw = 3 };

struct TStroke {
  StrokeOp Opcode;
  std::int16_t X;  // font units
  std::int16_t Y;  // font units, upward
};

inline constexpr std::size_t MaxStrokes = 1001;
using TStrokes = std::array<TStroke, MaxStrokes>;

// The work area that Unpack fills with the strokes of one character.
extern TStrokes Strokes;

// Extent of the text in pixels along and across its direction of writing
// with the current font and size.
[[nodiscard]] std::uint16_t TextWidth(const GraphString& text);
[[nodiscard]] std::uint16_t TextHeight(const GraphString& text);

// The offsets by which the current justification moves the anchor: text is
// drawn from (x - xOffset, y + yOffset).
void GetTextPosition(std::int32_t& xOffset, std::int32_t& yOffset, const GraphString& text);

// The text through GraphStringTransTable; unchanged while it is null.
[[nodiscard]] GraphString ConvertString(const GraphString& text);

// Decodes one stroke from its two bytes: the opcode from the two top bits,
// x and y from the low seven bits of each as 7-bit two's complement.
[[nodiscard]] StrokeOp Decode(std::uint8_t first, std::uint8_t second, std::int16_t& x,
                              std::int16_t& y);

// Decodes the strokes of one character, from byte `start` of the stroke data
// up to and including the first end stroke, into `strokes`; returns their
// number. Never reads outside the dataSize bytes of the data nor writes past
// MaxStrokes entries: null data or a start outside it gives 0, data that ends
// without an end stroke gives the strokes up to its end.
[[nodiscard]] std::int16_t Unpack(const std::uint8_t* data, std::int32_t dataSize,
                                  std::int16_t start, TStrokes& strokes);

// Writes the text at the current position (CurrentX, CurrentY) through the
// OutTextXY slot. Horizontal left-justified text then moves the position
// right by TextWidth(text), up to the largest coordinate; other settings
// leave it where it was.
void OutText(const GraphString& text);

// Select the font (0 or an installed stroked font), direction (0, 1) and
// character size, or the justification (0 to 2 each). The bitmap font takes
// any size from 1; a stroked font takes 1 or more, drawing 2 x size / 3
// pixels per font unit, or UserCharSize to keep the scale of
// SetUserCharSize. A value out of range sets GraphResult to -11 and changes
// nothing.
void SetTextStyle(std::uint16_t font, std::uint16_t direction, std::uint16_t charSize);
void SetTextJustify(std::uint16_t horiz, std::uint16_t vert);
void GetTextSettings(TextSettingsType& settings);

// Scales stroked text by multX / divX pixels per font unit along its
// writing and multY / divY across it; with a stroked font selected its size
// becomes UserCharSize. A divisor of 0 sets GraphResult to -11 and changes
// nothing.
void SetUserCharSize(std::uint16_t multX, std::uint16_t divX, std::uint16_t multY,
                     std::uint16_t divY);

}  // namespace graph
