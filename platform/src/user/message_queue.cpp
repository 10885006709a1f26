// Per-thread message queues: posting, retrieving (with WM_PAINT produced for
// windows that need painting), translating and dispatching.
#include <poll.h>

#include <algorithm>
#include <chrono>

#include "display/backend.h"
#include "platform/kernel.h"
#include "user/user_objects.h"

namespace win32 {
namespace detail {

namespace {

// Ends the thread's queue with the thread: windows it still owns are taken
// away without further messages, since the thread can no longer run their
// window procedures.
class QueueOfThisThread {
 public:
  ~QueueOfThisThread() {
    if (!queue) return;
    std::vector<std::shared_ptr<Window>> orphans;
    {
      std::lock_guard guard(queue->lock);
      queue->alive = false;
      for (Window* window : queue->windows) {
        if (auto found = find_window(window->handle)) orphans.push_back(std::move(found));
      }
    }
    for (const auto& window : orphans) finish_window(window);
  }
  std::shared_ptr<MessageQueue> queue;
};

thread_local QueueOfThisThread this_thread_queue;

DWORD message_time() {
  static const auto start = std::chrono::steady_clock::now();
  return static_cast<DWORD>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

HWND const kThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

bool in_range(UINT message, UINT low, UINT high) {
  return (low == 0 && high == 0) || (message >= low && message <= high);
}

bool matches(const MSG& message, HWND filter, UINT low, UINT high) {
  if (filter == kThreadMessagesOnly) {
    if (message.hwnd) return false;
  } else if (filter && message.hwnd != filter) {
    return false;
  }
  return in_range(message.message, low, high);
}

enum class Found { nothing, message, quit };

// Looks for the next message in Win32's order: posted messages, then the
// quit request, then painting. Called with the queue's lock held.
Found next_message(MessageQueue& queue, MSG* out, HWND filter, UINT low, UINT high, bool remove) {
  auto it = std::find_if(queue.posted.begin(), queue.posted.end(),
                         [&](const MSG& m) { return matches(m, filter, low, high); });
  if (it != queue.posted.end()) {
    *out = *it;
    if (remove) queue.posted.erase(it);
    return Found::message;
  }
  if (queue.quit_pending && (!filter || filter == kThreadMessagesOnly)) {
    *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quit_code), 0, message_time(), POINT{0, 0}};
    if (remove) queue.quit_pending = false;
    return Found::quit;
  }
  if (filter != kThreadMessagesOnly && in_range(WM_PAINT, low, high)) {
    for (Window* window : queue.windows) {
      if (window->paintable() && (!filter || window->handle == filter)) {
        // WM_PAINT stays until the window is validated, as on Win32.
        *out = MSG{window->handle, WM_PAINT, 0, 0, message_time(), POINT{0, 0}};
        return Found::message;
      }
    }
  }
  return Found::nothing;
}

// The windows of a queue, for presenting outside the queue's lock.
std::vector<std::shared_ptr<Window>> windows_of(MessageQueue& queue) {
  std::vector<std::shared_ptr<Window>> windows;
  std::lock_guard guard(queue.lock);
  for (Window* window : queue.windows) {
    if (auto found = find_window(window->handle)) windows.push_back(std::move(found));
  }
  return windows;
}

using Clock = std::chrono::steady_clock;

// When the thread may present its windows again while the program draws.
thread_local Clock::time_point next_frame_of_this_thread;

// Sleeps until the queue is woken, a window's display has news, or, while
// drawing waits to be shown, the next frame is due.
void sleep_until_news(MessageQueue& queue, const DisplayBackend& backend, Clock::time_point next_frame) {
  std::vector<pollfd> watched{pollfd{queue.wake.wakeup()->fd(), POLLIN, 0}};
  bool news = false;
  bool drawn = false;
  for (const auto& window : windows_of(queue)) {
    news = news || backend.news_waiting(*window);
    drawn = drawn || window->framebuffer->dirty()->pending();
    if (const int fd = backend.news_fd(*window); fd >= 0) watched.push_back(pollfd{fd, POLLIN, 0});
  }
  int timeout_ms = -1;
  if (news) {
    timeout_ms = 0;
  } else if (drawn) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(next_frame - Clock::now()).count();
    timeout_ms = static_cast<int>(std::max<decltype(left)>(left, 0));
  }
  // EINTR and the rest end the sleep early, which costs one more round.
  (void)poll(watched.data(), watched.size(), timeout_ms);
  queue.wake.end_polling();
}

bool valid_filter(HWND filter) {
  return !filter || filter == kThreadMessagesOnly || find_window(filter) != nullptr;
}

}  // namespace

std::shared_ptr<MessageQueue> current_queue() {
  if (!this_thread_queue.queue) this_thread_queue.queue = std::make_shared<MessageQueue>();
  return this_thread_queue.queue;
}

}  // namespace detail

BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
  if (!message || !detail::valid_filter(window)) {
    SetLastError(message ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
    return -1;
  }
  auto queue = detail::current_queue();
  const detail::DisplayBackend* backend = detail::display_backend();
  const bool presents = backend && backend->present && backend->present_interval_ms > 0;
  // Without the means to sleep until the next event, the display is shown
  // at display rate whether or not anything changed.
  const bool sleeps = presents && queue->wake.wakeup()->fd() >= 0 && detail::DirtyTiles::wakes_reliably();
  detail::Clock::time_point& next_frame = detail::next_frame_of_this_thread;
  for (;;) {
    {
      std::unique_lock guard(queue->lock);
      switch (detail::next_message(*queue, message, window, filterMin, filterMax, true)) {
        case detail::Found::message: return TRUE;
        case detail::Found::quit: return FALSE;
        case detail::Found::nothing: break;
      }
      if (!presents) {
        queue->wake.wait(guard);
        continue;
      }
      if (sleeps) {
        queue->wake.begin_polling();
      } else {
        queue->wake.wait_for(guard, std::chrono::milliseconds(backend->present_interval_ms));
      }
    }
    if (sleeps) detail::sleep_until_news(*queue, *backend, next_frame);
    // While the thread waits, the display shows what has been drawn.
    for (const auto& shown : detail::windows_of(*queue)) backend->present(*shown);
    next_frame = detail::Clock::now() + std::chrono::milliseconds(backend->present_interval_ms);
  }
}

BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!message || !detail::valid_filter(window)) {
    SetLastError(message ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto queue = detail::current_queue();
  std::lock_guard guard(queue->lock);
  const bool remove = (removeFlags & PM_REMOVE) != 0;
  return detail::next_message(*queue, message, window, filterMin, filterMax, remove) == detail::Found::nothing
             ? FALSE
             : TRUE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<detail::MessageQueue> queue;
  if (!window) {
    queue = detail::current_queue();
  } else if (auto found = detail::find_window(window)) {
    queue = found->queue;
  }
  if (!queue) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  {
    std::lock_guard guard(queue->lock);
    if (!queue->alive) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    queue->posted.push_back(MSG{window, message, wParam, lParam, detail::message_time(), POINT{0, 0}});
  }
  queue->wake.notify_all();
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  auto queue = detail::current_queue();
  {
    std::lock_guard guard(queue->lock);
    queue->quit_pending = true;
    queue->quit_code = exitCode;
  }
  queue->wake.notify_all();
}

namespace detail {
namespace {

// The characters of the punctuation and keypad keys, as a US keyboard types
// them without Shift.
struct KeyCharacter {
  WORD key;
  char character;
};
constexpr KeyCharacter kKeyCharacters[] = {
    {VK_OEM_1, ';'},   {VK_OEM_PLUS, '='},  {VK_OEM_COMMA, ','}, {VK_OEM_MINUS, '-'}, {VK_OEM_PERIOD, '.'},
    {VK_OEM_2, '/'},   {VK_OEM_3, '`'},     {VK_OEM_4, '['},     {VK_OEM_5, '\\'},   {VK_OEM_6, ']'},
    {VK_OEM_7, '\''},  {VK_MULTIPLY, '*'},  {VK_ADD, '+'},       {VK_SUBTRACT, '-'},  {VK_DECIMAL, '.'},
    {VK_DIVIDE, '/'},
};

WPARAM character_of(WPARAM key) {
  if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
  if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_BACK || key == VK_TAB || key == VK_RETURN ||
      key == VK_ESCAPE) {
    return key;
  }
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return '0' + (key - VK_NUMPAD0);
  for (const KeyCharacter& entry : kKeyCharacters)
    if (entry.key == key) return static_cast<unsigned char>(entry.character);
  return 0;
}

}  // namespace
}  // namespace detail

// Key presses become characters for the keys that have one; the character
// message is the next one the thread retrieves. Without a keyboard state to
// consult, keys type what they type without Shift: letters in lower case,
// = for the + key.
BOOL TranslateMessage(const MSG* message) {
  if (!message || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) return FALSE;
  const WPARAM character = detail::character_of(message->wParam);
  if (character == 0) return FALSE;
  auto queue = detail::current_queue();
  std::lock_guard guard(queue->lock);
  const UINT kind = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  queue->posted.push_front(MSG{message->hwnd, kind, character, message->lParam, message->time, message->pt});
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* message) {
  if (!message || !message->hwnd) return 0;
  auto window = detail::find_window(message->hwnd);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return window->send(message->message, message->wParam, message->lParam);
}

}  // namespace win32
