// GRAPH_EVENTS scripts: a text of input steps, one per line, read into the
// steps that stand in for a user at the window. Reading is a pure function
// from the text to the steps, or to the line and reason of the first fault,
// so that every platform plays the same scripts.
//
//   # a line starting with # is a comment; blank lines are skipped
//   key Esc          a named key pressed and released: Esc, Enter, Space, Tab,
//                    Backspace, Left, Right, Up, Down, Home, End, PgUp, PgDn,
//                    Ins, Del, F1 .. F12; held with Shift+, Ctrl+ or Alt+
//                    before the name (key Ctrl+Left)
//   key q            one character typed (any printable character but space)
//   move 300 200     the pointer moves to a point of the client area
//   press left       a button (left, right, middle) goes down where the
//   release left     pointer is, or comes up
//   wheel 2          the wheel turns notches (negative: towards the user)
//   pause 250        nothing happens for milliseconds (at most 60000)
//   snapshot         the picture is saved as the next numbered PNG once the
//                    program has handled everything before it
//   close            the window's close box
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32_types.h"

namespace win32::detail {

struct ScriptStep {
  enum class Kind { Key, Character, Move, Press, Release, Wheel, Pause, Snapshot, Close };
  // The modifiers of a key step.
  static constexpr unsigned kShift = 1;
  static constexpr unsigned kCtrl = 2;
  static constexpr unsigned kAlt = 4;

  Kind kind = Kind::Close;
  int line = 0;
  WORD virtual_key = 0;  // Key
  BYTE scan = 0;         // Key: the PC scan code
  bool extended = false; // Key: sent with an E0 prefix
  unsigned modifiers = 0;
  char character = 0;    // Character
  int x = 0;             // Move
  int y = 0;
  WPARAM button = 0;     // Press, Release: MK_LBUTTON, MK_RBUTTON or MK_MBUTTON
  int amount = 0;        // Wheel: notches; Pause: milliseconds
};

struct ScriptReading {
  std::vector<ScriptStep> steps;
  // When the script is refused: the line (from 1) and why.
  int fault_line = 0;
  std::string fault;
  [[nodiscard]] bool refused() const { return fault_line != 0; }
};

[[nodiscard]] ScriptReading read_event_script(std::string_view text);

// The scan code and extended flag of a modifier key's virtual key.
struct ModifierKey {
  WORD virtual_key;
  BYTE scan;
};
[[nodiscard]] std::vector<ModifierKey> modifier_keys(unsigned modifiers);

}  // namespace win32::detail
