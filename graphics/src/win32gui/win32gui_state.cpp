// Every variable of the WIN32GUI driver, public and private, in one place.
#include "win32gui/win32gui_state.h"

#include "platform/user.h"

namespace graph {

// ---- Public (graphics/graph_window.h) ----------------------------------------

win32::HWND MainWindow = nullptr;
win32::HDC WinDC = nullptr;
win32::HDC BitmapDC = nullptr;
const char* WindowTitle = "Graph window application";
win32::UINT GraphWindowStyle = win32::CS_VREDRAW | win32::CS_HREDRAW;
bool DrawToBitmap = true;
bool DrawToScreen = true;
std::atomic<MessageHandlerProc> CharMessageHandler{nullptr};
std::atomic<MessageHandlerProc> MouseMessageHandler{nullptr};

// ---- The driver's own --------------------------------------------------------

std::atomic<bool> GraphRunning{false};
win32::HBITMAP SavedScreen = nullptr;
std::uint32_t* SavedScreenBits = nullptr;
int SavedScreenWidth = 0;
int SavedScreenHeight = 0;
win32::HGDIOBJ OldBitmap = nullptr;
win32::HGDIOBJ OldBitmapPen = nullptr;
win32::HGDIOBJ OldWindowPen = nullptr;
win32::CRITICAL_SECTION GraphDrawing{};
win32::HANDLE GraphInit = nullptr;
win32::HANDLE GraphStarted = nullptr;
win32::HANDLE MessageThreadHandle = nullptr;
bool MessageThreadHandleValid = false;
// True once a window thread could not be reached and was left running: it
// may still take GraphDrawing, so the lock is kept for the rest of the
// process and reused by later windows.
bool GraphDrawingKept = false;
bool WinRegistered = false;
win32::DWORD ExtraStyle = 0;
std::unique_ptr<TPalette> Pal;
std::array<win32::HBITMAP, GlyphCacheSize> BitmapFontHorizonCache{};
std::array<win32::HBITMAP, GlyphCacheSize> BitmapFontVerticalCache{};

}  // namespace graph
