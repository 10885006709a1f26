// A window class that records the messages its windows receive, on the
// headless display.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/user.h"

namespace user_test {

struct Received {
  win32::HWND window;
  win32::UINT message;
  win32::WPARAM wParam;
  std::thread::id thread;
};

class Recorder {
 public:
  static Recorder& instance() {
    static Recorder recorder;
    return recorder;
  }
  void add(const Received& received) {
    std::lock_guard guard(lock_);
    log_.push_back(received);
  }
  std::vector<Received> take() {
    std::lock_guard guard(lock_);
    return std::exchange(log_, {});
  }
  // The message numbers only, without the ones a test does not care about.
  std::vector<win32::UINT> take_messages() {
    std::vector<win32::UINT> messages;
    for (const Received& r : take()) messages.push_back(r.message);
    return messages;
  }

 private:
  std::mutex lock_;
  std::vector<Received> log_;
};

// Records everything, paints by the book and quits its thread when destroyed.
inline win32::LRESULT RecordingProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                                    win32::LPARAM lParam) {
  Recorder::instance().add(Received{window, message, wParam, std::this_thread::get_id()});
  if (message == win32::WM_DESTROY) win32::PostQuitMessage(0);
  return win32::DefWindowProcA(window, message, wParam, lParam);
}

inline const char* RecordingClass() {
  static const bool registered = [] {
    setenv("GRAPH_DISPLAY", "headless", 1);
    win32::WNDCLASSA window_class{};
    window_class.lpfnWndProc = RecordingProc;
    window_class.hbrBackground = static_cast<win32::HBRUSH>(win32::GetStockObject(win32::BLACK_BRUSH));
    window_class.lpszClassName = "RecordingWindow";
    return win32::RegisterClassA(&window_class) != 0;
  }();
  EXPECT_TRUE(registered);
  return "RecordingWindow";
}

// A visible framed window whose client area is width x height.
inline win32::HWND OpenWindow(int width, int height, const char* title = "Recorded") {
  const int outer_width = width + 2 * win32::GetSystemMetrics(win32::SM_CXFRAME);
  const int outer_height =
      height + 2 * win32::GetSystemMetrics(win32::SM_CYFRAME) + win32::GetSystemMetrics(win32::SM_CYCAPTION);
  return win32::CreateWindowExA(0, RecordingClass(), title, win32::WS_OVERLAPPEDWINDOW | win32::WS_VISIBLE,
                                win32::CW_USEDEFAULT, 0, outer_width, outer_height, nullptr, nullptr, nullptr,
                                nullptr);
}

// Retrieves and dispatches what is waiting, without blocking.
inline void DrainQueue() {
  win32::MSG message;
  while (win32::PeekMessageA(&message, nullptr, 0, 0, win32::PM_REMOVE)) {
    if (message.message == win32::WM_QUIT) continue;
    win32::DispatchMessageA(&message);
  }
}

}  // namespace user_test
