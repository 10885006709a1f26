// The terminal's settings while the console runs on it: raw input from
// console start-up, Ctrl-C still interrupting, and the settings the
// terminal had before put back on every way out of the process (ExitProcess,
// a return from main, a processor fault, and every signal whose default
// action ends the process: SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGUSR1, the
// real-time signals and the rest, kernel/ending_signals.h) and while the
// process is suspended (SIGTSTP, SIGCONT).
#pragma once

namespace win32::detail {

// Saves the settings of terminal `descriptor`, installs the restoring
// handlers and switches to raw input. Only the first terminal of the process
// is taken over; returns false when it is not a terminal or one is already
// in raw mode.
bool enter_raw_mode(int descriptor);

// Puts the saved settings back (and the default colours, when cells were
// written in others). Async-signal-safe; does nothing when nothing is saved
// or the settings are back already.
void restore_terminal();

// Told by the cell writer that colours other than the terminal's own are in
// effect, so that restoring also resets them.
void note_colours_changed(bool changed);

}  // namespace win32::detail
