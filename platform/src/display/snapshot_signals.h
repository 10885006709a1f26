// Snapshots of a process that a signal ends. The signals that end a process
// from outside (SIGINT from Ctrl-C, SIGTERM, SIGHUP, SIGQUIT, and SIGUSR1,
// SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU) are caught. The handler only
// hands the signal to a thread kept for it, so nothing is done in the
// handler: that thread saves in normal context, taking locks as any thread
// does (the interrupted thread runs on and gives them back), and then lets
// the signal take its course: through the handler that was there before (the
// console's, which restores the terminal), or by its default action, so that
// the process ends by the signal as it would have. A signal that the process
// ignores stays ignored; a child made by fork, which has no such thread,
// gets the signals' handling of before.
#pragma once

namespace win32::detail {

// Installs the handlers, once per process: `save` runs at the first of these
// signals, before the signal ends the process.
void save_before_ending_signals(void (*save)());

}  // namespace win32::detail
