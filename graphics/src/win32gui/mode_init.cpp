// Opening and closing the graph window from the program's thread: the mode
// initialisation with its start-up handshake, CloseGraph with its shut-down
// handshake, and the single page of the driver.
#include "platform/user.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

// The maximised-window modes of the registry open the window maximised.
constexpr std::int16_t kFirstMaximizedMode = 245;
constexpr std::int16_t kLastMaximizedMode = 249;

// How long to wait for a window thread that was not sent a close request
// but is expected to end by itself (its window is already being destroyed).
constexpr win32::DWORD kEndingThreadWait = 5000;

void InitGraphDrawing() {
  if (!GraphDrawingKept) win32::InitializeCriticalSection(&GraphDrawing);
}

void DeleteGraphDrawing() {
  if (!GraphDrawingKept) win32::DeleteCriticalSection(&GraphDrawing);
}

// Lets go of the window thread once it has ended, or gives it up when it
// has not: then it may still take GraphDrawing (a repaint of its window), so
// the lock stays for the rest of the process instead of being deleted.
void ReleaseWindowThread(bool ended) {
  MessageThreadHandleValid = false;
  (void)win32::CloseHandle(MessageThreadHandle);
  MessageThreadHandle = nullptr;
  if (ended) {
    DeleteGraphDrawing();
  } else {
    GraphDrawingKept = true;
  }
}

[[nodiscard]] bool WaitForWindowThread(win32::DWORD milliseconds) {
  return win32::WaitForSingleObject(MessageThreadHandle, milliseconds) == win32::WAIT_OBJECT_0;
}

// Asks the window to close, as its close box would, and waits until its
// thread has ended; true when it has. When neither request can be posted
// the window is already gone or unreachable: its thread gets a bounded wait
// and is otherwise treated as gone, with drawing stopped.
[[nodiscard]] bool CloseWindowAndWait() {
  bool posted = win32::PostMessageA(MainWindow, win32::WM_CLOSE, 0, 0) != 0;
  if (!posted) {
    win32::Sleep(1);
    posted = win32::PostMessageA(MainWindow, win32::WM_CLOSE, 0, 0) != 0;
  }
  if (posted) return WaitForWindowThread(win32::INFINITE);
  if (WaitForWindowThread(kEndingThreadWait)) return true;
  DrawingLock lock;
  GraphRunning.store(false, std::memory_order_release);
  return false;
}

}  // namespace

void InitWin32GUI16Colors() {
  // A second initialisation while the window is open changes nothing.
  if (WindowRunning()) return;
  // The user closed the previous window without a CloseGraph: its thread is
  // ending by itself; finish it before its lock is made anew.
  if (MessageThreadHandleValid) ReleaseWindowThread(WaitForWindowThread(kEndingThreadWait));

  Pal = CreateDefaultPalette(MaxColor);
  ExtraStyle = IntCurrentMode >= kFirstMaximizedMode && IntCurrentMode <= kLastMaximizedMode
                   ? win32::WS_MAXIMIZE
                   : 0;
  InitGraphDrawing();
  GraphInit = win32::CreateEventA(nullptr, win32::FALSE, win32::FALSE, nullptr);
  GraphStarted = win32::CreateEventA(nullptr, win32::FALSE, win32::FALSE, nullptr);
  GraphRunning.store(false, std::memory_order_release);
  win32::DWORD threadId = 0;
  MessageThreadHandle = win32::CreateThread(nullptr, 0, &MessageHandleThread, nullptr, 0, &threadId);

  // Until the window's surfaces exist or the thread has ended, asleep: the
  // thread signals GraphStarted as it sets GraphRunning or as it gives up,
  // and one that gave up is waited for until it has ended.
  win32::DWORD exitCode = win32::STILL_ACTIVE;
  if (MessageThreadHandle != nullptr) {
    (void)win32::WaitForSingleObject(GraphStarted, win32::INFINITE);
    if (!WindowRunning()) (void)WaitForWindowThread(win32::INFINITE);
    if (!win32::GetExitCodeThread(MessageThreadHandle, &exitCode)) exitCode = 1;
  } else {
    exitCode = 1;  // no thread: nothing will signal GraphInit
  }

  if (exitCode != win32::STILL_ACTIVE) {
    GraphResult = grError;
    if (MessageThreadHandle != nullptr) {
      // The thread signalled GraphInit before it ended.
      (void)win32::WaitForSingleObject(GraphInit, win32::INFINITE);
      ReleaseWindowThread(true);
    } else {
      DeleteGraphDrawing();
    }
    Pal.reset();
  } else {
    MessageThreadHandleValid = true;
    (void)win32::WaitForSingleObject(GraphInit, win32::INFINITE);
  }
  (void)win32::CloseHandle(GraphInit);
  GraphInit = nullptr;
  (void)win32::CloseHandle(GraphStarted);
  GraphStarted = nullptr;
}

void CloseGraph() {
  if (!IsGraphMode) {
    GraphResult = grNoInitGraph;
    return;
  }
  bool threadEnded = true;
  if (WindowRunning()) threadEnded = CloseWindowAndWait();
  // After the user has closed the window its thread is ending by itself; it
  // must have ended before its lock can go.
  if (MessageThreadHandleValid) {
    if (threadEnded) threadEnded = WaitForWindowThread(kEndingThreadWait);
    ReleaseWindowThread(threadEnded);
  }
  IsGraphMode = false;
}

void SetVisualWin32GUI(std::uint16_t /*page*/) {}
void SetActiveWin32GUI(std::uint16_t /*page*/) {}

}  // namespace graph
