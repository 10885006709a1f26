// A link seam, not a driver: definitions of the window driver's routines for
// test programs of the device-independent core that never open a window.
#pragma once

namespace graph::testing {

// How often the seam's mode initialisation and CloseGraph have run.
extern int InitWin32GUICalls;
extern int CloseGraphCalls;

}  // namespace graph::testing
