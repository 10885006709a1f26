// The curve of the state in blue and its image in red.
#pragma once

#include "explorer_state.h"
#include "inversion_plot.h"

namespace explorer {

// The demonstrations' curves are sampled exactly as their programs sample
// them (demos/frame/demo_curves.h), each with its program's guard; the
// line and the circle by chosen_curves.h.
void DrawCurve(const ExplorerState& state, const Inversion& inversion);

}  // namespace explorer
