// A window class that records what its windows receive, a thread that
// runs one such window as the graphics library's window thread does, and
// the waits the Windows platform tests share.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/kernel.h"
#include "platform/user.h"

namespace windows_test {

// Whether a window of the recording class has received `message`; any
// thread may ask.
[[nodiscard]] bool WasReceived(win32::UINT message);
void ForgetReceived();

// Registered once ("VokGraphWindow"); its procedure records, paints the
// client area from the memory context that PaintSource() holds (when set)
// and quits the thread when its window is destroyed.
const char* RecordingClass();
std::atomic<win32::HDC>& PaintSource();

// A framed window whose client area is width x height, shown and painted.
[[nodiscard]] win32::HWND OpenWindow(int width, int height, const char* title = "Recorded");

// Dispatches what is waiting on this thread until `condition` holds;
// false after `limit`.
[[nodiscard]] bool PumpUntil(const std::function<bool()>& condition,
                             std::chrono::milliseconds limit = std::chrono::seconds(5));

// Waits (without dispatching) until `condition` holds; false after `limit`.
[[nodiscard]] bool WaitUntil(const std::function<bool()>& condition,
                             std::chrono::milliseconds limit = std::chrono::seconds(5));

// A window of the recording class on a thread of its own, which waits for
// its messages in GetMessageA until the window is destroyed.
class WindowThread {
 public:
  WindowThread(int width, int height);
  ~WindowThread();  // closes the window, if still open, and joins the thread
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  [[nodiscard]] win32::HWND window() const { return window_; }
  // Waits for the thread to end; true when it has.
  bool Join(std::chrono::milliseconds limit = std::chrono::seconds(5));

 private:
  win32::HWND window_ = nullptr;
  win32::HANDLE thread_ = nullptr;
};

}  // namespace windows_test
