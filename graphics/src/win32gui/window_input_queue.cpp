#include "win32gui/window_input_queue.h"

#include <algorithm>

#include "platform/display.h"
#include "platform/user.h"

namespace graph {

namespace {

// Entries waiting beyond this many are dropped, as a full keyboard buffer
// drops keys; checkpoints are always kept.
constexpr std::size_t kCapacity = 256;

class Hold {
 public:
  explicit Hold(win32::CRITICAL_SECTION& section) : section_(section) { win32::EnterCriticalSection(&section_); }
  ~Hold() { win32::LeaveCriticalSection(&section_); }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

 private:
  win32::CRITICAL_SECTION& section_;
};

std::uint16_t ButtonsOf(win32::WPARAM keys) {
  std::uint16_t buttons = 0;
  if (keys & win32::MK_LBUTTON) buttons |= mbLeft;
  if (keys & win32::MK_RBUTTON) buttons |= mbRight;
  if (keys & win32::MK_MBUTTON) buttons |= mbMiddle;
  return buttons;
}

// The button of a button message, and whether it went down.
struct ButtonChange {
  std::uint16_t button;
  bool pressed;
};

std::optional<ButtonChange> ButtonChangeOf(win32::UINT message) {
  switch (message) {
    case win32::WM_LBUTTONDOWN: case win32::WM_LBUTTONDBLCLK: return ButtonChange{mbLeft, true};
    case win32::WM_LBUTTONUP: return ButtonChange{mbLeft, false};
    case win32::WM_RBUTTONDOWN: case win32::WM_RBUTTONDBLCLK: return ButtonChange{mbRight, true};
    case win32::WM_RBUTTONUP: return ButtonChange{mbRight, false};
    case win32::WM_MBUTTONDOWN: case win32::WM_MBUTTONDBLCLK: return ButtonChange{mbMiddle, true};
    case win32::WM_MBUTTONUP: return ButtonChange{mbMiddle, false};
    default: return std::nullopt;
  }
}

}  // namespace

WindowInputQueue::WindowInputQueue() {
  win32::InitializeCriticalSection(&lock_);
  arrived_ = win32::CreateEventA(nullptr, win32::TRUE, win32::FALSE, nullptr);
}

void WindowInputQueue::Open() {
  Hold hold(lock_);
  entries_.clear();
  open_ = true;
  keys_.Reset();
  x_ = y_ = -1;
  buttons_ = 0;
  wheel_ = 0;
}

void WindowInputQueue::Close(win32::HWND window) {
  std::size_t snapshots = 0;
  {
    Hold hold(lock_);
    open_ = false;
    for (const Entry& entry : entries_)
      if (entry.kind == Entry::Kind::Checkpoint && entry.checkpoint == win32::display::kScriptSnapshot) ++snapshots;
    std::erase_if(entries_, [](const Entry& entry) { return entry.kind == Entry::Kind::Checkpoint; });
    (void)win32::SetEvent(arrived_);
  }
  for (std::size_t i = 0; i < snapshots; ++i) (void)win32::display::pass_script_checkpoint(window, win32::display::kScriptSnapshot);
}

void WindowInputQueue::Push(const Entry& entry) {
  if (entries_.size() >= kCapacity && entry.kind != Entry::Kind::Checkpoint) return;
  entries_.push_back(entry);
  (void)win32::SetEvent(arrived_);
}

void WindowInputQueue::Record(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
  Hold hold(lock_);
  if (message >= win32::WM_MOUSEMOVE && message <= win32::WM_MOUSEWHEEL) {
    RecordMouse(message, wParam, lParam);
  } else if (const std::optional<WindowKey> key = keys_.Translate(message, wParam, lParam)) {
    Push(Entry{Entry::Kind::Key, *key});
  }
}

void WindowInputQueue::RecordMouse(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
  if (message == win32::WM_MOUSEWHEEL) {
    // Screen coordinates, which the window cannot place: the pointer is
    // where its last move left it. A high-resolution wheel sends parts of
    // a notch; they count once they add up to one.
    buttons_ = ButtonsOf(win32::LOWORD(wParam));
    wheel_ += win32::GET_WHEEL_DELTA_WPARAM(wParam);
    const int steps = wheel_ / win32::WHEEL_DELTA;
    if (steps == 0) return;
    wheel_ -= steps * win32::WHEEL_DELTA;
    Push(Entry{Entry::Kind::Mouse, {}, MouseEventType{meWheel, 0, buttons_, x_, y_, static_cast<std::int16_t>(steps)}});
    return;
  }
  x_ = static_cast<std::int16_t>(win32::GET_X_LPARAM(lParam));
  y_ = static_cast<std::int16_t>(win32::GET_Y_LPARAM(lParam));
  buttons_ = ButtonsOf(wParam);
  if (message == win32::WM_MOUSEMOVE) {
    const MouseEventType moved{meMoved, 0, buttons_, x_, y_, 0};
    if (!entries_.empty() && entries_.back().kind == Entry::Kind::Mouse && entries_.back().mouse.Kind == meMoved) {
      entries_.back().mouse = moved;  // one move to where the pointer is now
      return;
    }
    Push(Entry{Entry::Kind::Mouse, {}, moved});
    return;
  }
  if (const std::optional<ButtonChange> change = ButtonChangeOf(message)) {
    Push(Entry{Entry::Kind::Mouse, {},
               MouseEventType{change->pressed ? mePressed : meReleased, change->button, buttons_, x_, y_, 0}});
  }
}

void WindowInputQueue::QueueCheckpoint(win32::WPARAM checkpoint) {
  Hold hold(lock_);
  Push(Entry{Entry::Kind::Checkpoint, {}, {}, checkpoint});
}

std::deque<WindowInputQueue::Entry>::iterator WindowInputQueue::FirstOf(unsigned reads) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->kind == Entry::Kind::Checkpoint) return entries_.end();
    if ((it->kind == Entry::Kind::Key && (reads & kKeys)) || (it->kind == Entry::Kind::Mouse && (reads & kMouse)))
      return it;
  }
  return entries_.end();
}

WindowInputQueue::Found WindowInputQueue::Look(unsigned reads) {
  Hold hold(lock_);
  const auto first = FirstOf(reads);
  if (first != entries_.end()) return Found{first->kind == Entry::Kind::Key ? Found::Kind::Key : Found::Kind::Mouse};
  const auto checkpoint = std::find_if(entries_.begin(), entries_.end(),
                                       [](const Entry& entry) { return entry.kind == Entry::Kind::Checkpoint; });
  if (checkpoint != entries_.end()) {
    const win32::WPARAM what = checkpoint->checkpoint;
    entries_.erase(checkpoint);
    return Found{Found::Kind::Checkpoint, what};
  }
  if (!open_) return Found{Found::Kind::Closed};
  (void)win32::ResetEvent(arrived_);
  return Found{Found::Kind::Nothing};
}

bool WindowInputQueue::Has(unsigned reads) {
  Hold hold(lock_);
  return FirstOf(reads) != entries_.end();
}

std::optional<WindowKey> WindowInputQueue::TakeKey() {
  Hold hold(lock_);
  const auto first = FirstOf(kKeys);
  if (first == entries_.end()) return std::nullopt;
  const WindowKey key = first->key;
  entries_.erase(first);
  return key;
}

std::optional<MouseEventType> WindowInputQueue::TakeMouseEvent() {
  Hold hold(lock_);
  const auto first = FirstOf(kMouse);
  if (first == entries_.end()) return std::nullopt;
  const MouseEventType event = first->mouse;
  entries_.erase(first);
  return event;
}

void WindowInputQueue::MouseState(std::int16_t& x, std::int16_t& y, std::uint16_t& buttons) {
  Hold hold(lock_);
  x = x_;
  y = y_;
  buttons = buttons_;
}

void WindowInputQueue::WaitForArrival(win32::DWORD milliseconds) {
  (void)win32::WaitForSingleObject(arrived_, milliseconds);
}

WindowInputQueue& WindowInput() {
  // Never destroyed: the window's thread may still record while the
  // process ends.
  static WindowInputQueue* const queue = new WindowInputQueue;
  return *queue;
}

}  // namespace graph
