// The WIN32GUI window driver: the routines that every mode record of the
// registry points at. The driver's own state (GraphRunning, MainWindow,
// WinDC, BitmapDC, GraphDrawing, WindowTitle, ...) lives in its own files.
// CloseGraph is public and declared in graphics/graph.h.
#pragma once

#include <cstdint>

#include "graphics/graph.h"

namespace graph {

// Mode initialisation: opens the window for the mode that SetGraphMode has
// just copied into the library state; leaves GraphResult non-zero on failure.
void InitWin32GUI16Colors();

// Pixels and runs.
void DirectPutPixel16Win32GUI(std::int16_t x, std::int16_t y);
void PutPixel16Win32GUI(std::int16_t x, std::int16_t y, std::uint16_t color);
std::uint16_t GetPixel16Win32GUI(std::int16_t x, std::int16_t y);
void HLine16Win32GUI(std::int16_t x1, std::int16_t x2, std::int16_t y);
void VLine16Win32GUI(std::int16_t x, std::int16_t y1, std::int16_t y2);
void GetScanLineWin32GUI(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data);

// Palette.
void SetRGBPaletteWin32GUI(std::int16_t color, std::int16_t red, std::int16_t green,
                           std::int16_t blue);
void GetRGBPaletteWin32GUI(std::int16_t color, std::int16_t& red, std::int16_t& green,
                           std::int16_t& blue);

// Clearing: a clearing of the whole window ends a frame of an animation,
// then the viewport is cleared as ClearViewportDefault clears it.
void ClearViewportWin32GUI();

// Pages: the driver has a single page, so both do nothing.
void SetVisualWin32GUI(std::uint16_t page);
void SetActiveWin32GUI(std::uint16_t page);

// Images and text.
void PutImageWin32GUI(std::int16_t x, std::int16_t y, const void* block, std::uint16_t operation);
void OutTextXYWin32GUI(std::int16_t x, std::int16_t y, const GraphString& text);

}  // namespace graph
