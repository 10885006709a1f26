// The window's keys and mouse on the program's thread: the routines of
// graphics/window_input.h over the window's input queue.
#include "graphics/window_input.h"

#include <chrono>
#include <utility>

#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "platform/display.h"
#include "platform/kernel.h"
#include "win32gui/window_input_queue.h"

namespace graph {

namespace {

// The code of an extended key whose 0 ReadWindowKey has returned; 0: none.
std::uint8_t PendingExtendedCode = 0;

// The program waits with the input before a checkpoint handled.
void Pass(const WindowInputQueue::Found& found) {
  (void)win32::display::pass_script_checkpoint(MainWindow, found.checkpoint);
}

// Viewport-relative, wrapped to 16 bits as the library's coordinates are.
std::int16_t Relative(std::int16_t absolute, std::int16_t origin) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(absolute) - static_cast<std::uint16_t>(origin));
}

using Clock = std::chrono::steady_clock;

// What is left of a wait of `milliseconds` begun at `start`.
win32::DWORD Remaining(std::uint32_t milliseconds, Clock::time_point start) {
  if (milliseconds == win32::INFINITE) return win32::INFINITE;
  const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  return spent >= milliseconds ? 0 : static_cast<win32::DWORD>(milliseconds - spent);
}

}  // namespace

bool WindowKeyPressed() { return PendingExtendedCode != 0 || WindowInput().Has(WindowInputQueue::kKeys); }

std::uint8_t ReadWindowKey() {
  if (PendingExtendedCode != 0) return std::exchange(PendingExtendedCode, std::uint8_t{0});
  WindowInputQueue& queue = WindowInput();
  for (;;) {
    const WindowInputQueue::Found found = queue.Look(WindowInputQueue::kKeys);
    switch (found.kind) {
      case WindowInputQueue::Found::Kind::Key: {
        const std::optional<WindowKey> key = queue.TakeKey();
        if (!key) continue;
        if (!key->Extended) return key->Code;
        PendingExtendedCode = key->Code;
        return 0;
      }
      case WindowInputQueue::Found::Kind::Checkpoint:
        Pass(found);
        continue;
      case WindowInputQueue::Found::Kind::Closed:
        GraphResult = grError;
        return 0;
      case WindowInputQueue::Found::Kind::Mouse:
      case WindowInputQueue::Found::Kind::Nothing:
        queue.WaitForArrival(win32::INFINITE);
        continue;
    }
  }
}

bool MouseEventPending() { return WindowInput().Has(WindowInputQueue::kMouse); }

bool ReadMouseEvent(MouseEventType& event) {
  const std::optional<MouseEventType> taken = WindowInput().TakeMouseEvent();
  if (!taken) return false;
  event = *taken;
  event.X = Relative(event.X, StartXViewPort);
  event.Y = Relative(event.Y, StartYViewPort);
  return true;
}

void GetMouseState(std::int16_t& x, std::int16_t& y, std::uint16_t& buttons) {
  WindowInput().MouseState(x, y, buttons);
  x = Relative(x, StartXViewPort);
  y = Relative(y, StartYViewPort);
}

std::int16_t WaitWindowEvent(std::uint32_t milliseconds) {
  if (PendingExtendedCode != 0) return weKey;
  WindowInputQueue& queue = WindowInput();
  const Clock::time_point start = Clock::now();
  for (;;) {
    const WindowInputQueue::Found found = queue.Look(WindowInputQueue::kKeys | WindowInputQueue::kMouse);
    switch (found.kind) {
      case WindowInputQueue::Found::Kind::Key: return weKey;
      case WindowInputQueue::Found::Kind::Mouse: return weMouse;
      case WindowInputQueue::Found::Kind::Closed: return weClosed;
      case WindowInputQueue::Found::Kind::Checkpoint:
        Pass(found);
        continue;
      case WindowInputQueue::Found::Kind::Nothing: {
        const win32::DWORD left = Remaining(milliseconds, start);
        if (left == 0) return weTimeout;
        queue.WaitForArrival(left);
        continue;
      }
    }
  }
}

}  // namespace graph
