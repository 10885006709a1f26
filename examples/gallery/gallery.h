// The gallery: an 800 x 600 window showing everything the graphics library
// draws on two pages, each item labelled with the library's own text. Each
// panel draws itself in a fixed rectangle of the screen and leaves the
// drawing state as GraphDefaults set it.
#pragma once

#include <cstdint>

#include "graphics/graph.h"
#include "graphics/text.h"

namespace gallery {

// The title of a page, with a note at its right end.
void DrawTitle(const char* pageNote);

// The first page's panels, top to bottom and left to right.
void DrawColours();     // the 16 and the 256 default colours
void DrawLineStyles();  // every line style, thin and thick
void DrawShapes();      // circles, arcs, filled ellipses with every fill pattern
void DrawImages();      // an image read back and put with each write mode
void DrawText();        // directions, justifications, sizes, the whole font

// The second page's panels.
void DrawOutlines();      // rectangles, polylines, relative lines, arcs, the aspect ratio
void DrawFills();         // bars, 3-D bars, polygons, ellipses, pie slices, sectors, flood fill
void DrawWriteModes();    // a filled polygon in each write mode
void DrawPalettes();      // the palette changed and restored; driver and mode names
void DrawStrokedFonts();  // the ten faces, stretched and vertical text

// Helpers shared by the panels.

// Bitmap text in a colour, horizontal, size 1, with the given justification;
// the text settings are put back to the defaults afterwards.
void Label(std::int16_t x, std::int16_t y, const graph::GraphString& text, std::uint16_t color,
           std::uint16_t horiz = graph::LeftText, std::uint16_t vert = graph::TopText);

// A small cross marking a text anchor.
void MarkAnchor(std::int16_t x, std::int16_t y);

// The number as text.
[[nodiscard]] graph::GraphString Number(int value);

}  // namespace gallery
