// The queue between the graph window's thread, which records the window's
// keys and mouse as their messages arrive, and the program's thread, which
// reads them (graphics/window_input.h). A small lock of its own guards it,
// never held while waiting and never together with GraphDrawing; the
// program's thread waits for input on an event, outside the lock.
//
// A checkpoint of scripted input (win32::display::kScriptCheckpointMessage)
// travels in the queue behind the input sent before it. It is passed when
// the program next waits for input and nothing it reads is queued in front
// of it: the program has then handled that input and drawn what follows
// from it. Input behind a checkpoint stays unseen until then.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

#include "graphics/window_input.h"
#include "platform/kernel.h"
#include "win32gui/window_keys.h"

namespace graph {

class WindowInputQueue {
 public:
  // What the program's thread reads, as a set of bits.
  static constexpr unsigned kKeys = 1;
  static constexpr unsigned kMouse = 2;

  // What the program's thread finds: the first entry that it reads, a
  // checkpoint to pass before it waits, or nothing (and the window open or
  // gone).
  struct Found {
    enum class Kind { Key, Mouse, Checkpoint, Nothing, Closed };
    Kind kind = Kind::Nothing;
    win32::WPARAM checkpoint = 0;
  };

  WindowInputQueue();
  WindowInputQueue(const WindowInputQueue&) = delete;
  WindowInputQueue& operator=(const WindowInputQueue&) = delete;

  // ---- The window's thread ----
  void Open();  // a new window: nothing queued, pointer unseen
  // The window is going: a waiting program wakes, and the snapshots that
  // the program has not reached are taken of the window's last picture.
  void Close(win32::HWND window);
  void Record(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam);
  void QueueCheckpoint(win32::WPARAM checkpoint);

  // ---- The program's thread ----
  // Looks for the first entry of the kinds `reads` in front of any
  // checkpoint. When there is none, the first checkpoint is taken out and
  // returned; otherwise, with nothing to read, the arrival event is reset,
  // so that WaitForArrival returns as soon as anything comes.
  [[nodiscard]] Found Look(unsigned reads);
  [[nodiscard]] bool Has(unsigned reads);  // an entry of those kinds to read now
  [[nodiscard]] std::optional<WindowKey> TakeKey();
  [[nodiscard]] std::optional<MouseEventType> TakeMouseEvent();  // window coordinates
  void MouseState(std::int16_t& x, std::int16_t& y, std::uint16_t& buttons);
  void WaitForArrival(win32::DWORD milliseconds);

 private:
  struct Entry {
    enum class Kind : std::uint8_t { Key, Mouse, Checkpoint };
    Kind kind;
    WindowKey key{};
    MouseEventType mouse{};
    win32::WPARAM checkpoint = 0;
  };

  // Under the lock.
  void Push(const Entry& entry);
  void RecordMouse(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam);
  [[nodiscard]] std::deque<Entry>::iterator FirstOf(unsigned reads);

  win32::CRITICAL_SECTION lock_{};
  win32::HANDLE arrived_ = nullptr;  // manual reset: set when an entry comes or the window goes
  std::deque<Entry> entries_;
  bool open_ = false;
  WindowKeyTranslator keys_;
  std::int16_t x_ = -1;
  std::int16_t y_ = -1;
  std::uint16_t buttons_ = 0;
  int wheel_ = 0;  // distance turned short of a whole notch
};

// The one queue of the process, made at its first use.
[[nodiscard]] WindowInputQueue& WindowInput();

}  // namespace graph
