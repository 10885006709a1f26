// The graph window's procedure: creation of the drawing surfaces, repaint
// from the backing bitmap, release of everything on destruction, and the
// keyboard and mouse messages queued for the program's thread and handed to
// the program's handlers.
#include "platform/display.h"
#include "platform/user.h"
#include "win32gui/win32gui_state.h"
#include "win32gui/window_input_queue.h"

namespace graph {

namespace {

bool IsKeyMessage(win32::UINT message) {
  return (message >= win32::WM_KEYDOWN && message <= win32::WM_CHAR) ||
         (message >= win32::WM_SYSKEYDOWN && message <= win32::WM_SYSCHAR);
}

bool IsMouseButtonMessage(win32::UINT message) {
  return message >= win32::WM_LBUTTONDOWN && message <= win32::WM_MBUTTONDBLCLK;
}

bool IsInputMessage(win32::UINT message) {
  return IsKeyMessage(message) || (message >= win32::WM_MOUSEMOVE && message <= win32::WM_MOUSEWHEEL);
}

// Fills the picture's area of a surface with RGB black, whatever palette
// entry 0 holds.
void ClearToBlack(win32::HDC surface) {
  const win32::HGDIOBJ previousPen =
      win32::SelectObject(surface, win32::GetStockObject(win32::BLACK_PEN));
  const win32::HGDIOBJ previousBrush =
      win32::SelectObject(surface, win32::GetStockObject(win32::BLACK_BRUSH));
  (void)win32::Rectangle(surface, 0, 0, MaxX + 1, MaxY + 1);
  (void)win32::SelectObject(surface, previousPen);
  (void)win32::SelectObject(surface, previousBrush);
}

// The backing bitmap: a top-down 32-bit DIB section of the mode's size,
// whose pixels the drawing routines write in place. None when it cannot
// be made; drawing then reaches the window alone.
void CreateSavedScreen(win32::HDC reference) {
  win32::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(win32::BITMAPINFOHEADER);
  info.bmiHeader.biWidth = MaxX + 1;
  info.bmiHeader.biHeight = -(MaxY + 1);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = win32::BI_RGB;
  void* bits = nullptr;
  SavedScreen = win32::CreateDIBSection(reference, &info, win32::DIB_RGB_COLORS, &bits, nullptr, 0);
  SavedScreenBits = static_cast<std::uint32_t*>(bits);
  SavedScreenWidth = SavedScreen != nullptr ? MaxX + 1 : 0;
  SavedScreenHeight = SavedScreen != nullptr ? MaxY + 1 : 0;
}

// WM_CREATE: the backing bitmap in its memory context, the window context
// held for the window's lifetime, both black and with DC_PEN selected for
// the runs, empty caches; then the surfaces exist, GraphRunning says so, and
// GraphStarted lets the mode initialisation go on.
void CreateSurfaces(win32::HWND window) {
  DrawingLock lock;
  const win32::HDC reference = win32::GetDC(window);
  BitmapDC = win32::CreateCompatibleDC(reference);
  CreateSavedScreen(reference);
  (void)win32::ReleaseDC(window, reference);
  OldBitmap = win32::SelectObject(BitmapDC, SavedScreen);
  WinDC = win32::GetDC(window);
  ClearToBlack(BitmapDC);
  ClearToBlack(WinDC);
  (void)win32::GdiFlush();  // before the bitmap's pixels are written in place
  OldBitmapPen = win32::SelectObject(BitmapDC, win32::GetStockObject(win32::DC_PEN));
  OldWindowPen = win32::SelectObject(WinDC, win32::GetStockObject(win32::DC_PEN));
  BitmapFontHorizonCache.fill(nullptr);
  BitmapFontVerticalCache.fill(nullptr);
  GraphRunning.store(true, std::memory_order_release);
  (void)win32::SetEvent(GraphStarted);
}

template <class Handles>
void DeleteAll(Handles& handles) {
  for (auto handle : handles)
    if (handle != nullptr) (void)win32::DeleteObject(handle);
}

// WM_DESTROY: drawing stops first, then the surfaces, caches and palette go.
// The caches keep their deleted handles until the next window clears them;
// nothing reads them meanwhile because GraphRunning is false.
void ReleaseSurfaces(win32::HWND window) {
  DrawingLock lock;
  GraphRunning.store(false, std::memory_order_release);
  (void)win32::SelectObject(WinDC, OldWindowPen);
  (void)win32::ReleaseDC(window, WinDC);
  (void)win32::SelectObject(BitmapDC, OldBitmapPen);
  (void)win32::SelectObject(BitmapDC, OldBitmap);
  (void)win32::DeleteObject(SavedScreen);
  SavedScreenBits = nullptr;
  SavedScreenWidth = 0;
  SavedScreenHeight = 0;
  (void)win32::DeleteDC(BitmapDC);
  DeleteAll(BitmapFontHorizonCache);
  DeleteAll(BitmapFontVerticalCache);
  Pal.reset();
}

// WM_PAINT: the damaged rectangle copied 1:1 from the backing bitmap, which
// is anchored at the top-left corner and never scaled.
//
// The rectangle copied is the one BeginPaint validates, not the one seen
// before the lock was taken: the program may add to the update region in
// between (an image put while this thread waited for GraphDrawing), and
// BeginPaint validates that addition too, so copying less would lose it.
void Repaint(win32::HWND window) {
  win32::RECT damaged{};
  if (!win32::GetUpdateRect(window, &damaged, win32::FALSE)) return;
  DrawingLock lock;
  win32::PAINTSTRUCT paint{};
  const win32::HDC dc = win32::BeginPaint(window, &paint);
  const win32::RECT& area = paint.rcPaint;
  if (GraphRunning.load(std::memory_order_relaxed)) {
    (void)win32::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
                        BitmapDC, area.left, area.top, win32::SRCCOPY);
  }
  (void)win32::EndPaint(window, &paint);
}

// Keys and mouse buttons go to the program's handler when it has one and
// are consumed otherwise; they never reach the default handling.
win32::LRESULT PassToHandler(const std::atomic<MessageHandlerProc>& handler, win32::HWND window,
                             win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
  const MessageHandlerProc receiver = handler.load(std::memory_order_acquire);
  return receiver != nullptr ? receiver(window, message, wParam, lParam) : 0;
}

}  // namespace

win32::LRESULT WindowProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                          win32::LPARAM lParam) {
  if (IsInputMessage(message)) WindowInput().Record(message, wParam, lParam);
  switch (message) {
    case win32::WM_CREATE:
      WindowInput().Open();  // before GraphRunning lets the program's thread go on
      CreateSurfaces(window);
      return 0;
    case win32::WM_DESTROY:
      WindowInput().Close(window);
      ReleaseSurfaces(window);
      win32::PostQuitMessage(0);
      return win32::DefWindowProcA(window, message, wParam, lParam);
    case win32::WM_PAINT:
      Repaint(window);
      return 0;
    case win32::WM_CLOSE:
      // A repaint may still be pending (an image put just before the close):
      // the window goes with its last picture, which a snapshot keeps.
      (void)win32::UpdateWindow(window);
      (void)win32::DestroyWindow(window);
      return 0;
    case win32::display::kScriptCheckpointMessage:
      // Passed by the program when it next waits for the window's input.
      WindowInput().QueueCheckpoint(wParam);
      return 0;
    default:
      break;
  }
  if (IsKeyMessage(message)) return PassToHandler(CharMessageHandler, window, message, wParam, lParam);
  if (IsMouseButtonMessage(message))
    return PassToHandler(MouseMessageHandler, window, message, wParam, lParam);
  return win32::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace graph
