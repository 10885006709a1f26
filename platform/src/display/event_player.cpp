#include "display/event_player.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "display/event_script.h"
#include "display/snapshot.h"
#include "platform/display.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "user/key_messages.h"

namespace win32::detail {

namespace {

// A script longer than this is not a script.
constexpr std::streamsize kLargestScript = 1 << 20;

// How often a player waiting to begin looks whether its window is gone.
constexpr auto kWindowCheck = std::chrono::milliseconds(50);

// The script of the process, and whether its program has let it begin.
struct Player {
  std::vector<ScriptStep> steps;
  std::atomic<bool> playing{false};
  std::mutex lock;
  std::condition_variable may_begin_changed;
  bool may_begin = false;
};

Player& player() {
  static Player* const made = new Player;  // the playing thread may outlive main
  return *made;
}

[[noreturn]] void refuse(const std::string& file, const std::string& why) {
  std::fprintf(stderr, "GRAPH_EVENTS: %s: %s\n", file.c_str(), why.c_str());
  ExitProcess(1);
}

bool snapshots_are_numbered() {
  const char* value = std::getenv("GRAPH_SNAPSHOT");
  return parse_snapshot_setting(value ? value : "").kind == SnapshotSetting::Kind::Frames;
}

// Where the pointer is and which buttons are down, as the messages say.
struct Pointer {
  int x = 0;
  int y = 0;
  WPARAM buttons = 0;
  [[nodiscard]] LPARAM position() const { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
};

UINT button_message(WPARAM button, bool down) {
  const UINT first = button == MK_LBUTTON ? WM_LBUTTONDOWN : button == MK_RBUTTON ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
  return down ? first : first + 1;
}

bool post_key(HWND window, WORD virtual_key, BYTE scan, bool extended, bool alt, bool released) {
  const UINT message = alt ? (released ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (released ? WM_KEYUP : WM_KEYDOWN);
  const KeyTransition transition{scan, extended, alt, false, released};
  return PostMessageA(window, message, virtual_key, key_message_lparam(transition)) != FALSE;
}

// The modifiers go down, the key goes down and up, the modifiers come up.
bool post_key_step(HWND window, const ScriptStep& step) {
  const std::vector<ModifierKey> modifiers = modifier_keys(step.modifiers);
  const bool alt = (step.modifiers & ScriptStep::kAlt) != 0;
  bool posted = true;
  for (const ModifierKey& modifier : modifiers) {
    posted = posted && post_key(window, modifier.virtual_key, modifier.scan, false, alt, false);
  }
  posted = posted && post_key(window, step.virtual_key, step.scan, step.extended, alt, false);
  posted = posted && post_key(window, step.virtual_key, step.scan, step.extended, alt, true);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    posted = posted && post_key(window, it->virtual_key, it->scan, false, alt, true);
  }
  return posted;
}

bool post_checkpoint(HWND window, WPARAM what) {
  return PostMessageA(window, display::kScriptCheckpointMessage, what, 0) != FALSE;
}

// Waits until the program has passed the starting checkpoint; false when
// its window has gone first.
bool wait_to_begin(HWND window) {
  if (!post_checkpoint(window, display::kScriptStart)) return false;
  Player& state = player();
  std::unique_lock guard(state.lock);
  while (!state.may_begin) {
    if (!IsWindow(window)) return false;
    state.may_begin_changed.wait_for(guard, kWindowCheck);
  }
  return true;
}

// One step; false when the window can no longer take messages.
bool play_step(HWND window, const ScriptStep& step, Pointer& pointer) {
  switch (step.kind) {
    case ScriptStep::Kind::Key:
      return post_key_step(window, step);
    case ScriptStep::Kind::Character:
      return PostMessageA(window, WM_CHAR, static_cast<unsigned char>(step.character), 1) != FALSE;
    case ScriptStep::Kind::Move:
      pointer.x = step.x;
      pointer.y = step.y;
      return PostMessageA(window, WM_MOUSEMOVE, pointer.buttons, pointer.position()) != FALSE;
    case ScriptStep::Kind::Press:
    case ScriptStep::Kind::Release: {
      const bool down = step.kind == ScriptStep::Kind::Press;
      pointer.buttons = down ? (pointer.buttons | step.button) : (pointer.buttons & ~step.button);
      return PostMessageA(window, button_message(step.button, down), pointer.buttons, pointer.position()) != FALSE;
    }
    case ScriptStep::Kind::Wheel: {
      // Screen coordinates: the headless display's windows have no place on
      // its screen, so they are the client area's.
      const WPARAM turn = MAKEWPARAM(static_cast<WORD>(pointer.buttons), static_cast<WORD>(step.amount * WHEEL_DELTA));
      return PostMessageA(window, WM_MOUSEWHEEL, turn, pointer.position()) != FALSE;
    }
    case ScriptStep::Kind::Pause:
      std::this_thread::sleep_for(std::chrono::milliseconds(step.amount));
      return true;
    case ScriptStep::Kind::Snapshot:
      return post_checkpoint(window, display::kScriptSnapshot);
    case ScriptStep::Kind::Close:
      return post_checkpoint(window, display::kScriptClose);
  }
  return false;
}

void play(HWND window) {
  if (!wait_to_begin(window)) return;
  Pointer pointer;
  for (const ScriptStep& step : player().steps) {
    if (!play_step(window, step, pointer)) return;
  }
}

}  // namespace

void load_event_script() {
  const char* name = std::getenv("GRAPH_EVENTS");
  if (!name || !*name) return;
  std::ifstream file(name, std::ios::binary);
  if (!file) refuse(name, "cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad() || text.tellp() > kLargestScript) refuse(name, "cannot be read as a script (at most 1 MiB of text)");

  ScriptReading reading = read_event_script(text.str());
  if (reading.refused()) refuse(name, "line " + std::to_string(reading.fault_line) + ": " + reading.fault);
  const auto snapshot = std::find_if(reading.steps.begin(), reading.steps.end(),
                                     [](const ScriptStep& step) { return step.kind == ScriptStep::Kind::Snapshot; });
  if (snapshot != reading.steps.end() && !snapshots_are_numbered()) {
    refuse(name, "line " + std::to_string(snapshot->line) +
                     ": snapshot needs GRAPH_SNAPSHOT to be a frame pattern, such as frames/frame-%03d.png");
  }
  player().steps = std::move(reading.steps);
}

void play_event_script(HWND window) {
  Player& state = player();
  if (state.steps.empty() || state.playing.exchange(true)) return;
  std::thread(play, window).detach();
}

}  // namespace win32::detail

namespace win32::display {

bool pass_script_checkpoint(HWND window, WPARAM what) {
  switch (what) {
    case kScriptStart: {
      detail::Player& state = detail::player();
      {
        std::lock_guard guard(state.lock);
        state.may_begin = true;
      }
      state.may_begin_changed.notify_all();
      return IsWindow(window) != FALSE;
    }
    case kScriptSnapshot:
      return end_frame(window);
    case kScriptClose:
      return close_window_as_user(window);
    default:
      return IsWindow(window) != FALSE;
  }
}

}  // namespace win32::display
