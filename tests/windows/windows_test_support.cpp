#include "windows_test_support.h"

#include <atomic>

namespace windows_test {

namespace {

struct Received {
  std::mutex lock;
  std::vector<win32::UINT> messages;
};

Received& Log() {
  static Received log;
  return log;
}

win32::LRESULT RecordingProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
  {
    std::lock_guard guard(Log().lock);
    Log().messages.push_back(message);
  }
  if (message == win32::WM_PAINT) {
    win32::PAINTSTRUCT paint{};
    const win32::HDC dc = win32::BeginPaint(window, &paint);
    if (const win32::HDC source = PaintSource().load()) {
      const win32::RECT& r = paint.rcPaint;
      (void)win32::BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, r.left, r.top,
                          win32::SRCCOPY);
    }
    (void)win32::EndPaint(window, &paint);
    return 0;
  }
  if (message == win32::WM_DESTROY) win32::PostQuitMessage(0);
  return win32::DefWindowProcA(window, message, wParam, lParam);
}

struct ThreadStart {
  int width;
  int height;
  std::atomic<win32::HWND> window{nullptr};
  std::atomic<bool> created{false};
};

win32::DWORD RunWindow(void* parameter) {
  auto& start = *static_cast<ThreadStart*>(parameter);
  start.window = OpenWindow(start.width, start.height);
  start.created = true;
  win32::MSG message{};
  while (win32::GetMessageA(&message, nullptr, 0, 0) == 1) {
    (void)win32::TranslateMessage(&message);
    (void)win32::DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

bool WasReceived(win32::UINT message) {
  std::lock_guard guard(Log().lock);
  for (const win32::UINT received : Log().messages) {
    if (received == message) return true;
  }
  return false;
}

void ForgetReceived() {
  std::lock_guard guard(Log().lock);
  Log().messages.clear();
}

std::atomic<win32::HDC>& PaintSource() {
  static std::atomic<win32::HDC> source{nullptr};
  return source;
}

const char* RecordingClass() {
  static const bool registered = [] {
    win32::WNDCLASSA windowClass{};
    windowClass.style = win32::CS_HREDRAW | win32::CS_VREDRAW;
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = win32::GetModuleHandleA(nullptr);
    windowClass.hCursor = win32::LoadCursorA(nullptr, win32::IDC_ARROW);
    windowClass.hbrBackground = static_cast<win32::HBRUSH>(win32::GetStockObject(win32::BLACK_BRUSH));
    windowClass.lpszClassName = "VokGraphWindow";
    return win32::RegisterClassA(&windowClass) != 0;
  }();
  EXPECT_TRUE(registered);
  return "VokGraphWindow";
}

win32::HWND OpenWindow(int width, int height, const char* title) {
  const int outerWidth = width + 2 * win32::GetSystemMetrics(win32::SM_CXFRAME);
  const int outerHeight =
      height + 2 * win32::GetSystemMetrics(win32::SM_CYFRAME) + win32::GetSystemMetrics(win32::SM_CYCAPTION);
  const win32::HWND window =
      win32::CreateWindowExA(0, RecordingClass(), title, win32::WS_OVERLAPPEDWINDOW | win32::WS_VISIBLE,
                             win32::CW_USEDEFAULT, 0, outerWidth, outerHeight, nullptr, nullptr,
                             win32::GetModuleHandleA(nullptr), nullptr);
  // As the graphics library does: with x CW_USEDEFAULT, y is the show
  // command of a visible overlapped window, and 0 keeps it hidden.
  if (window != nullptr) {
    (void)win32::ShowWindow(window, win32::SW_SHOW);
    (void)win32::UpdateWindow(window);
  }
  return window;
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    win32::MSG message{};
    if (win32::PeekMessageA(&message, nullptr, 0, 0, win32::PM_REMOVE)) {
      (void)win32::TranslateMessage(&message);
      (void)win32::DispatchMessageA(&message);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  return true;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

WindowThread::WindowThread(int width, int height) {
  ThreadStart start{width, height};
  thread_ = win32::CreateThread(nullptr, 0, &RunWindow, &start, 0, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return start.created.load(); }, std::chrono::seconds(30)));
  window_ = start.window;
}

WindowThread::~WindowThread() {
  if (!Join(std::chrono::milliseconds(0))) {
    (void)win32::PostMessageA(window_, win32::WM_CLOSE, 0, 0);
    EXPECT_TRUE(Join());
  }
  win32::CloseHandle(thread_);
}

bool WindowThread::Join(std::chrono::milliseconds limit) {
  return win32::WaitForSingleObject(thread_, static_cast<win32::DWORD>(limit.count())) == win32::WAIT_OBJECT_0;
}

}  // namespace windows_test
