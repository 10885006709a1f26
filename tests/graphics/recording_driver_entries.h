// The recording driver as the driver linked with the graphics core in the
// core's own test programs: it supplies the two routines the core leaves to
// a driver, QueryAdapterInfo and CloseGraph.
#pragma once

namespace graph::testing {

// How often CloseGraph has left graphics mode.
extern int CloseGraphCalls;

}  // namespace graph::testing
