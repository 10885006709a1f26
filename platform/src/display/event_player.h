// GRAPH_EVENTS=FILE: a script of input steps (display/event_script.h) that
// stands in for the user at the first window the program creates, played
// on a thread of its own by posting the window messages that the user's
// keys, pointer, buttons and wheel would bring. The script begins at a
// checkpoint (display.h), once the program is ready for input; snapshots
// and the close box are checkpoints too, so that they come after the
// program has handled the input before them.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

// Reads the script that GRAPH_EVENTS names, once, when the display is
// chosen. A script that cannot be read or is malformed ends the process
// with exit code 1 and one line on standard error that gives the line and
// the reason.
void load_event_script();

// Starts playing the script into `window`, the first window created: its
// steps follow once the window's program passes the starting checkpoint.
void play_event_script(HWND window);

}  // namespace win32::detail
