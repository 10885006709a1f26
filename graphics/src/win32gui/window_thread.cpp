// The window thread: registers the window class once per process, creates
// and shows the graph window, signals the program's thread and then runs
// the window's message loop until the window is destroyed.
#include "platform/user.h"
#include "runtime/system.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

constexpr const char* kWindowClassName = "VokGraphWindow";

// The control word the runtime gives the program's thread, so that message
// handlers compute as the program does.
void ResetFloatingPointUnit() {
  const std::uint16_t word = runtime::kProgramControlWord;
  asm volatile("fninit\n\tfldcw %0" : : "m"(word));
}

}  // namespace

bool WinRegister() {
  win32::WNDCLASSA windowClass{};
  windowClass.style = GraphWindowStyle;
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = win32::GetModuleHandleA(nullptr);
  windowClass.hIcon = win32::LoadIconA(nullptr, win32::IDI_APPLICATION);
  windowClass.hCursor = win32::LoadCursorA(nullptr, win32::IDC_ARROW);
  windowClass.hbrBackground = static_cast<win32::HBRUSH>(win32::GetStockObject(win32::BLACK_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kWindowClassName;
  return win32::RegisterClassA(&windowClass) != 0;
}

win32::HWND WinCreate() {
  // The outer size adds two sizing frames across and two frames and a
  // caption down, so that the client area is exactly the mode's size.
  const int width = MaxX + 1 + 2 * win32::GetSystemMetrics(win32::SM_CXFRAME);
  const int height = MaxY + 1 + 2 * win32::GetSystemMetrics(win32::SM_CYFRAME) +
                     win32::GetSystemMetrics(win32::SM_CYCAPTION);
  const win32::HWND window = win32::CreateWindowExA(
      0, kWindowClassName, WindowTitle, win32::WS_VISIBLE | win32::WS_OVERLAPPEDWINDOW | ExtraStyle,
      win32::CW_USEDEFAULT, 0, width, height, nullptr, nullptr, win32::GetModuleHandleA(nullptr),
      nullptr);
  if (window != nullptr) {
    (void)win32::ShowWindow(window, win32::SW_SHOW);
    (void)win32::UpdateWindow(window);  // the first WM_PAINT, before returning
  }
  return window;
}

win32::DWORD MessageHandleThread(void* /*parameter*/) {
  ResetFloatingPointUnit();
  if (!WinRegistered) {
    if (!WinRegister()) {
      (void)win32::MessageBoxA(nullptr, "Window registration failed", nullptr, win32::MB_OK);
      (void)win32::SetEvent(GraphStarted);
      (void)win32::SetEvent(GraphInit);
      return 1;
    }
    WinRegistered = true;
  }
  // Creating the window runs WM_CREATE here, which sets GraphRunning and
  // signals GraphStarted, releasing the program's thread from its first
  // wait into its wait on GraphInit. Without a window this thread gives up,
  // signalling both before its failure message, which the program's thread
  // sits out waiting for it to end.
  MainWindow = WinCreate();
  win32::MSG message{};
  (void)win32::PeekMessageA(&message, nullptr, win32::WM_USER, win32::WM_USER, win32::PM_NOREMOVE);
  if (MainWindow == nullptr) (void)win32::SetEvent(GraphStarted);
  (void)win32::SetEvent(GraphInit);
  if (MainWindow == nullptr) {
    (void)win32::MessageBoxA(nullptr, "Window creation failed", nullptr, win32::MB_OK);
    return 1;
  }
  while (win32::GetMessageA(&message, nullptr, 0, 0) == 1) {
    (void)win32::TranslateMessage(&message);
    (void)win32::DispatchMessageA(&message);
  }
  return static_cast<win32::DWORD>(message.wParam);
}

}  // namespace graph
