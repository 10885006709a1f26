// The objects behind the user part's handles: window classes, windows and
// the per-thread message queues, and the process-wide state that holds them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gdi/surface.h"
#include "kernel/handle_table.h"
#include "platform/user.h"

namespace win32::detail {

class WindowClass {
 public:
  ATOM atom = 0;
  std::string name;
  UINT style = 0;
  WNDPROC procedure = nullptr;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
};

class Window;

// What wakes a thread waiting for messages: a condition variable, or, while
// the thread sleeps in poll() beside the display's connections, the queue's
// wakeup, which also hears the drawing on the thread's windows.
class QueueWake {
 public:
  void notify_all() {
    condition_.notify_all();
    if (polling_.load(std::memory_order_acquire)) wakeup_->raise();
  }
  void wait(std::unique_lock<std::mutex>& lock) { condition_.wait(lock); }
  template <class Duration>
  void wait_for(std::unique_lock<std::mutex>& lock, Duration duration) {
    condition_.wait_for(lock, duration);
  }
  // The waiting thread says it is about to poll (with the queue's lock held,
  // so that whoever changes the queue afterwards raises the wakeup) and that
  // it is awake again.
  void begin_polling() { polling_.store(true, std::memory_order_release); }
  void end_polling() {
    polling_.store(false, std::memory_order_relaxed);
    wakeup_->clear();
  }
  // Made at the first call, which only the queue's own thread makes (so a
  // thread that never sleeps beside a display holds no descriptor for it).
  [[nodiscard]] const std::shared_ptr<Wakeup>& wakeup() {
    if (!wakeup_) wakeup_ = std::make_shared<Wakeup>();
    return wakeup_;
  }

 private:
  std::condition_variable condition_;
  std::shared_ptr<Wakeup> wakeup_;
  std::atomic<bool> polling_{false};
};

// One thread's message queue. Its lock guards the posted messages, the quit
// request and the painting state of the thread's windows; it is never held
// while a window procedure runs.
class MessageQueue {
 public:
  std::mutex lock;
  QueueWake wake;
  std::deque<MSG> posted;
  bool quit_pending = false;
  int quit_code = 0;
  bool alive = true;  // false once the thread has ended
  std::vector<Window*> windows;
};

class Window : public Object {
 public:
  HWND handle = nullptr;
  std::shared_ptr<WindowClass> window_class;
  std::string title;
  DWORD style = 0;
  DWORD ex_style = 0;
  std::thread::id owner;
  std::shared_ptr<MessageQueue> queue;
  // The client area: pixels owned by the platform, presented by the backend.
  std::shared_ptr<Surface> framebuffer;
  void* native = nullptr;  // the display backend's own data

  // Guarded by queue->lock.
  bool visible = false;
  bool minimized = false;
  bool maximized = false;
  bool destroying = false;
  bool has_update = false;
  bool erase_pending = false;
  RECT update{0, 0, 0, 0};

  RECT client() const { return framebuffer->bounds(); }
  bool paintable() const { return visible && !minimized && !destroying && has_update; }
  LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) {
    return window_class->procedure(handle, message, wParam, lParam);
  }
};

// The user part's process-wide state: the registered classes and the
// windows that exist.
struct UserState {
  std::mutex lock;
  std::vector<std::shared_ptr<WindowClass>> classes;
  std::vector<std::shared_ptr<Window>> windows;
};
UserState& user_state();

// The calling thread's queue, made at its first use.
std::shared_ptr<MessageQueue> current_queue();

std::shared_ptr<Window> find_window(HWND window);
// The class named by a name or an atom (MAKEINTATOM), or null.
std::shared_ptr<WindowClass> find_class(const char* name);

// Adds `area` (already inside the client area) to the update region.
void invalidate(Window& window, const RECT& area, bool erase);
// Takes a window out of every table after its last message: its handle,
// its queue's list and posted messages, the display. The picture is saved
// when GRAPH_SNAPSHOT asks for it.
void finish_window(const std::shared_ptr<Window>& window);

}  // namespace win32::detail
