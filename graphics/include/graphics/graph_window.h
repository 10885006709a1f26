// The graph window of the WIN32GUI driver as a program sees it: the public
// variables that a program may read, or set before InitGraph, and the
// nearest-colour lookup of the palette.
//
// WindowTitle is read when the window is created and GraphWindowStyle when
// the window class is registered (once per process). DrawToBitmap and
// DrawToScreen choose the surfaces that the drawing routines write. The
// message handlers receive the keyboard and mouse-button messages of the
// window on the window's own thread; without a handler those messages are
// consumed.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/win32_types.h"

namespace graph {

// Receives a message of the graph window: (window, message, wParam, lParam);
// its result is the window procedure's result.
using MessageHandlerProc = win32::LRESULT (*)(win32::HWND window, win32::UINT message,
                                              win32::WPARAM wParam, win32::LPARAM lParam);

// The graph window, its client-area context (the "screen" surface) and the
// memory context holding the backing bitmap (the "bitmap" surface). Set by
// the window thread when the window is created.
extern win32::HWND MainWindow;
extern win32::HDC WinDC;
extern win32::HDC BitmapDC;

extern const char* WindowTitle;       // "Graph window application"
extern win32::UINT GraphWindowStyle;  // class style, CS_VREDRAW | CS_HREDRAW
extern bool DrawToBitmap;             // drawing writes the backing bitmap
extern bool DrawToScreen;             // drawing writes the window

// Set from the program's thread, called on the window's thread: atomic, so
// that a handler may be installed or removed while the window is open.
extern std::atomic<MessageHandlerProc> CharMessageHandler;   // WM_KEYDOWN .. WM_SYSCHAR
extern std::atomic<MessageHandlerProc> MouseMessageHandler;  // button downs, ups, double clicks

// Copies the whole backing bitmap to the window in one hold of the drawing
// lock: a picture drawn with DrawToScreen false appears at once, whole,
// without the window ever showing it half drawn. Does nothing without a
// window.
void UpdateGraphWindow();

// The lowest palette index whose colour is nearest (sum of the absolute
// component differences) to (red, green, blue); 0 without a window.
[[nodiscard]] std::uint16_t GetPaletteEntry(std::uint16_t red, std::uint16_t green,
                                            std::uint16_t blue);

}  // namespace graph
