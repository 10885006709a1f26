// The WIN32GUI driver's own state, shared by the program's thread (drawing,
// mode initialisation, CloseGraph) and the window thread (message loop,
// window procedure). Defined in win32gui_state.cpp.
//
// GraphDrawing guards the two surfaces, the palette and the glyph caches.
// GraphRunning says whether they exist: the window thread writes it only
// while holding GraphDrawing; the program's thread reads it without the
// lock as a quick test and again under the lock before touching anything,
// always through DrawOnTheWindow below.
#pragma once

#include <array>
#include <atomic>
#include <cassert>
#include <cstdint>
#include <memory>
#include <optional>

#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "platform/gdi.h"
#include "platform/kernel.h"

namespace graph {

// The palette of the open window: Size entries (the mode's MaxColor, kept
// within 1 .. 256 so that it never exceeds the default colours it copies),
// each with the colour value it draws in.
struct TPalette {
  std::int32_t Size;
  std::array<RGBRec, 256> Entries;
  std::array<win32::COLORREF, 256> Values;
};

inline constexpr int GlyphCacheSize = 256;

extern std::atomic<bool> GraphRunning;
// The backing bitmap is a DIB section whose pixels the pixel routines write
// in place (SavedScreenBits, SavedScreenWidth x SavedScreenHeight, none
// when it could not be made); runs and text draw on it through GDI.
extern win32::HBITMAP SavedScreen;
extern std::uint32_t* SavedScreenBits;
extern int SavedScreenWidth;
extern int SavedScreenHeight;
extern win32::HGDIOBJ OldBitmap;
// The pens the two contexts held before the runs took DC_PEN for good.
extern win32::HGDIOBJ OldBitmapPen;
extern win32::HGDIOBJ OldWindowPen;
extern win32::CRITICAL_SECTION GraphDrawing;
extern win32::HANDLE GraphInit;
// Auto-reset, like GraphInit, and alive as long: the window thread signals
// it as it sets GraphRunning and as it gives up, so that the mode
// initialisation waits for the one or the other instead of polling.
extern win32::HANDLE GraphStarted;
extern win32::HANDLE MessageThreadHandle;
extern bool MessageThreadHandleValid;
extern bool GraphDrawingKept;
extern bool WinRegistered;
extern win32::DWORD ExtraStyle;
extern std::unique_ptr<TPalette> Pal;
extern std::array<win32::HBITMAP, GlyphCacheSize> BitmapFontHorizonCache;
extern std::array<win32::HBITMAP, GlyphCacheSize> BitmapFontVerticalCache;

// GraphRunning read on the program's thread: a quick test outside the lock,
// or the decisive test once GraphDrawing is held.
[[nodiscard]] inline bool WindowRunning() { return GraphRunning.load(std::memory_order_acquire); }

// Holds GraphDrawing for one scope. The lock is recursive: an image routine
// holds it across a whole image while each pixel enters it again.
class DrawingLock {
 public:
  DrawingLock() { win32::EnterCriticalSection(&GraphDrawing); }
  ~DrawingLock() { win32::LeaveCriticalSection(&GraphDrawing); }
  DrawingLock(const DrawingLock&) = delete;
  DrawingLock& operator=(const DrawingLock&) = delete;

 private:
  friend std::optional<DrawingLock> DrawOnTheWindow();
  struct Entered {};

 public:
  // Takes over a hold that DrawOnTheWindow has already entered.
  explicit DrawingLock(Entered) {}
};

// The rule by which the program's thread touches the surfaces, the palette
// and the glyph caches, which the window thread may release at any moment: a quick test of GraphRunning, then GraphDrawing, then the test
// again under the lock. Holds the lock for as long as it is kept when the
// window runs; empty, holding nothing, when it does not.
[[nodiscard]] inline std::optional<DrawingLock> DrawOnTheWindow() {
  if (!WindowRunning()) return std::nullopt;
  win32::EnterCriticalSection(&GraphDrawing);
  if (!WindowRunning()) {
    win32::LeaveCriticalSection(&GraphDrawing);
    return std::nullopt;
  }
  return std::optional<DrawingLock>(std::in_place, DrawingLock::Entered{});
}

// The palette created by a mode initialisation: the first entries of
// DefaultColors, as many as the mode has colours.
[[nodiscard]] std::unique_ptr<TPalette> CreateDefaultPalette(std::int32_t colors);

// The colour value of a colour index, under GraphDrawing with the window
// running. An index beyond the palette (a colour argument or CurrentColor of
// MaxColor or more, and the complemented index of the "not" write mode) is
// taken modulo the palette size: its low bits, as a planar display would. So
// "not" draws the complement of the index (15 - c with 16 colours, 255 - c
// with 256) and nothing ever reads outside the palette.
[[nodiscard]] inline std::uint16_t PaletteIndexOf(std::uint32_t index) {
  assert(Pal != nullptr && "palette used without a window");
  const auto size = static_cast<std::uint32_t>(Pal->Size);
  return static_cast<std::uint16_t>(index < size ? index : index % size);
}
[[nodiscard]] inline win32::COLORREF ColorValueOfIndex(std::uint32_t index) {
  return Pal->Values[PaletteIndexOf(index)];
}

// Window thread and window procedure.
win32::DWORD MessageHandleThread(void* parameter);
[[nodiscard]] bool WinRegister();
[[nodiscard]] win32::HWND WinCreate();
win32::LRESULT WindowProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                          win32::LPARAM lParam);

}  // namespace graph
